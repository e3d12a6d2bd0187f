#include "support/CupsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

bool writeFile(const QString& path, const QByteArray& text, QFile::Permissions mode = {}) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) != text.size()) return false;
  f.close();
  return mode == QFile::Permissions{} || f.setPermissions(mode);
}

// The device: each job copied whole into the folder named by the device URI, then renamed,
// so a file that is there is complete.
const char kBackend[] = R"(#!/bin/sh
if [ $# -eq 0 ]; then echo 'file archivo "Unknown" "Each job as a file"'; exit 0; fi
dir=${DEVICE_URI#archivo:}
if [ -n "$6" ]; then cp "$6" "$dir/job-$1.part"; else cat > "$dir/job-$1.part"; fi || exit 1
mv "$dir/job-$1.part" "$dir/job-$1.pdf"
)";

}  // namespace

namespace TestCups {

CupsServer::CupsServer() = default;
CupsServer::~CupsServer() { stop(); }

QString CupsServer::socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }

bool CupsServer::start() {
  if (!m_dir.isValid()) {
    m_error = QStringLiteral("no private folder");
    return false;
  }
  const QDir root(m_dir.path());
  for (const char* sub : {"conf", "spool", "cache", "state", "log", "bin/backend", "out"})
    root.mkpath(QString::fromLatin1(sub));
  // The scheduler's programs are the system's, but for a backend of our own.
  for (const char* sub : {"filter", "daemon", "cgi-bin", "notifier", "monitor", "driver"})
    QFile::link(QStringLiteral("/usr/lib/cups/") + QString::fromLatin1(sub),
                root.filePath(QStringLiteral("bin/") + QString::fromLatin1(sub)));
  // Mode 0700: the scheduler runs it as the owner of the spool's files, who can write the output.
  writeFile(root.filePath(QStringLiteral("bin/backend/archivo")), kBackend,
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QByteArray base = root.path().toUtf8();
  writeFile(root.filePath(QStringLiteral("conf/cups-files.conf")),
            "ServerRoot " + base + "/conf\nRequestRoot " + base + "/spool\nCacheDir " + base + "/cache\nStateDir " +
                base + "/state\nTempDir " + base + "/spool\nErrorLog " + base + "/log/error_log\nAccessLog " + base +
                "/log/access_log\nPageLog " + base + "/log/page_log\nServerBin " + base +
                "/bin\nDataDir /usr/share/cups\nFileDevice No\n");
  writeFile(root.filePath(QStringLiteral("conf/cupsd.conf")),
            "Listen " + socket().toUtf8() +
                "\nLogLevel warn\nBrowsing Off\nWebInterface No\nDefaultAuthType None\nMaxJobs 0\n"
                "PreserveJobHistory Yes\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                "<Policy default>\nJobPrivateAccess all\nJobPrivateValues none\nSubscriptionPrivateAccess all\n"
                "SubscriptionPrivateValues none\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n");
  m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
  m_cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                {QStringLiteral("-f"), QStringLiteral("-c"), root.filePath(QStringLiteral("conf/cupsd.conf")),
                 QStringLiteral("-s"), root.filePath(QStringLiteral("conf/cups-files.conf"))});
  if (!m_cupsd.waitForStarted(10000)) {
    m_error = QStringLiteral("cupsd did not start: ") + m_cupsd.errorString();
    return false;
  }
  qputenv("CUPS_SERVER", socket().toUtf8());
  const QDeadlineTimer deadline(20000);
  for (;;) {
    QString said;
    if (QFileInfo::exists(socket()) && Tool(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &said) &&
        said.contains(QStringLiteral("is running")))
      return true;
    if (m_cupsd.state() == QProcess::NotRunning || deadline.hasExpired()) {
      m_error = QStringLiteral("cupsd does not answer: ") + QString::fromUtf8(m_cupsd.readAll());
      stop();
      return false;
    }
    QThread::msleep(50);
  }
}

void CupsServer::stop() {
  if (m_cupsd.state() == QProcess::NotRunning) return;
  m_cupsd.terminate();
  if (!m_cupsd.waitForFinished(10000)) {
    m_cupsd.kill();
    m_cupsd.waitForFinished(5000);
  }
}

bool CupsServer::AddQueue(const QString& name, const QStringList& lpadminOptions) {
  const QString out = Output(name);
  QDir().mkpath(out);
  return Tool(QStringLiteral("lpadmin"), QStringList{QStringLiteral("-p"), name, QStringLiteral("-E"),
                                                     QStringLiteral("-v"), QStringLiteral("archivo:") + out} +
                                             lpadminOptions);
}

QString CupsServer::Output(const QString& queue) const {
  return m_dir.filePath(QStringLiteral("out/") + QString::fromLatin1(queue.toUtf8().toHex()));
}

QString CupsServer::JobFile(const QString& queue, int job, int limitMs) const {
  const QString file = QDir(Output(queue)).filePath(QStringLiteral("job-%1.pdf").arg(job));
  const QDeadlineTimer deadline(limitMs);
  while (!QFileInfo::exists(file)) {
    if (deadline.hasExpired()) return QString();
    QThread::msleep(20);
  }
  return file;
}

bool CupsServer::Tool(const QString& program, const QStringList& arguments, QString* output) const {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("CUPS_SERVER"), socket());
  p.setProcessEnvironment(env);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, arguments);
  if (!p.waitForFinished(20000)) {
    p.kill();
    p.waitForFinished();
    return false;
  }
  if (output) *output = QString::fromUtf8(p.readAll());
  return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}  // namespace TestCups
