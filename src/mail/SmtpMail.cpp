#include "mail/SmtpMail.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <sys/socket.h>

#include "mail/CurlLibrary.h"
#include "mail/MailText.h"
#include "mail/SmtpFailure.h"

namespace {

constexpr int kMaxConnectSeconds = 30;
constexpr int kImplicitTlsPort = 465;
// What the system may hold of the message before the link takes it. Kept small so that the
// send's progress is the link's own: a large buffer would take the whole attachment at once and
// leave the wait for the server's reply to cover the slow transfer.
constexpr int kSendBufferBytes = 64 * 1024;

int limitSendBuffer(void*, curl_socket_t socket, curlsocktype purpose) {
  if (purpose == CURLSOCKTYPE_IPCXN) {
    const int size = kSendBufferBytes;
    setsockopt(socket, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
  }
  return CURL_SOCKOPT_OK;
}

// Owners of the curl lists and MIME tree of one message.
struct SList {
  const CurlApi& c;
  curl_slist* list = nullptr;
  ~SList() { c.curl_slist_free_all(list); }
  void add(const QByteArray& line) { list = c.curl_slist_append(list, line.constData()); }
};
struct Mime {
  const CurlApi& c;
  curl_mime* mime = nullptr;
  ~Mime() { c.curl_mime_free(mime); }
};

size_t discardReply(char*, size_t size, size_t count, void*) { return size * count; }

const char* loginOptions(int authType) {
  switch (authType) {
    case SmtpMail::AuthLogin: return "AUTH=LOGIN";
    case SmtpMail::AuthNtlm: return "AUTH=NTLM";
    case SmtpMail::AuthCramMd5: return "AUTH=CRAM-MD5";
    case SmtpMail::AuthPlain: return "AUTH=PLAIN";
    default: return "AUTH=*";  // automatic; the MSN method has no SMTP mechanism of its own
  }
}

}  // namespace

// The last command and reply seen on the wire, for the failure description.
struct SmtpMail::Transcript {
  QString lastCommand;
  QString lastReply;
  QString refusedCommand;  // the command of the last 4xx/5xx reply, and that reply
  QString refusal;
  bool replyContinues = false;

