// The SMTP component against a real SMTP server on 127.0.0.1.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QLocale>

#include "support/QtPrinters.h"
#include "support/SmtpServer.h"
#include "support/TempDir.h"

#include "mail/SmtpMail.h"

using TestSmtp::Security;
using TestSmtp::SmtpServer;

namespace {

const QString kFrom = QStringLiteral("nomina@empresa.mx");
const QString kTo = QStringLiteral("ana.pena@empresa.mx");

// A component aimed at `server` with one recipient and a Spanish subject and body.
void prepare(SmtpMail& smtp, const SmtpServer& server, int connectType = SmtpMail::ConnectNormal) {
  smtp.Reset();
  smtp.FromAddr = kFrom;
  smtp.Subject = QStringLiteral("Recibo de nómina");
  smtp.BodyText = QStringLiteral("Estimada Peña:\rAdjuntamos su recibo.");
  smtp.ServerAddr = QStringLiteral("127.0.0.1");
  smtp.ServerPort = server.portText();
  smtp.ConnectType = connectType;
  smtp.AddRecipient(kTo, kTo, SmtpMail::RecipientTo);
}

std::string why(const SmtpMail& smtp) { return smtp.GetLastErrDescription().toStdString(); }

QByteArray writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return bytes;
}

}  // namespace

// ---- What arrives -------------------------------------------------------------------------

TEST(SmtpMessage, HeadersSubjectAndBodyArriveIntact) {
  SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  SmtpMail smtp;
  prepare(smtp, server);
  smtp.BodyText = QStringLiteral("Año 2024, señor Núñez:\rsu solicitud fue autorizada.\r\r.\rÚltima línea ¿bien?");
  ASSERT_EQ(smtp.SendMail(), 0) << why(smtp);

  const auto got = server.messages();
  ASSERT_EQ(got.size(), 1);
  const auto& m = got[0];
  EXPECT_EQ(m.mailFrom, kFrom);
  EXPECT_EQ(m.rcptTos, QStringList{kTo});
  EXPECT_EQ(m.from, kFrom);
  EXPECT_EQ(m.to, kTo);
  EXPECT_EQ(m.subject, QStringLiteral("Recibo de nómina"));
  EXPECT_EQ(m.bodyType, QStringLiteral("text/plain"));
  // CR breaks of the screens arrive as line breaks; a lone dot line survives dot-stuffing.
  EXPECT_EQ(m.body, QStringLiteral("Año 2024, señor Núñez:\nsu solicitud fue autorizada.\n\n.\nÚltima línea ¿bien?"));
  EXPECT_EQ(m.mimeVersion, QStringLiteral("1.0"));
  EXPECT_TRUE(m.defects.isEmpty()) << m.defects.join(u',').toStdString();
  EXPECT_FALSE(m.raw.contains("\r\r")) << "bare CR in the message";

  const QDateTime sent = QLocale::c().toDateTime(m.date.section(u' ', 0, 4), QStringLiteral("ddd, dd MMM yyyy HH:mm:ss"));
  EXPECT_TRUE(sent.isValid()) << m.date.toStdString();
  EXPECT_TRUE(m.messageId.startsWith(u'<') && m.messageId.endsWith(QStringLiteral("@empresa.mx>"))) << m.messageId.toStdString();
}

