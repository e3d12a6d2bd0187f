// The mail sender: its fields, its log file and its sending rules, against a real SMTP server.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "support/QtPrinters.h"
#include "support/SmtpServer.h"
#include "support/TempDir.h"

#include "mail/CurlLibrary.h"
#include "mail/TEnviaMail.h"
#include "toolkit/MsgBox.h"

using TestSmtp::Security;
using TestSmtp::SmtpServer;

namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
}

// A sender configured as the administrator screen leaves it, aimed at `server`.
void configure(TEnviaMail& mail, const SmtpServer& server) {
  mail.ServidorMail = QStringLiteral("127.0.0.1");
  mail.Mail = QStringLiteral("portal@empresa.mx");
  mail.Puerto = server.portText();
  mail.ConCopiaPara = QStringLiteral("No");
  mail.autenticacion = QStringLiteral("No");
  mail.tipoAutenticacion = QStringLiteral("Automatically");
  mail.SSL = QStringLiteral("No");
  mail.TSL = QStringLiteral("No");
  mail.titulo = QStringLiteral("Recibo de nómina");
  mail.TextoMail = QStringLiteral("Estimado empleado:\rSe adjunta su recibo de nómina.\r\rAtentamente, Recursos Humanos");
  mail.correoDeEmpleado = QStringLiteral("ana.pena@empresa.mx");
}

QList<MsgSeam::Shown> boxes() { return MsgSeam::Taken(); }

class MailSender : public ::testing::Test {
 protected:
  void SetUp() override { MsgSeam::Clear(); }
  ScopedWorkDir dir;
};

}  // namespace

// ---- Fields, methods and the log file ------------------------------------------------------

TEST_F(MailSender, NewLeavesEveryFieldEmptyAndTheLogFileInPlace) {
  TEnviaMail mail;
  for (const QString* field : {&mail.ServidorMail, &mail.Mail, &mail.Puerto, &mail.ConCopiaPara, &mail.mail_user,
                               &mail.mail_pwd, &mail.autenticacion, &mail.tipoAutenticacion, &mail.NombreMail,
                               &mail.PuestoMail, &mail.TextoMail, &mail.correoDeEmpleado, &mail.correoDeSupervisor,
                               &mail.titulo, &mail.SSL, &mail.TSL, &mail.MailRecepcionRH})
    EXPECT_TRUE(field->isEmpty());
  EXPECT_TRUE(mail.attachFiles.isEmpty());
  EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("EnvioMail.log"))));
  EXPECT_EQ(readAll(dir.file(QStringLiteral("EnvioMail.log"))), QByteArray());

  // An existing log is left as it is; Inicializa empties the configuration again.
  writeBytes(dir.file(QStringLiteral("EnvioMail.log")), "20240101 10:00:00 anterior\r\n");
  mail.Mail = QStringLiteral("x@y.mx");
  mail.AddAttach(QStringLiteral("/tmp/a.pdf"));
  mail.Inicializa();
  TEnviaMail other;
  EXPECT_TRUE(mail.Mail.isEmpty());
  EXPECT_TRUE(mail.attachFiles.isEmpty());
  EXPECT_EQ(readAll(dir.file(QStringLiteral("EnvioMail.log"))), QByteArray("20240101 10:00:00 anterior\r\n"));
  mail.CreaArchivoErrorEnvio();
  EXPECT_EQ(readAll(dir.file(QStringLiteral("EnvioMail.log"))), QByteArray());
}

TEST_F(MailSender, LogLinesHaveDateTimeAndTextEndedByCrLf) {
  TEnviaMail mail;
  QFile::remove(TEnviaMail::LogFilePath());  // missing when writing: made again
  EXPECT_TRUE(mail.EscribeEnArchivo(QStringLiteral("primera línea")));
  EXPECT_TRUE(mail.EscribeEnArchivo(QStringLiteral("texto con\r\nsalto")));
  const QString log = QString::fromUtf8(readAll(dir.file(QStringLiteral("EnvioMail.log"))));
  const QRegularExpression format(QStringLiteral("^(\\d{8} \\d\\d:\\d\\d:\\d\\d) primera línea\\r\\n"
                                                 "\\d{8} \\d\\d:\\d\\d:\\d\\d texto con  salto\\r\\n$"));
  const auto match = format.match(log);
  ASSERT_TRUE(match.hasMatch()) << log.toStdString();
  EXPECT_TRUE(match.captured(1).startsWith(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))));
}

