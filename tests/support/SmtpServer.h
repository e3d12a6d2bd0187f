#pragma once
// A real SMTP server on 127.0.0.1 for tests (Debian's aiosmtpd run by /usr/bin/python3):
// plain, STARTTLS or implicit TLS, optional AUTH LOGIN/PLAIN, refused recipients. Every message
// it accepts is parsed by Python's own e-mail package and read back here.
#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace TestSmtp {

enum class Security { Plain, StartTls, ImplicitTls };

struct Options {
  Security security = Security::Plain;
  QString user;            // AUTH LOGIN and PLAIN are offered when not empty
  QString password;
  bool authRequired = false;
  QStringList refuse;      // recipients answered with 550
  quint16 port = 0;        // 0: any free port
  int readRate = 0;        // bytes per second read from each connection (0: as fast as it can)
  int stallAfter = -1;     // bytes read from a connection before reading stops (-1: never)
  int closeAfter = -1;     // bytes read from a connection before it is cut (-1: never)
};

struct Attachment {
  QString fileName;
  QString contentType;
  QString transferEncoding;
  QByteArray bytes;        // decoded
};

struct Received {
  QString mailFrom;
  QStringList rcptTos;
  bool tls = false;
  QString authMechanism;   // "LOGIN", "PLAIN" or empty
  QString authLogin;
  QString subject;         // decoded
  QString from, to, cc, date, messageId, mimeVersion;
  QString bodyType;
  QString body;            // decoded, line breaks as the parser gives them ("\n")
  QStringList defects;     // problems the parser found in the message
  QList<Attachment> attachments;
  QByteArray raw;          // the message as received
};

class SmtpServer {
 public:
  explicit SmtpServer(Options options = {});
  ~SmtpServer();
  SmtpServer(const SmtpServer&) = delete;
  SmtpServer& operator=(const SmtpServer&) = delete;

  // Starts the server and returns once it accepts connections (false with errorString()).
  // A TLS server also points PORTAL_MAIL_CAINFO at the test certificate.
  bool start();
  void stop();

  quint16 port() const { return m_port; }
  QString portText() const { return QString::number(m_port); }
  QString errorString() const { return m_error; }

  QList<Received> messages() const;  // in the order received
  int connections() const;           // connections accepted so far

  // The self-signed certificate (for 127.0.0.1 and localhost) every TLS server uses,
  // made with openssl once per test program.
  static QString CertificateFile();
  // A port on 127.0.0.1 where nothing listens.
  static quint16 FreePort();

 private:
  Options m_options;
  QTemporaryDir m_store;
  std::unique_ptr<QProcess> m_process;
  quint16 m_port = 0;
  QString m_error;
};

// A socket on 127.0.0.1 that takes connections (through the kernel's backlog) and never says a
// word: a server that hangs.
class SilentListener {
 public:
  SilentListener();
  ~SilentListener();
  SilentListener(const SilentListener&) = delete;
  SilentListener& operator=(const SilentListener&) = delete;
  quint16 port() const { return m_port; }
  void close();

 private:
  int m_fd = -1;
  quint16 m_port = 0;
};

}  // namespace TestSmtp