TEST(SmtpMessage, SubjectsOfEveryShapeDecodeToTheSameText) {
  SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  const QStringList subjects = {
      QString(),
      QStringLiteral("Solicitud de vacaciones"),
      QStringLiteral("Autorización de préstamo: ÑANDÚ"),
      QStringLiteral("Políticas de la empresa ") + QString(30, u'é') + QStringLiteral(" fin de un asunto muy largo que se dobla"),
      QStringLiteral("Asunto con \"comillas\" y 'apóstrofos' =?UTF-8?B?no?="),
      QStringLiteral("Intento\r\nBcc: intruso@fuera.mx"),
  };
  SmtpMail smtp;
  for (const QString& subject : subjects) {
    prepare(smtp, server);
    smtp.Subject = subject;
    ASSERT_EQ(smtp.SendMail(), 0) << why(smtp);
  }
  const auto got = server.messages();
  ASSERT_EQ(got.size(), subjects.size());
  for (int i = 0; i < subjects.size(); ++i) {
    QString expected = subjects[i];
    if (expected.contains(u'\r')) {
      // a line break in a subject never makes a header of its own
      EXPECT_EQ(got[i].rcptTos, QStringList{kTo});
      EXPECT_FALSE(got[i].raw.contains("\r\nBcc:"));
      continue;
    }
    EXPECT_EQ(got[i].subject, expected);
    // the Subject header, folded lines included, keeps to 76 columns
    const QByteArray head = got[i].raw.left(got[i].raw.indexOf("\r\n\r\n"));
    const qsizetype at = head.indexOf("\r\nSubject: ");
    ASSERT_GE(at, 0);
    const QList<QByteArray> lines = head.mid(at + 2).split('\n');
    for (qsizetype k = 0; k < lines.size() && (k == 0 || lines[k].startsWith(' ')); ++k)
      EXPECT_LE(lines[k].trimmed().size(), 76) << lines[k].toStdString();
  }
}

TEST(SmtpMessage, AttachmentsArriveByteIdenticalInOrderWithTheirNames) {
  ScopedWorkDir dir;
  QByteArray pdf("%PDF-1.4\n");
  for (int i = 0; i < 5000; ++i) pdf += static_cast<char>((i * 131) & 0xFF);
  QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<cfdi:Comprobante Nombre=\"PEÑA\"/>\n";
  writeFile(dir.file(QStringLiteral("TEMP Recibo 2024.pdf")), pdf);
  writeFile(dir.file(QStringLiteral("cfdi_nómina.xml")), xml);
  writeFile(dir.file(QStringLiteral("vacío.txt")), QByteArray());

  SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  SmtpMail smtp;
  prepare(smtp, server);
  smtp.AddAttachment(dir.file(QStringLiteral("TEMP Recibo 2024.pdf")));
  smtp.AddAttachment(dir.file(QStringLiteral("cfdi_nómina.xml")));
  smtp.AddAttachment(dir.file(QStringLiteral("vacío.txt")));
  ASSERT_EQ(smtp.SendMail(), 0) << why(smtp);

  const auto got = server.messages();
  ASSERT_EQ(got.size(), 1);
  const auto& a = got[0].attachments;
  ASSERT_EQ(a.size(), 3);
  const struct {
    QString name, type;
    QByteArray bytes;
  } expected[] = {{QStringLiteral("TEMP Recibo 2024.pdf"), QStringLiteral("application/pdf"), pdf},
                  {QStringLiteral("cfdi_nómina.xml"), QStringLiteral("application/xml"), xml},
                  {QStringLiteral("vacío.txt"), QStringLiteral("text/plain"), QByteArray()}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(a[i].fileName, expected[i].name);
    EXPECT_EQ(a[i].contentType, expected[i].type);
    EXPECT_EQ(a[i].transferEncoding, QStringLiteral("base64"));
    EXPECT_EQ(a[i].bytes, expected[i].bytes) << "attachment " << i;
  }
  EXPECT_EQ(got[0].body, QStringLiteral("Estimada Peña:\nAdjuntamos su recibo."));
}

