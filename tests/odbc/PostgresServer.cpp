#include "PostgresServer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include "odbc/OdbcDrivers.h"

namespace {

int freePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
    port = ntohs(addr.sin_port);
  ::close(fd);
  return port;
}

}  // namespace

namespace {

PostgresServer* g_server = nullptr;

// Stops the server at the end of the test program, while Qt is still up.
class StopAtEnd : public ::testing::Environment {
 public:
  void TearDown() override {
    if (g_server) g_server->Stop();
  }
};
[[maybe_unused]] ::testing::Environment* const g_stopAtEnd = ::testing::AddGlobalTestEnvironment(new StopAtEnd);

}  // namespace

PostgresServer& PostgresServer::Instance() {
  static PostgresServer server;
  g_server = &server;
  return server;
}

PostgresServer::PostgresServer() : m_dir(QStringLiteral("/tmp/portal-pg-XXXXXX")) {
  for (const char* v : {"17", "16", "15", "14", "13"}) {
    const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(QString::fromLatin1(v));
    if (QFile::exists(bin + QStringLiteral("/initdb"))) {
      m_bin = bin;
      break;
    }
  }
  if (m_bin.isEmpty()) {
    m_problem = QStringLiteral("PostgreSQL server binaries not found under /usr/lib/postgresql");
    return;
  }
  if (OdbcDrivers::Postgres().isEmpty()) {
    m_problem = QStringLiteral("psqlODBC (odbc-postgresql) is not installed");
    return;
  }
  m_asPostgres = ::getuid() == 0;
  if (m_asPostgres) {
    const passwd* pw = ::getpwnam("postgres");
    if (!pw || ::chown(m_dir.path().toLocal8Bit().constData(), pw->pw_uid, pw->pw_gid) != 0) {
      m_problem = QStringLiteral("cannot hand the temporary folder to the postgres user");
      return;
    }
  }
  const QString pwfile = m_dir.filePath(QStringLiteral("pw"));
  QFile f(pwfile);
  f.open(QIODevice::WriteOnly);
  f.write(Password().toUtf8() + '\n');
  f.close();
  f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadOther | QFileDevice::ReadGroup);
  QString out;
  const QString data = m_dir.filePath(QStringLiteral("data"));
  if (!run({m_bin + QStringLiteral("/initdb"), QStringLiteral("-D"), data, QStringLiteral("-U"), User(),
            QStringLiteral("--pwfile=") + pwfile, QStringLiteral("--auth-host=scram-sha-256"),
            QStringLiteral("--auth-local=trust"), QStringLiteral("-E"), QStringLiteral("SQL_ASCII"),
            QStringLiteral("--locale=C"), QStringLiteral("--no-sync")},
           &out)) {
    m_problem = QStringLiteral("initdb failed: ") + out;
    return;
  }
  m_port = freePort();
  Start();
}

PostgresServer::~PostgresServer() { Stop(); }

bool PostgresServer::Start() {
  if (m_running) return true;
  if (m_bin.isEmpty() || m_port == 0) return false;
  QString out;
  const QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off").arg(m_port).arg(m_dir.path());
  if (!run({m_bin + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")),
            QStringLiteral("-o"), options, QStringLiteral("-l"), m_dir.filePath(QStringLiteral("log")),
            QStringLiteral("-w"), QStringLiteral("start")},
           &out)) {
    m_problem = QStringLiteral("pg_ctl start failed: ") + out;
    return false;
  }
  m_problem.clear();
  m_running = true;
  return true;
}

void PostgresServer::Stop() {
  if (!m_running) return;
  QString out;
  run({m_bin + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")),
       QStringLiteral("-m"), QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")},
      &out);
  m_running = false;
}

bool PostgresServer::run(const QStringList& command, QString* output) const {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.setWorkingDirectory(m_dir.path());
  if (m_asPostgres) p.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--")} + command);
  else p.start(command.first(), command.mid(1));
  if (!p.waitForFinished(120000)) {
    p.kill();
    p.waitForFinished();
    if (output) *output = QStringLiteral("timed out: ") + command.join(u' ');
    return false;
  }
  if (output) *output = QString::fromLocal8Bit(p.readAll());
  return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QString PostgresServer::ConnectionText(const QString& database, const QString& password) const {
  return QStringLiteral("Driver=%1;Server=127.0.0.1;Port=%2;Database=%3;UID=%4;PWD={%5};")
      .arg(OdbcDrivers::Postgres())
      .arg(m_port)
      .arg(database, User(), password);
}

bool PostgresServer::Psql(const QString& database, const QString& sql, QString* output) const {
  QString out;
  const bool ok = run({m_bin + QStringLiteral("/psql"), QStringLiteral("-h"), m_dir.path(), QStringLiteral("-p"),
                       QString::number(m_port), QStringLiteral("-U"), User(), QStringLiteral("-d"), database,
                       QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-c"), sql},
                      &out);
  if (output) *output = out;
  return ok;
}
