#pragma once
// A throwaway PostgreSQL server on 127.0.0.1 for the ODBC tests: initdb into a temporary
// folder (as the postgres user when the tests run as root), started once per test program
// and stopped at its end; a test may stop and start it in between.
#include <QString>
#include <QTemporaryDir>

class PostgresServer {
 public:
  static PostgresServer& Instance();  // started on first use
  bool Running() const { return m_running; }
  const QString& Problem() const { return m_problem; }
  int Port() const { return m_port; }
  static QString User() { return QStringLiteral("portal"); }
  static QString Password() { return QStringLiteral("S3creta;x"); }

  // psqlODBC connection text for a database of this server.
  QString ConnectionText(const QString& database, const QString& password = Password()) const;
  // Runs one SQL command through psql as the owner; false with the output when it fails.
  bool Psql(const QString& database, const QString& sql, QString* output = nullptr) const;
  void Stop();
  // Starts the stopped server again on the same port and data folder.
  bool Start();
  ~PostgresServer();

 private:
  PostgresServer();
  bool run(const QStringList& command, QString* output) const;
  QTemporaryDir m_dir;
  QString m_bin;
  int m_port = 0;
  bool m_running = false;
  bool m_asPostgres = false;
  QString m_problem;
};