TEST(SmtpMessage, RecipientKindsAndResetBetweenMessages) {
  SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  SmtpMail smtp;
  prepare(smtp, server);
  smtp.AddRecipient(QStringLiteral("rh@empresa.mx"), QStringLiteral("rh@empresa.mx"), SmtpMail::RecipientTo);
  smtp.AddRecipient(QStringLiteral("Jefe Núñez"), QStringLiteral("jefe@empresa.mx"), SmtpMail::RecipientCc);
  smtp.AddRecipient(QStringLiteral("auditoria@empresa.mx"), QStringLiteral("auditoria@empresa.mx"), SmtpMail::RecipientBcc);
  ASSERT_EQ(smtp.SendMail(), 0) << why(smtp);
  prepare(smtp, server);  // Reset drops the recipients of the first message
  ASSERT_EQ(smtp.SendMail(), 0) << why(smtp);

  const auto got = server.messages();
  ASSERT_EQ(got.size(), 2);
  EXPECT_EQ(got[0].rcptTos, (QStringList{kTo, u"rh@empresa.mx"_qs, u"jefe@empresa.mx"_qs, u"auditoria@empresa.mx"_qs}));
  EXPECT_EQ(got[0].to, kTo + QStringLiteral(", rh@empresa.mx"));
  EXPECT_EQ(got[0].cc, QStringLiteral("Jefe Núñez <jefe@empresa.mx>"));
  EXPECT_FALSE(got[0].raw.contains("auditoria")) << "a blind copy shows in the headers";
  EXPECT_EQ(got[1].rcptTos, QStringList{kTo});
  EXPECT_NE(got[0].messageId, got[1].messageId);
}

// ---- Connection types ---------------------------------------------------------------------

TEST(SmtpConnection, EachTypeAgainstEachKindOfServer) {
  const struct {
    Security security;
    int connectType;
    bool delivered;
    bool tls;
    const char* errorPart;
  } cases[] = {
      {Security::Plain, SmtpMail::ConnectNormal, true, false, ""},
      {Security::Plain, SmtpMail::ConnectSSLAuto, true, false, ""},
      {Security::Plain, SmtpMail::ConnectTryTLS, true, false, ""},
      {Security::Plain, SmtpMail::ConnectSTARTTLS, false, false, "no ofrece conexión segura (STARTTLS)"},
      {Security::StartTls, SmtpMail::ConnectNormal, true, false, ""},
      {Security::StartTls, SmtpMail::ConnectSSLAuto, true, true, ""},
      {Security::StartTls, SmtpMail::ConnectSTARTTLS, true, true, ""},
      {Security::StartTls, SmtpMail::ConnectTryTLS, true, true, ""},
      {Security::ImplicitTls, SmtpMail::ConnectDirectSSL, true, true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "security " << int(c.security) << " type " << c.connectType);
    SmtpServer server({c.security, {}, {}, false, {}});
    ASSERT_TRUE(server.start()) << server.errorString().toStdString();
    SmtpMail smtp;
    prepare(smtp, server, c.connectType);
    const int result = smtp.SendMail();
    const auto got = server.messages();
    if (!c.delivered) {
      EXPECT_NE(result, 0);
      EXPECT_TRUE(got.isEmpty());
      EXPECT_TRUE(smtp.GetLastErrDescription().contains(QString::fromUtf8(c.errorPart))) << why(smtp);
      continue;
    }
    ASSERT_EQ(result, 0) << why(smtp);
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0].tls, c.tls);
    EXPECT_EQ(got[0].subject, QStringLiteral("Recibo de nómina"));
  }
}

TEST(SmtpConnection, Port465AlwaysSpeaksImplicitTls) {
  SmtpServer server({Security::ImplicitTls, {}, {}, false, {}, 465});
  if (!server.start()) GTEST_SKIP() << "port 465 is not free here: " << server.errorString().toStdString();
  for (int type : {SmtpMail::ConnectNormal, SmtpMail::ConnectSSLAuto, SmtpMail::ConnectTryTLS, SmtpMail::ConnectSTARTTLS}) {
    SmtpMail smtp;
    prepare(smtp, server, type);
    ASSERT_EQ(smtp.SendMail(), 0) << "type " << type << ": " << why(smtp);
    EXPECT_TRUE(server.messages().last().tls);
  }
  EXPECT_EQ(server.messages().size(), 4);
}