  static int collect(CURL*, curl_infotype type, char* data, size_t size, void* self) {
    auto* t = static_cast<Transcript*>(self);
    const QString line = QString::fromUtf8(data, static_cast<qsizetype>(size)).trimmed();
    if (type == CURLINFO_HEADER_OUT) {
      // Only named commands: the base64 lines of an AUTH exchange carry credentials.
      static const QStringList verbs = {u"EHLO"_qs, u"HELO"_qs, u"STARTTLS"_qs, u"AUTH"_qs, u"MAIL"_qs,
                                        u"RCPT"_qs, u"DATA"_qs, u"QUIT"_qs};
      const QString verb = line.section(u' ', 0, 0).section(u':', 0, 0).toUpper();
      if (verbs.contains(verb)) t->lastCommand = verb == u"AUTH" ? line.section(u' ', 0, 1) : line;
    } else if (type == CURLINFO_HEADER_IN) {
      t->lastReply = t->replyContinues ? t->lastReply + u' ' + line : line;
      t->replyContinues = line.size() > 3 && line[3] == u'-';
      if (!t->replyContinues && (t->lastReply.startsWith(u'4') || t->lastReply.startsWith(u'5'))) {
        t->refusedCommand = t->lastCommand;
        t->refusal = t->lastReply;
      }
    }
    return 0;
  }
};

SmtpMail::SmtpMail() = default;

SmtpMail::~SmtpMail() { SSL_uninit(); }

void SmtpMail::Reset() {
  FromAddr.clear();
  Subject.clear();
  AuthType = AuthAuto;
  UserName.clear();
  Password.clear();
  BodyFormat = BodyPlain;
  BodyText.clear();
  ServerAddr.clear();
  ServerPort = QStringLiteral("25");
  Timeout = 120;
  ConnectType = ConnectSSLAuto;
  m_recipients.clear();
  m_attachments.clear();
  m_lastError.clear();
}

void SmtpMail::AddRecipient(const QString& name, const QString& address, int kind) {
  m_recipients.append({name, address.trimmed(), kind});
}

void SmtpMail::AddAttachment(const QString& path) { m_attachments.append(path); }

void SmtpMail::SSL_uninit() {
  if (m_curl) m_api->curl_easy_cleanup(static_cast<CURL*>(m_curl));
  m_curl = nullptr;
}

int SmtpMail::fail(int code, const QString& description) {
  m_lastError = description;
  return code;
}

// What can be known wrong without the server; an empty text when nothing is.
QString SmtpMail::checkServer(int* port) const {
  const QString host = ServerAddr.trimmed();
  if (host.isEmpty()) return QStringLiteral("Falta la dirección del servidor de correo.");
  for (QChar c : host)
    if (c.isSpace() || c == u'/' || c == u'@' || c == u'?' || c == u'#' || c.unicode() < 0x20)
      return QStringLiteral("La dirección del servidor de correo no es válida: \"%1\".").arg(ServerAddr);
  bool ok = false;
  *port = ServerPort.trimmed().toInt(&ok);
  if (!ok || *port < 1 || *port > 65535)
    return QStringLiteral("El puerto del servidor de correo no es válido: \"%1\".").arg(ServerPort);
  return QString();
}

QString SmtpMail::checkBeforeConnecting(int* port) const {
  if (const QString problem = checkServer(port); !problem.isEmpty()) return problem;
  if (!MailText::IsSafeAddress(FromAddr))
    return QStringLiteral("La dirección del remitente no es válida: \"%1\".").arg(FromAddr);
  for (const Recipient& r : m_recipients)
    if (!MailText::IsSafeAddress(r.address))
      return QStringLiteral("La dirección del destinatario no es válida: \"%1\".").arg(r.address);
  for (const QString& path : m_attachments) {
    const QFileInfo file(path);
    if (!file.isFile()) return QStringLiteral("No se encontró el archivo adjunto \"%1\".").arg(path);
    if (!file.isReadable()) return QStringLiteral("No se puede leer el archivo adjunto \"%1\".").arg(path);
  }
  return QString();
}

// The handle aimed at the server with its TLS, certificates, time-outs and login; null with the
// failure set when libcurl cannot be had.
CURL* SmtpMail::connection(int port, const CurlApi** apiOut) {
  QString missing;
  const CurlApi* api = CurlLibrary::Get(&missing);
  if (!api) {
    fail(CURLE_FAILED_INIT, missing);
    return nullptr;
  }
  const CurlApi& c = *api;
  *apiOut = api;
  if (!m_curl) {
    m_api = api;
    m_curl = c.curl_easy_init();
  }
  CURL* curl = static_cast<CURL*>(m_curl);
  if (!curl) {
    fail(CURLE_FAILED_INIT, u"No se pudo iniciar el cliente de correo."_qs);
    return nullptr;
  }
  c.curl_easy_reset(curl);  // keeps the TLS session cache until SSL_uninit

  const QString host = ServerAddr.trimmed();
  // Port 465 only speaks TLS from the first byte, whatever the type asks for.
  const bool implicitTls = ConnectType == ConnectDirectSSL || port == kImplicitTlsPort;
  const QString hostPart = host.contains(u':') ? u'[' + host + u']' : host;
  const QByteArray url = QStringLiteral("%1://%2:%3").arg(implicitTls ? u"smtps"_qs : u"smtp"_qs, hostPart).arg(port).toUtf8();
  c.curl_easy_setopt(curl, CURLOPT_URL, url.constData());
  c.curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
  c.curl_easy_setopt(curl, CURLOPT_USE_SSL, ConnectType == ConnectNormal ? CURLUSESSL_NONE
                                          : ConnectType == ConnectSTARTTLS ? CURLUSESSL_ALL
                                                                           : CURLUSESSL_TRY);
  const QByteArray caFile = qgetenv(CaFileVariable);
  if (!caFile.isEmpty()) c.curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData());

  // The time-out bounds each connection attempt and each wait of its conversation, not the
  // whole send: a large attachment on a slow link goes on as long as bytes keep moving, and a
  // conversation that stops moving for the time-out ends. An unreachable server fails fast.
  const int timeout = Timeout > 0 ? Timeout : 120;
  c.curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(std::min(timeout, kMaxConnectSeconds)));
  c.curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(timeout));
  c.curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  c.curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(timeout));
  c.curl_easy_setopt(curl, CURLOPT_SOCKOPTFUNCTION, &limitSendBuffer);
  c.curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  c.curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);  // each message its own conversation, ended by QUIT
  if (!UserName.isEmpty()) {  // libcurl keeps its own copies of these texts
    c.curl_easy_setopt(curl, CURLOPT_USERNAME, UserName.toUtf8().constData());
    c.curl_easy_setopt(curl, CURLOPT_PASSWORD, Password.toUtf8().constData());
    c.curl_easy_setopt(curl, CURLOPT_LOGIN_OPTIONS, loginOptions(AuthType));
  }
  return curl;
}

