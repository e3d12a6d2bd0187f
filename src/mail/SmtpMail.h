#pragma once
// The SMTP component the mail sender drives: fill the message and the server, then SendMail.
// Built on libcurl's SMTP client, loaded by the first send; server certificates are checked
// against the system store (or the file named by PORTAL_MAIL_CAINFO, which only the tests set).
#include <QList>
#include <QString>
#include <QStringList>

struct CurlApi;

class SmtpMail {
 public:
  // Authentication methods, as numbered by the mail configuration.
  enum AuthMethod { AuthAuto = -1, AuthLogin = 0, AuthNtlm = 1, AuthCramMd5 = 2, AuthPlain = 3, AuthMsn = 4 };
  // Connection types: plain; TLS chosen automatically (STARTTLS when offered); STARTTLS
  // required; implicit TLS; STARTTLS when offered. Port 465 always means implicit TLS.
  enum ConnectKind { ConnectNormal = 0, ConnectSSLAuto = 1, ConnectSTARTTLS = 2, ConnectDirectSSL = 3, ConnectTryTLS = 4 };
  enum RecipientKind { RecipientTo = 0, RecipientCc = 1, RecipientBcc = 2 };
  enum BodyKind { BodyPlain = 0, BodyHtml = 1 };

  static constexpr const char* CaFileVariable = "PORTAL_MAIL_CAINFO";

  SmtpMail();
  ~SmtpMail();
  SmtpMail(const SmtpMail&) = delete;
  SmtpMail& operator=(const SmtpMail&) = delete;

  // Message and server settings, set directly before SendMail.
  QString FromAddr;
  QString Subject;
  int AuthType = AuthAuto;
  QString UserName;
  QString Password;
  int BodyFormat = BodyPlain;
  QString BodyText;
  QString ServerAddr;
  QString ServerPort = QStringLiteral("25");  // text; must hold a port number when sending
  int Timeout = 120;                          // seconds for the whole conversation
  int ConnectType = ConnectSSLAuto;

  // Back to the settings of a new component, no recipients, no attachments, no error.
  void Reset();
  void AddRecipient(const QString& name, const QString& address, int kind);
  void AddAttachment(const QString& path);

  // 0 when the server accepted the message; otherwise a non-zero code and a description.
  int SendMail();
  QString GetLastErrDescription() const { return m_lastError; }

  // Connects as SendMail would (TLS as configured, login when a user is set) and ends with QUIT
  // without sending anything: 0 when the server took the login, else as SendMail.
  int Probe();

  // Drops the client and the TLS sessions it keeps between messages.
  void SSL_uninit();

 private:
  struct Recipient {
    QString name;
    QString address;
    int kind;
  };
  struct Transcript;

  QString checkServer(int* port) const;
  QString checkBeforeConnecting(int* port) const;
  void* connection(int port, const CurlApi** api);
  int perform(void* curl, int port);
  int fail(int code, const QString& description);

  QList<Recipient> m_recipients;
  QStringList m_attachments;
  QString m_lastError;
  const CurlApi* m_api = nullptr;  // libcurl, loaded by the first send
  void* m_curl = nullptr;          // CURL*, kept between messages until SSL_uninit
};