TEST(SmtpConnection, UntrustedCertificateIsRefused) {
  SmtpServer server({Security::StartTls, {}, {}, false, {}});
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  const QByteArray testCa = qgetenv(SmtpMail::CaFileVariable);
  qunsetenv(SmtpMail::CaFileVariable);  // the system store does not know the test certificate
  SmtpMail smtp;
  prepare(smtp, server, SmtpMail::ConnectSTARTTLS);
  const int result = smtp.SendMail();
  qputenv(SmtpMail::CaFileVariable, testCa);
  EXPECT_NE(result, 0);
  EXPECT_TRUE(smtp.GetLastErrDescription().startsWith(
      QStringLiteral("No se pudo verificar el certificado del servidor de correo 127.0.0.1:") + server.portText()))
      << why(smtp);
  EXPECT_TRUE(server.messages().isEmpty());
}

// ---- Authentication -----------------------------------------------------------------------

TEST(SmtpAuthentication, MechanismsWithRightAndWrongCredentials) {
  const QString user = QStringLiteral("nomina@empresa.mx");
  const QString password = QStringLiteral("cl\"a've Ñ 1");
  SmtpServer server({Security::StartTls, user, password, true, {}});
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  const struct {
    int authType;
    QString password;
    bool delivered;
    QString mechanism;  // empty: any the client chose
  } cases[] = {
      {SmtpMail::AuthLogin, password, true, u"LOGIN"_qs},
      {SmtpMail::AuthPlain, password, true, u"PLAIN"_qs},
      {SmtpMail::AuthCramMd5, password, true, u"CRAM-MD5"_qs},
      {SmtpMail::AuthAuto, password, true, u"CRAM-MD5"_qs},  // the strongest one offered
      {SmtpMail::AuthMsn, password, true, u"CRAM-MD5"_qs},
      {SmtpMail::AuthLogin, u"otra"_qs, false, QString()},
      {SmtpMail::AuthPlain, password + u' ', false, QString()},
      {SmtpMail::AuthCramMd5, password.toUpper(), false, QString()},
  };
  int delivered = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "auth " << c.authType << " password " << c.password.toStdString());
    SmtpMail smtp;
    prepare(smtp, server, SmtpMail::ConnectTryTLS);
    smtp.AuthType = c.authType;
    smtp.UserName = user;
    smtp.Password = c.password;
    const int result = smtp.SendMail();
    if (!c.delivered) {
      EXPECT_NE(result, 0);
      EXPECT_TRUE(smtp.GetLastErrDescription().startsWith(
          QStringLiteral("El servidor de correo rechazó la autenticación del usuario \"nomina@empresa.mx\".")))
          << why(smtp);
      continue;
    }
    ASSERT_EQ(result, 0) << why(smtp);
    const auto got = server.messages();
    ASSERT_EQ(got.size(), ++delivered);
    EXPECT_EQ(got.last().authLogin, user);
    if (!c.mechanism.isEmpty()) {
      EXPECT_EQ(got.last().authMechanism, c.mechanism);
    }
  }
  EXPECT_EQ(server.messages().size(), 5);
}

TEST(SmtpAuthentication, MethodTheServerDoesNotOfferIsReported) {
  SmtpServer server({Security::Plain, u"nomina"_qs, u"x"_qs, true, {}});
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  SmtpMail smtp;
  prepare(smtp, server);
  smtp.AuthType = SmtpMail::AuthNtlm;
  smtp.UserName = QStringLiteral("nomina");
  smtp.Password = QStringLiteral("x");
  EXPECT_NE(smtp.SendMail(), 0);
  EXPECT_EQ(smtp.GetLastErrDescription(),
            QStringLiteral("El servidor de correo 127.0.0.1:%1 no ofrece el método de autenticación elegido.").arg(server.port()));
  EXPECT_TRUE(server.messages().isEmpty());
}