// Runs the conversation set on the handle; 0, or the failure described.
int SmtpMail::perform(CURL* curl, int port) {
  const CurlApi& c = *m_api;
  char detail[CURL_ERROR_SIZE] = {};
  c.curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, detail);
  Transcript transcript;
  c.curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &Transcript::collect);
  c.curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &transcript);
  c.curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);

  const CURLcode code = c.curl_easy_perform(curl);
  // Nothing of this message may outlive it on the kept handle.
  c.curl_easy_setopt(curl, CURLOPT_MIMEPOST, nullptr);
  c.curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
  c.curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, nullptr);
  c.curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
  c.curl_easy_setopt(curl, CURLOPT_DEBUGDATA, nullptr);
  c.curl_easy_setopt(curl, CURLOPT_VERBOSE, 0L);
  if (code == CURLE_OK) return 0;

  SmtpFailureFacts facts;
  facts.curlCode = code;
  facts.curlDetail = QString::fromUtf8(detail).trimmed();
  facts.curlText = QString::fromUtf8(c.curl_easy_strerror(code));
  facts.server = ServerAddr.trimmed();
  facts.port = port;
  facts.timeoutSeconds = Timeout > 0 ? Timeout : 120;
  facts.userName = UserName;
  // A refusal the server put into words is the reason, whatever was said after it.
  facts.lastCommand = transcript.refusal.isEmpty() ? transcript.lastCommand : transcript.refusedCommand;
  facts.lastReply = transcript.refusal.isEmpty() ? transcript.lastReply : transcript.refusal;
  return fail(code, DescribeSmtpFailure(facts));
}

int SmtpMail::Probe() {
  m_lastError.clear();
  int port = 0;
  if (const QString problem = checkServer(&port); !problem.isEmpty()) return fail(CURLE_BAD_FUNCTION_ARGUMENT, problem);
  const CurlApi* api = nullptr;
  CURL* curl = connection(port, &api);
  if (!curl) return CURLE_FAILED_INIT;
  const CurlApi& c = *api;
  // Greeting, EHLO, STARTTLS and AUTH as for a message, then NOOP instead of a message, then QUIT.
  // The server's reply to NOOP is libcurl's "response body": dropped, not written to stdout.
  c.curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "NOOP");
  c.curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &discardReply);
  const int code = perform(curl, port);
  c.curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, nullptr);
  c.curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, nullptr);
  SSL_uninit();
  return code;
}

int SmtpMail::SendMail() {
  m_lastError.clear();
  int port = 0;
  if (const QString problem = checkBeforeConnecting(&port); !problem.isEmpty()) return fail(CURLE_BAD_FUNCTION_ARGUMENT, problem);

  const CurlApi* api = nullptr;
  CURL* curl = connection(port, &api);
  if (!curl) return CURLE_FAILED_INIT;
  const CurlApi& c = *api;

  const QByteArray from = "<" + FromAddr.trimmed().toUtf8() + ">";
  c.curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
  SList envelope{c};
  QList<QByteArray> to, cc;
  for (const Recipient& r : m_recipients) {
    envelope.add("<" + r.address.toUtf8() + ">");
    if (r.kind == RecipientTo) to << MailText::AddressHeader(r.name, r.address);
    if (r.kind == RecipientCc) cc << MailText::AddressHeader(r.name, r.address);
  }
  c.curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, envelope.list);

  SList headers{c};
  headers.add("Date: " + MailText::RfcDate(QDateTime::currentDateTime()));
  headers.add("Message-ID: " + MailText::NewMessageId(FromAddr));
  headers.add("From: " + FromAddr.trimmed().toUtf8());
  if (!to.isEmpty()) headers.add("To: " + to.join(",\r\n "));
  if (!cc.isEmpty()) headers.add("Cc: " + cc.join(",\r\n "));
  headers.add("Subject: " + MailText::EncodeHeaderText(Subject));
  c.curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.list);

  Mime message{c, c.curl_mime_init(curl)};
  const QByteArray body = MailText::CrlfLines(BodyText).toUtf8();
  curl_mimepart* text = c.curl_mime_addpart(message.mime);
  c.curl_mime_data(text, body.constData(), static_cast<size_t>(body.size()));
  c.curl_mime_type(text, BodyFormat == BodyHtml ? "text/html; charset=UTF-8" : "text/plain; charset=UTF-8");
  c.curl_mime_encoder(text, "quoted-printable");
  for (const QString& path : m_attachments) {
    curl_mimepart* part = c.curl_mime_addpart(message.mime);
    c.curl_mime_filedata(part, QFile::encodeName(path).constData());
    c.curl_mime_filename(part, QFileInfo(path).fileName().toUtf8().constData());
    c.curl_mime_type(part, MailText::ContentTypeFor(path).constData());
    c.curl_mime_encoder(part, "base64");
  }
  c.curl_easy_setopt(curl, CURLOPT_MIMEPOST, message.mime);

  return perform(curl, port);
}

