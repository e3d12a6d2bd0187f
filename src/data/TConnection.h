#pragma once
// The direct connection object: opened from its connection text (translated into one of our
// engines), runs statements, and records each one in the statement journal as "CNX".
#include <QString>
#include <memory>

#include "data/DbEngine.h"

class TConnection {
 public:
  explicit TConnection(QString connectionString);
  ~TConnection();
  TConnection(const TConnection&) = delete;
  TConnection& operator=(const TConnection&) = delete;

  const QString& ConnectionString() const { return m_text; }
  bool Open(QList<DbError>* errors);
  bool IsOpen() const { return m_engine && m_engine->IsOpen(); }
  void Close();
  // Runs a statement; a closed connection gives the single error "Connection closed". A
  // connection whose link broke (the server stopped or the network failed) opens again at
  // the next statement; one that never opened stays closed.
  // `query` marks it in the journal as one that reads rows (a recordset).
  DbOutcome Execute(const QString& statement, bool query = false);

  // Tests may hand the connection an engine instead of translating the text.
  void UseEngine(std::unique_ptr<DbEngine> engine) { m_engine = std::move(engine); m_engineGiven = true; }

 private:
  QString m_text;
  std::unique_ptr<DbEngine> m_engine;
  bool m_engineGiven = false;
  bool m_linkLost = false;
};