TEST(SmtpAuthentication, ServerThatRequiresItRefusesAnAnonymousSender) {
  SmtpServer server({Security::Plain, u"nomina"_qs, u"x"_qs, true, {}});
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  SmtpMail smtp;
  prepare(smtp, server);
  EXPECT_NE(smtp.SendMail(), 0);
  EXPECT_TRUE(smtp.GetLastErrDescription().startsWith(
      QStringLiteral("El servidor de correo rechazó el remitente \"nomina@empresa.mx\". Respuesta del servidor: 530")))
      << why(smtp);
}

// ---- Failures -----------------------------------------------------------------------------

TEST(SmtpFailure, RefusedRecipientsSendNothingAndSayWhy) {
  SmtpServer server({Security::Plain, {}, {}, false, {u"baja@empresa.mx"_qs}});
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  const struct {
    QString extra;
    QString start;
  } cases[] = {
      {u"baja@empresa.mx"_qs, u"El servidor de correo rechazó el destinatario \"baja@empresa.mx\". Respuesta del servidor: 550"_qs},
      {QString(), u"El servidor de correo rechazó el destinatario (dirección vacía). Respuesta del servidor: 5"_qs},
  };
  for (const auto& c : cases) {
    SmtpMail smtp;
    prepare(smtp, server);
    smtp.AddRecipient(c.extra, c.extra, SmtpMail::RecipientTo);
    EXPECT_NE(smtp.SendMail(), 0);
    EXPECT_TRUE(smtp.GetLastErrDescription().startsWith(c.start)) << why(smtp);
  }
  EXPECT_TRUE(server.messages().isEmpty());
}

TEST(SmtpFailure, UnreachableOrSilentServersFailWithTheirReason) {
  SmtpMail smtp;
  SmtpServer none;
  prepare(smtp, none);
  const quint16 closed = SmtpServer::FreePort();
  smtp.ServerPort = QString::number(closed);
  EXPECT_NE(smtp.SendMail(), 0);
  EXPECT_EQ(smtp.GetLastErrDescription(),
            QStringLiteral("No se pudo conectar con el servidor de correo 127.0.0.1:%1.").arg(closed));

  TestSmtp::SilentListener silent;  // takes the connection, never greets
  smtp.ServerPort = QString::number(silent.port());
  smtp.Timeout = 1;
  EXPECT_NE(smtp.SendMail(), 0);
  EXPECT_EQ(smtp.GetLastErrDescription(),
            QStringLiteral("Se agotó el tiempo de espera (1 segundos) con el servidor de correo 127.0.0.1:%1.").arg(silent.port()));

  smtp.ServerAddr = QStringLiteral("servidor-inexistente.invalid");
  smtp.Timeout = 5;
  EXPECT_NE(smtp.SendMail(), 0);
  EXPECT_EQ(smtp.GetLastErrDescription(), QStringLiteral("No se encontró el servidor de correo \"servidor-inexistente.invalid\"."));
}

