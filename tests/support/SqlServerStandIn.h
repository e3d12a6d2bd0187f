#pragma once
// The SQL Server stand-in (tests/fixtures/sqlserver) serving one database file on 127.0.0.1,
// started and stopped by a test. It ends by itself when the test program does.
#include <QProcess>
#include <QString>
#include <memory>

class SqlServerStandIn {
 public:
  static constexpr const char* kDatabase = "Nomina";
  static constexpr const char* kUser = "portal";
  static constexpr const char* kPassword = "Secreto2024";

  explicit SqlServerStandIn(QString file) : m_file(std::move(file)) {}
  ~SqlServerStandIn() { stop(); }
  SqlServerStandIn(const SqlServerStandIn&) = delete;
  SqlServerStandIn& operator=(const SqlServerStandIn&) = delete;

  // Starts it (again on the same port after a stop) and returns once it listens.
  bool start();
  void stop();
  bool running() const;
  quint16 port() const { return m_port; }
  QString errorString() const { return m_error; }

  // The [CONFIG] section a site writes for this server.
  QString configSection() const;

  // The stand-in program, and whether this machine can run the production path (FreeTDS).
  static QString Program();
  static bool Available(QString* why = nullptr);

 private:
  QString m_file;
  std::unique_ptr<QProcess> m_process;
  quint16 m_port = 0;
  QString m_error;
};
