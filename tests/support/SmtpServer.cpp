#include "support/BuildPaths.h"
#include "support/SmtpServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace TestSmtp {

namespace {

constexpr int kStartMs = 15000;

QString scriptPath() { return BuildPaths::Source(QStringLiteral("/tests/support/smtp_server.py")); }

struct TestCertificate {
  QTemporaryDir dir;
  QString cert, key, error;
  TestCertificate() {
    cert = dir.filePath(QStringLiteral("server.crt"));
    key = dir.filePath(QStringLiteral("server.key"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {u"req"_qs, u"-x509"_qs, u"-newkey"_qs, u"ec"_qs, u"-pkeyopt"_qs, u"ec_paramgen_curve:prime256v1"_qs,
                   u"-nodes"_qs, u"-days"_qs, u"2"_qs, u"-subj"_qs, u"/CN=127.0.0.1"_qs, u"-addext"_qs,
                   u"subjectAltName=IP:127.0.0.1,DNS:localhost"_qs, u"-keyout"_qs, key, u"-out"_qs, cert});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
      error = QString::fromUtf8(openssl.readAllStandardError());
  }
};

const TestCertificate& certificate() {
  static TestCertificate made;
  return made;
}

}  // namespace

SmtpServer::SmtpServer(Options options) : m_options(std::move(options)) {}

SmtpServer::~SmtpServer() { stop(); }

QString SmtpServer::CertificateFile() { return certificate().cert; }

quint16 SmtpServer::FreePort() {
  SilentListener probe;
  const quint16 port = probe.port();
  probe.close();
  return port;
}

SilentListener::SilentListener() {
  m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(m_fd, 8) != 0 ||
      ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
    return;
  m_port = ntohs(address.sin_port);
}

SilentListener::~SilentListener() { close(); }

void SilentListener::close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}

bool SmtpServer::start() {
  QStringList args{scriptPath(), u"--store"_qs, m_store.path()};
  if (m_options.security != Security::Plain) {
    const TestCertificate& tls = certificate();
    if (!tls.error.isEmpty()) return m_error = u"openssl: "_qs + tls.error, false;
    args << u"--security"_qs << (m_options.security == Security::StartTls ? u"starttls"_qs : u"implicit"_qs)
         << u"--cert"_qs << tls.cert << u"--key"_qs << tls.key;
    qputenv("PORTAL_MAIL_CAINFO", QFile::encodeName(tls.cert));
  }
  if (!m_options.user.isEmpty()) args << u"--user"_qs << m_options.user << u"--password"_qs << m_options.password;
  if (m_options.authRequired) args << u"--auth-required"_qs;
  for (const QString& address : m_options.refuse) args << u"--refuse"_qs << address;
  if (m_options.port != 0) args << u"--port"_qs << QString::number(m_options.port);
  if (m_options.readRate > 0) args << u"--read-rate"_qs << QString::number(m_options.readRate);
  if (m_options.stallAfter >= 0) args << u"--stall-after"_qs << QString::number(m_options.stallAfter);
  if (m_options.closeAfter >= 0) args << u"--close-after"_qs << QString::number(m_options.closeAfter);

  m_process = std::make_unique<QProcess>();
  m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  m_process->start(QStringLiteral("/usr/bin/python3"), args);
  if (!m_process->waitForStarted(kStartMs)) return m_error = m_process->errorString(), false;

  // The server prints "READY <port>" once it listens.
  const QDeadlineTimer deadline(kStartMs);
  while (!m_process->canReadLine()) {
    if (m_process->state() != QProcess::Running || deadline.hasExpired() ||
        !m_process->waitForReadyRead(static_cast<int>(deadline.remainingTime())))
      return m_error = u"the SMTP server did not start"_qs, false;
  }
  const QByteArray line = m_process->readLine().trimmed();
  if (!line.startsWith("READY ")) return m_error = QString::fromUtf8(line), false;
  m_port = static_cast<quint16>(line.mid(6).toUInt());
  return true;
}

void SmtpServer::stop() {
  if (!m_process) return;
  m_process->closeWriteChannel();  // the server stops when its input closes
  if (!m_process->waitForFinished(5000)) {
    m_process->kill();
    m_process->waitForFinished(5000);
  }
  m_process.reset();
}

int SmtpServer::connections() const {
  QFile file(QDir(m_store.path()).filePath(QStringLiteral("connections")));
  if (!file.open(QIODevice::ReadOnly)) return 0;
  return static_cast<int>(file.readAll().count('\n'));
}

QList<Received> SmtpServer::messages() const {
  QList<Received> list;
  const QDir store(m_store.path());
  for (int n = 1;; ++n) {
    QFile record(store.filePath(QStringLiteral("%1.json").arg(n)));
    if (!record.open(QIODevice::ReadOnly)) break;
    const QJsonObject o = QJsonDocument::fromJson(record.readAll()).object();
    Received m;
    m.mailFrom = o[u"mail_from"].toString();
    for (const auto& v : o[u"rcpt_tos"].toArray()) m.rcptTos << v.toString();
    m.tls = o[u"tls"].toBool();
    m.authMechanism = o[u"auth_mechanism"].toString();
    m.authLogin = o[u"auth_login"].toString();
    m.subject = o[u"subject"].toString();
    m.from = o[u"from"].toString();
    m.to = o[u"to"].toString();
    m.cc = o[u"cc"].toString();
    m.date = o[u"date"].toString();
    m.messageId = o[u"message_id"].toString();
    m.mimeVersion = o[u"mime_version"].toString();
    m.bodyType = o[u"body_type"].toString();
    m.body = o[u"body"].toString();
    for (const auto& v : o[u"defects"].toArray()) m.defects << v.toString();
    for (const auto& v : o[u"attachments"].toArray()) {
      const QJsonObject a = v.toObject();
      QFile bytes(a[u"file"].toString());
      bytes.open(QIODevice::ReadOnly);
      m.attachments.append({a[u"filename"].toString(), a[u"content_type"].toString(),
                            a[u"transfer_encoding"].toString(), bytes.readAll()});
    }
    QFile raw(o[u"eml"].toString());
    raw.open(QIODevice::ReadOnly);
    m.raw = raw.readAll();
    list.append(m);
  }
  return list;
}

}  // namespace TestSmtp
