#pragma once
// A CUPS scheduler of the test's own on a socket in a private folder, with one queue that prints
// to /dev/null and is the default. CUPS_SERVER points libcups and the lp tools at it while it runs.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

class PrivateCups {
 public:
  static constexpr const char* kQueue = "Prueba";

  PrivateCups() {
    if (!QFile::exists(QStringLiteral("/usr/sbin/cupsd"))) return;
    const QString d = m_dir.path();
    for (const char* sub : {"cache", "state", "spool", "tmp", "log"}) QDir(d).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                 QFile::ReadOther | QFile::ExeOther);
    write(u"cupsd.conf"_qs, u"Listen %1/cups.sock\nLogLevel warn\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"_qs.arg(d));
    write(u"cups-files.conf"_qs, u"ServerRoot %1\nCacheDir %1/cache\nStateDir %1/state\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                                 "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\nPageLog %1/log/page_log\nFileDevice Yes\n"_qs.arg(d));
    m_server.start(QStringLiteral("/usr/sbin/cupsd"), {u"-f"_qs, u"-c"_qs, d + u"/cupsd.conf"_qs, u"-s"_qs, d + u"/cups-files.conf"_qs});
    if (!m_server.waitForStarted(5000)) return;
    for (int i = 0; i < 100 && !QFile::exists(socket()); ++i) QThread::msleep(50);
    if (!QFile::exists(socket())) return;
    m_oldServer = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", socket().toUtf8());
    m_ready = lp(u"lpadmin"_qs, {u"-p"_qs, QString::fromLatin1(kQueue), u"-E"_qs, u"-v"_qs, u"file:///dev/null"_qs}) &&
              lp(u"lpadmin"_qs, {u"-d"_qs, QString::fromLatin1(kQueue)});
  }
  ~PrivateCups() {
    if (m_server.state() != QProcess::NotRunning) {
      m_server.terminate();
      if (!m_server.waitForFinished(5000)) m_server.kill();
      m_server.waitForFinished(2000);
    }
    if (m_oldServer.isEmpty()) qunsetenv("CUPS_SERVER");
    else qputenv("CUPS_SERVER", m_oldServer);
  }

  bool ready() const { return m_ready; }
  QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
  // Runs an lp tool (lpadmin, cupsreject, cupsaccept...) against this scheduler.
  bool lp(const QString& tool, const QStringList& args) const {
    QProcess p;
    p.start(QStandardPaths::findExecutable(tool, {u"/usr/sbin"_qs, u"/usr/bin"_qs}), args);
    return p.waitForFinished(15000) && p.exitCode() == 0;
  }

 private:
  void write(const QString& name, const QString& text) {
    QFile f(m_dir.filePath(name));
    if (f.open(QIODevice::WriteOnly)) f.write(text.toUtf8());
  }
  QTemporaryDir m_dir{QStringLiteral("/tmp/portal-cups-XXXXXX")};  // short: the socket path has a length limit
  QProcess m_server;
  QByteArray m_oldServer;
  bool m_ready = false;
};