TEST(SmtpFailure, TheTimeOutEndsAStalledSendNotASlowOne) {
  // The time-out is 6 seconds here (120 in the portal); the server reads at a slow link's pace.
  // 1200 KB travel as 1600 KB of base 64: at no more than 150 KB/s the send takes over 10
  // seconds, longer than the time-out, but keeps moving, so it completes; a server that stops
  // reading after 100 KB leaves it stalled.
  constexpr int kTimeout = 6, kBytes = 1200 * 1024, kRate = 150 * 1024;
  static_assert(kBytes / 3 * 4 / kRate > kTimeout, "the slow send must outlast the time-out");
  ScopedWorkDir dir;
  QByteArray big(kBytes, '\0');
  for (int i = 0; i < big.size(); ++i) big[i] = static_cast<char>((qint64(i) * 7919) % 251);
  writeFile(dir.file(QStringLiteral("recibos.pdf")), big);
  struct Case {
    const char* name;
    int readRate, stallAfter;
    bool delivered;
  };
  const Case cases[] = {
      {"slow but moving", kRate, -1, true},
      {"stalled", 0, 100 * 1024, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSmtp::Options options;
    options.readRate = c.readRate;
    options.stallAfter = c.stallAfter;
    SmtpServer server(options);
    ASSERT_TRUE(server.start()) << server.errorString().toStdString();
    SmtpMail smtp;
    prepare(smtp, server);
    smtp.Timeout = kTimeout;
    smtp.AddAttachment(dir.file(QStringLiteral("recibos.pdf")));
    const int result = smtp.SendMail();
    if (c.delivered) {
      ASSERT_EQ(result, 0) << why(smtp);
      const auto got = server.messages();
      ASSERT_EQ(got.size(), 1);
      ASSERT_EQ(got[0].attachments.size(), 1);
      EXPECT_EQ(got[0].attachments[0].bytes, big);
    } else {
      EXPECT_NE(result, 0);
      EXPECT_EQ(smtp.GetLastErrDescription(),
                QStringLiteral("Se agotó el tiempo de espera (%1 segundos) con el servidor de correo 127.0.0.1:%2.").arg(kTimeout).arg(server.port()));
      EXPECT_TRUE(server.messages().isEmpty());
    }
  }
}

TEST(SmtpFailure, BadSettingsAreReportedBeforeAnyConnection) {
  ScopedWorkDir dir;
  writeFile(dir.file(QStringLiteral("recibo.pdf")), "%PDF-1.4");
  SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  const QString missing = dir.file(QStringLiteral("TEMPno_existe.pdf"));
  const struct {
    const char* name;
    std::function<void(SmtpMail&)> spoil;
    QString error;
  } cases[] = {
      {"missing attachment", [&](SmtpMail& s) { s.AddAttachment(missing); },
       QStringLiteral("No se encontró el archivo adjunto \"%1\".").arg(missing)},
      {"attachment is a folder", [&](SmtpMail& s) { s.AddAttachment(dir.path()); },
       QStringLiteral("No se encontró el archivo adjunto \"%1\".").arg(dir.path())},
      {"port not a number", [](SmtpMail& s) { s.ServerPort = u"25a"_qs; },
       u"El puerto del servidor de correo no es válido: \"25a\"."_qs},
      {"port zero", [](SmtpMail& s) { s.ServerPort = u"0"_qs; }, u"El puerto del servidor de correo no es válido: \"0\"."_qs},
      {"port empty", [](SmtpMail& s) { s.ServerPort.clear(); }, u"El puerto del servidor de correo no es válido: \"\"."_qs},
      {"no server", [](SmtpMail& s) { s.ServerAddr = u"  "_qs; }, u"Falta la dirección del servidor de correo."_qs},
      {"server with a path", [](SmtpMail& s) { s.ServerAddr = u"127.0.0.1/x"_qs; },
       u"La dirección del servidor de correo no es válida: \"127.0.0.1/x\"."_qs},
      {"recipient with a line break", [](SmtpMail& s) { s.AddRecipient(u"x"_qs, u"a@b.mx>\r\nDATA"_qs, 0); },
       u"La dirección del destinatario no es válida: \"a@b.mx>\r\nDATA\"."_qs},
      {"sender with a line break", [](SmtpMail& s) { s.FromAddr = u"a@b.mx\r\nRCPT TO:<c@d.mx>"_qs; },
       u"La dirección del remitente no es válida: \"a@b.mx\r\nRCPT TO:<c@d.mx>\"."_qs},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SmtpMail smtp;
    prepare(smtp, server);
    smtp.AddAttachment(dir.file(QStringLiteral("recibo.pdf")));
    c.spoil(smtp);
    EXPECT_NE(smtp.SendMail(), 0);
    EXPECT_EQ(smtp.GetLastErrDescription(), c.error);
  }
  EXPECT_EQ(server.connections(), 0);
  EXPECT_TRUE(server.messages().isEmpty());
}
