#pragma once
// The session data source (session key oAdo): one connection through which the data-operation
// classes and most screens run their queries and statements. Failures are shown in its own
// alert (each provider error with its native number) and never thrown to the caller.
#include <QString>
#include <memory>

#include "data/DbEngine.h"

class TDataSource {
 public:
  TDataSource();
  ~TDataSource();
  TDataSource(const TDataSource&) = delete;
  TDataSource& operator=(const TDataSource&) = delete;

  QString cConnect;   // the connection text as built from [CONFIG]
  QString cUser;      // login handed to the open call in both authentication modes
  QString cPassword;
  int nConnTimeOut = 0;  // 0: no connection time-out
  int nTimeOut = 0;      // 0: statements may run as long as they need

  // True opens the connection (alert on failure), false closes it.
  void SetConnected(bool connected);
  bool lConnected() const;

  // A statement that returns no rows. False when the text is empty, when the connection is
  // closed (alert "Connection closed") or when the provider reports errors (alert with the
  // errors and the statement).
  bool Execute(const QString& statement);

  // A statement that returns rows, for the query object: connects first when needed. The first
  // result that has columns comes back; on failure the alert is shown and `ok` is false.
  ResultSet Query(const QString& statement, bool* ok = nullptr);

  // The alert's title and the text listing the errors (and the statement, when there is one).
  static QString AlertTitle();
  static QString AlertText(const QList<DbError>& errors, const QString& statement);

  // Tests and tools may hand the data source an engine directly instead of a connection text.
  void UseEngine(std::unique_ptr<DbEngine> engine);
  DbEngine* Engine() const { return m_engine.get(); }

 private:
  bool open();
  bool openWith(const QString& text, QList<DbError>* errors);
  bool runLogged(const QString& statement, bool query, DbOutcome* out);
  // After the link broke under an open connection, a write tries it again quietly first.
  bool reopenLostLink();

  std::unique_ptr<DbEngine> m_engine;
  bool m_engineGiven = false;
  bool m_linkLost = false;
};