TEST_F(MailSender, AuthenticationMethodNumbers) {
  const struct {
    QString name;
    int number;
  } cases[] = {
      {u"Automatically"_qs, -1},
      {u"AUTH LOGIN"_qs, 0},
      {u"AUTH NTLM(Secure Password Authentication)"_qs, 1},
      {u"AUTH CRAM-MD5"_qs, 2},
      {u"AUTH PLAIN"_qs, 3},
      {u"AUTH MSN"_qs, 4},
      {u"automatically"_qs, 0},
      {u"AUTH PLAIN "_qs, 0},
      {u"AUTH NTLM"_qs, 0},
      {QString(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TEnviaMail::ObtenTipoAutenticacion(c.name), c.number) << c.name.toStdString();
}

TEST_F(MailSender, ServerDataAreCompleteWithSenderAndPort) {
  const struct {
    QString mail, port;
    bool valid;
  } cases[] = {
      {u"portal@empresa.mx"_qs, u"587"_qs, true},
      {u"portal@empresa.mx"_qs, u"0"_qs, true},  // the port of a company without configuration
      {u"portal@empresa.mx"_qs, QString(), false},
      {QString(), u"25"_qs, false},
      {QString(), u"0"_qs, false},
  };
  TEnviaMail mail;
  for (const auto& c : cases) {
    mail.Mail = c.mail;
    mail.Puerto = c.port;
    EXPECT_EQ(mail.ValidaDatosServidor(), c.valid) << c.mail.toStdString() << " " << c.port.toStdString();
  }
}

TEST_F(MailSender, AttachmentsAreOneElementArraysInOrder) {
  TEnviaMail mail;
  mail.AddAttach(QStringLiteral("/tmp/TEMP1.pdf"));
  mail.AddAttach(QStringLiteral("/tmp/recibo.xml"));
  EXPECT_EQ(mail.attachFiles, (QList<QStringList>{{u"/tmp/TEMP1.pdf"_qs}, {u"/tmp/recibo.xml"_qs}}));
}

TEST_F(MailSender, DescramblesWithTheSharedRoutine) {
  TEnviaMail mail;
  EXPECT_EQ(mail.Desencripta(QStringLiteral("jjm")), QStringLiteral("abc"));
  EXPECT_EQ(mail.Desencripta(QString()), QString());
}

// ---- Sending ------------------------------------------------------------------------------

TEST_F(MailSender, SendsToEmployeeHumanResourcesAndSupervisorWithAttachments) {
  QByteArray pdf("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
  for (int i = 0; i < 20000; ++i) pdf += static_cast<char>((i * 7919) >> 3);
  const QByteArray xml = "<?xml version=\"1.0\"?><nomina empleado=\"NÚÑEZ\"/>";
  writeBytes(dir.file(QStringLiteral("TEMPrecibo.pdf")), pdf);
  writeBytes(dir.file(QStringLiteral("recibo.xml")), xml);
  SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();

  TEnviaMail mail;
  configure(mail, server);
  mail.MailRecepcionRH = QStringLiteral("rh@empresa.mx");
  mail.correoDeSupervisor = QStringLiteral("jefe@empresa.mx");
  mail.AddAttach(dir.file(QStringLiteral("TEMPrecibo.pdf")));
  mail.AddAttach(dir.file(QStringLiteral("recibo.xml")));
  ASSERT_TRUE(mail.EnviaMail());
  EXPECT_TRUE(boxes().isEmpty());

  // The next message of the same object, as screens send it: attachments emptied, no copies.
  mail.attachFiles.clear();
  mail.MailRecepcionRH.clear();
  mail.correoDeSupervisor = QStringLiteral("   ");
  mail.titulo = QStringLiteral("Solicitud de vacaciones autorizada");
  ASSERT_TRUE(mail.EnviaMail());

  const auto got = server.messages();
  ASSERT_EQ(got.size(), 2);
  EXPECT_EQ(got[0].mailFrom, QStringLiteral("portal@empresa.mx"));
  EXPECT_EQ(got[0].rcptTos, (QStringList{u"ana.pena@empresa.mx"_qs, u"rh@empresa.mx"_qs, u"jefe@empresa.mx"_qs}));
  EXPECT_EQ(got[0].to, QStringLiteral("ana.pena@empresa.mx, rh@empresa.mx, jefe@empresa.mx"));
  EXPECT_EQ(got[0].subject, QStringLiteral("Recibo de nómina"));
  EXPECT_EQ(got[0].body, QStringLiteral("Estimado empleado:\nSe adjunta su recibo de nómina.\n\nAtentamente, Recursos Humanos"));
  ASSERT_EQ(got[0].attachments.size(), 2);
  EXPECT_EQ(got[0].attachments[0].fileName, QStringLiteral("TEMPrecibo.pdf"));
  EXPECT_EQ(got[0].attachments[0].bytes, pdf);
  EXPECT_EQ(got[0].attachments[1].fileName, QStringLiteral("recibo.xml"));
  EXPECT_EQ(got[0].attachments[1].bytes, xml);

  EXPECT_EQ(got[1].rcptTos, QStringList{u"ana.pena@empresa.mx"_qs});
  EXPECT_EQ(got[1].subject, QStringLiteral("Solicitud de vacaciones autorizada"));
  EXPECT_TRUE(got[1].attachments.isEmpty());
  EXPECT_EQ(readAll(TEnviaMail::LogFilePath()), QByteArray());  // nothing failed
}

TEST_F(MailSender, SslAndTslSettingsChooseTheConnection) {
  SmtpServer server({Security::StartTls, {}, {}, false, {}});
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  const struct {
    const char* ssl;
    const char* tsl;
    bool tls;
  } cases[] = {
      {"No", "No", true},   // the default: TLS chosen automatically
      {"", "", true},
      {"Si", "No", false},  // the stored SSL switch asks for a normal connection
      {"No", "Si", true},   // STARTTLS when offered
      {"Si", "Si", true},   // both: STARTTLS when offered wins
      {"si", "SI", true},   // not exactly "Si": the default
  };
  for (const auto& c : cases) {
    TEnviaMail mail;
    configure(mail, server);
    mail.SSL = QString::fromUtf8(c.ssl);
    mail.TSL = QString::fromUtf8(c.tsl);
    ASSERT_TRUE(mail.EnviaMail()) << c.ssl << "/" << c.tsl;
    EXPECT_EQ(server.messages().last().tls, c.tls) << c.ssl << "/" << c.tsl;
  }
}

TEST_F(MailSender, CredentialsAndMethodReachTheServer) {
  const QString password = QStringLiteral("O'Hara \"Ñandú\" 2024");
  SmtpServer server({Security::StartTls, u"rh.portal"_qs, password, true, {}});
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  const struct {
    QString method;
    QString password;
    bool sent;
    QString mechanism;
  } cases[] = {
      {u"AUTH LOGIN"_qs, password, true, u"LOGIN"_qs},
      {u"AUTH PLAIN"_qs, password, true, u"PLAIN"_qs},
      {u"AUTH CRAM-MD5"_qs, password, true, u"CRAM-MD5"_qs},
      {u"AUTH LOGIN"_qs, u"o'hara"_qs, false, QString()},
  };
  for (const auto& c : cases) {
    MsgSeam::Clear();
    TEnviaMail mail;
    configure(mail, server);
    mail.autenticacion = QStringLiteral("Si");
    mail.tipoAutenticacion = c.method;
    mail.mail_user = QStringLiteral("rh.portal");
    mail.mail_pwd = c.password;
    mail.TSL = QStringLiteral("Si");
    EXPECT_EQ(mail.EnviaMail(), c.sent) << c.method.toStdString();
    if (c.sent) {
      EXPECT_EQ(server.messages().last().authLogin, QStringLiteral("rh.portal"));
      if (!c.mechanism.isEmpty()) {
        EXPECT_EQ(server.messages().last().authMechanism, c.mechanism);
      }
      EXPECT_TRUE(boxes().isEmpty());
      continue;
    }
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, MsgKind::Info);
    EXPECT_EQ(shown[0].title, QStringLiteral("ZelkPortalv11"));
    EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("El servidor de correo rechazó la autenticación del usuario \"rh.portal\".")))
        << shown[0].text.toStdString();
  }
  EXPECT_EQ(server.messages().size(), 3);
}

TEST_F(MailSender, FailuresAreShownLoggedAndSendNothing) {
  SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  const QString missing = dir.file(QStringLiteral("TEMPborrado.pdf"));
  const struct {
    const char* name;
    std::function<void(TEnviaMail&)> spoil;
    QString text;  // start of the box's text
    bool connects;
  } cases[] = {
      {"empty main recipient", [](TEnviaMail& m) { m.correoDeEmpleado.clear(); },
       u"El servidor de correo rechazó el destinatario (dirección vacía). Respuesta del servidor: 501 5.1.3"_qs, true},
      {"missing attachment", [&](TEnviaMail& m) { m.AddAttach(missing); },
       QStringLiteral("No se encontró el archivo adjunto \"%1\".").arg(missing), false},
      {"port not a number", [](TEnviaMail& m) { m.Puerto = u"veinticinco"_qs; },
       u"El puerto del servidor de correo no es válido: \"veinticinco\"."_qs, false},
  };
  int connections = 0;
  int logLines = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MsgSeam::Clear();
    TEnviaMail mail;
    configure(mail, server);
    c.spoil(mail);
    EXPECT_FALSE(mail.EnviaMail());
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, MsgKind::Info);
    EXPECT_EQ(shown[0].title, QStringLiteral("ZelkPortalv11"));
    EXPECT_TRUE(shown[0].text.startsWith(c.text)) << shown[0].text.toStdString();
    if (c.connects) ++connections;
    EXPECT_EQ(server.connections(), connections);
    const QList<QByteArray> log = readAll(TEnviaMail::LogFilePath()).split('\n');
    ASSERT_EQ(log.size(), ++logLines + 1);
    EXPECT_TRUE(QString::fromUtf8(log[logLines - 1]).contains(c.text)) << log[logLines - 1].toStdString();
  }
  EXPECT_TRUE(server.messages().isEmpty());
}

TEST_F(MailSender, WithoutTheMailLibraryTheBoxNamesThePackageAndTheProgramGoesOn) {
  SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  CurlLibrary::UseFile("libportal-sin-correo.so.4");
  TEnviaMail without;
  configure(without, server);
  EXPECT_FALSE(without.EnviaMail());
  CurlLibrary::UseFile("libcurl.so.4");
  const auto shown = boxes();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(shown[0].kind, MsgKind::Info);
  EXPECT_TRUE(shown[0].text.startsWith(u"No se pudo cargar la biblioteca libportal-sin-correo.so.4 ("_qs))
      << shown[0].text.toStdString();
  EXPECT_TRUE(shown[0].text.endsWith(u"). Instale el paquete libcurl4."_qs)) << shown[0].text.toStdString();
  EXPECT_EQ(server.connections(), 0);
  EXPECT_TRUE(QString::fromUtf8(readAll(TEnviaMail::LogFilePath())).contains(shown[0].text));

  // Once the library is there again, the next message goes.
  MsgSeam::Clear();
  TEnviaMail with;
  configure(with, server);
  EXPECT_TRUE(with.EnviaMail());
  EXPECT_TRUE(boxes().isEmpty());
  EXPECT_EQ(server.messages().size(), 1);
}
