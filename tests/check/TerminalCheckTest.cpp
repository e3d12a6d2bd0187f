// The terminal check on the demo terminal: every line passes on a sound terminal, and each broken
// part of a terminal fails its own line (and only that one), named, in bounded time.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <functional>

#include "check/TerminalCheck.h"
#include "data/Scramble.h"
#include "check/PrivateCups.h"
#include "support/BuildPaths.h"
#include "support/DemoTerminal.h"
#include "support/SmtpServer.h"
#include "toolkit/TIni.h"

namespace {

// Long enough for a loaded machine; the silent mail server case waits this long.
constexpr int kSeconds = 8;

QStringList failedIds(const CheckLines& lines) {
  QStringList ids;
  for (const CheckLine& l : lines)
    if (!l.ok) ids << l.id;
  return ids;
}

QString failedText(const CheckLines& lines) {
  QString text;
  for (const CheckLine& l : lines)
    if (!l.ok) text += l.found + u'\n';
  return text;
}

class TerminalCheckTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    cups = new PrivateCups;
    smtp = new TestSmtp::SmtpServer;
    smtp->start();
    TestSmtp::Options login;
    login.user = QStringLiteral("portal");
    login.password = QStringLiteral("ClaveBuena");
    login.authRequired = true;
    loginSmtp = new TestSmtp::SmtpServer(login);
    loginSmtp->start();
  }
  static void TearDownTestSuite() {
    delete loginSmtp;
    delete smtp;
    delete cups;
  }
  void SetUp() override {
    if (!cups->ready()) GTEST_SKIP() << "no CUPS scheduler could be started here (/usr/sbin/cupsd)";
    ASSERT_GT(smtp->port(), 0) << smtp->errorString().toStdString();
  }

  // A sound demo terminal: every company's mail aimed at the test's SMTP server.
  static void AimMail(DemoTerminal& t, quint16 port) {
    Run(t, QStringLiteral("update PortalEmpleadoConfigMail set servidor='127.0.0.1', puerto='%1', ssl='No', tls='No'").arg(port));
  }
  static void Run(DemoTerminal& t, const QString& statement) {
    auto ds = DemoDatabase::Open(t.file(QString::fromLatin1(DemoDatabase::kFile)));
    EXPECT_TRUE(ds->Execute(statement)) << statement.toStdString();
  }
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }

  static inline PrivateCups* cups = nullptr;
  static inline TestSmtp::SmtpServer* smtp = nullptr;
  static inline TestSmtp::SmtpServer* loginSmtp = nullptr;  // wants the login portal / ClaveBuena
};

struct Broken {
  const char* name;
  std::function<void(DemoTerminal&)> breakIt;
  QStringList failing;  // ids of the lines that fail, in order
  QStringList named;    // texts the failing lines name
};

}  // namespace

TEST_F(TerminalCheckTest, ASoundDemoTerminalPassesEveryLine) {
  DemoTerminal t;
  AimMail(t, smtp->port());
  const CheckLines lines = TerminalCheck::Run({kSeconds});
  EXPECT_EQ(failedIds(lines), QStringList()) << TerminalCheck::Text(lines).toStdString();
  QStringList ids;
  for (const CheckLine& l : lines) ids << l.id;
  for (const char* id : {"config", "config.escritura", "config.claves", "bd.conexion", "bd.version", "bd.cp1252", "bd.contrato", "bd.reloj",
                         "correo.1", "correo.2", "correo.3", "impresora", "imagenes", "plantillas", "fuentes", "actualizaciones", "disco",
                         "temporales"})
    EXPECT_TRUE(ids.contains(QString::fromLatin1(id))) << id;
  EXPECT_EQ(smtp->messages().size(), 0) << "the mail check sends nothing";

  const QJsonObject json = QJsonDocument::fromJson(TerminalCheck::Json(lines)).object();
  EXPECT_TRUE(json.value(u"ok"_qs).toBool());
  EXPECT_EQ(json.value(u"comprobaciones"_qs).toArray().size(), lines.size());
}

TEST_F(TerminalCheckTest, EachBrokenPartFailsItsOwnLineAndNamesWhatIsWrong) {
  TestSmtp::SilentListener silent;
  const QList<Broken> cases = {
      {"no mail server", [](DemoTerminal& t) { Run(t, u"update PortalEmpleadoConfigMail set puerto='%1' where empresa=2"_qs.arg(TestSmtp::SmtpServer::FreePort())); },
       {"correo.2"}, {"127.0.0.1"}},
      {"a mail server that never answers", [&](DemoTerminal& t) { Run(t, u"update PortalEmpleadoConfigMail set puerto='%1' where empresa=1"_qs.arg(silent.port())); },
       {"correo.1"}, {"127.0.0.1"}},
      {"a mail login the server refuses",
       [](DemoTerminal& t) {
         Run(t, u"update PortalEmpleadoConfigMail set puerto='%1', usuario='portal', password='%2', autenticacion='Si', "
                "tipo_autenticacion='AUTH LOGIN' where empresa=3"_qs.arg(loginSmtp->port()).arg(EncriptaPWD(u"ClaveMala"_qs)));
       },
       {"correo.3"}, {"usuario portal"}},
      {"missing printer", [](DemoTerminal& t) { TIni(t.file(u"config.ini"_qs)).SetEntry(u"VARIABLES"_qs, u"Impresora"_qs, u"NoExiste"_qs); },
       {"impresora"}, {"CUPS no conoce esa impresora"}},
      {"printer refusing jobs", [](DemoTerminal&) { cups->lp(u"cupsreject"_qs, {QString::fromLatin1(PrivateCups::kQueue)}); },
       {"impresora"}, {"no acepta trabajos"}},
      {"damaged template", [](DemoTerminal& t) { Write(t.file(u"FReports/peVacaciones.fr3"_qs), "<report page=\"letter\"><title height="); },
       {"plantillas"}, {"peVacaciones.fr3"}},
      {"missing template", [](DemoTerminal& t) { QFile::remove(t.file(u"FReports/ReciboPortalCarta.fr3"_qs)); },
       {"plantillas"}, {"faltan ReciboPortalCarta.fr3"}},
      {"missing table", [](DemoTerminal& t) { Run(t, u"DROP TABLE rhestados"_qs); }, {"bd.contrato"}, {"falta la tabla rhestados"}},
      {"config.ini in UTF-16",
       [](DemoTerminal& t) {
         QFile f(t.file(u"config.ini"_qs));
         ASSERT_TRUE(f.open(QIODevice::ReadOnly));
         const QString text = QString::fromUtf8(f.readAll());
         f.close();
         QByteArray utf16("\xFF\xFE");
         utf16 += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
         Write(t.file(u"config.ini"_qs), utf16);
       },
       {"config", "bd.conexion"}, {"UTF-16"}},
      {"unknown key and a value out of range",
       [](DemoTerminal& t) {
         TIni ini(t.file(u"config.ini"_qs));
         ini.SetEntry(u"VARIABLES"_qs, u"Escala"_qs, u"grande"_qs);
         ini.SetEntry(u"VARIABLES"_qs, u"SalirActivdo"_qs, u"Si"_qs);
       },
       {"config.claves"}, {"[VARIABLES] Escala vale \"grande\"", "[VARIABLES] SalirActivdo no es una clave conocida"}},
      {"no database connection", [](DemoTerminal& t) { TIni(t.file(u"config.ini"_qs)).SetEntry(u"CONFIG"_qs, u"AUTOWIN"_qs, u"x"_qs); },
       {"config.claves", "bd.conexion"}, {"AUTOWIN"}},
      {"leftover temporary files", [](DemoTerminal& t) { Write(t.file(u"TEMPrecibo.pdf"_qs), "%PDF"); }, {"temporales"}, {"1 archivos"}},
      {"a logo that is gone", [](DemoTerminal& t) { QFile::remove(t.file(u"demo/logo_norte.jpg"_qs)); }, {"imagenes"}, {"demo/logo_norte.jpg"}},
  };
  for (const Broken& b : cases) {
    SCOPED_TRACE(b.name);
    DemoTerminal t;
    AimMail(t, smtp->port());
    b.breakIt(t);
    const CheckLines lines = TerminalCheck::Run({kSeconds});
    cups->lp(u"cupsaccept"_qs, {QString::fromLatin1(PrivateCups::kQueue)});
    EXPECT_EQ(failedIds(lines), b.failing) << TerminalCheck::Text(lines).toStdString();
    EXPECT_FALSE(TerminalCheck::Text(lines).contains(u"ClaveMala"_qs));
    for (const QString& n : b.named) EXPECT_TRUE(failedText(lines).contains(n)) << n.toStdString() << "\n" << TerminalCheck::Text(lines).toStdString();
    for (const CheckLine& l : lines)
      if (!l.ok) {
        EXPECT_FALSE(l.todo.isEmpty()) << l.id.toStdString();
      }
  }
}

// The command itself: no window, the lines on standard output, exit status 0 or 1, and no
// password of config.ini in what it prints.
TEST_F(TerminalCheckTest, TheCommandPrintsTheLinesAndExitsByTheResult) {
  DemoTerminal t;
  AimMail(t, smtp->port());
  TIni(t.file(u"config.ini"_qs)).SetEntry(u"CONFIG"_qs, u"PWD"_qs, u"SecretoDelSitio"_qs);
  for (const bool broken : {false, true}) {
    SCOPED_TRACE(broken ? "broken" : "sound");
    if (broken) QFile::remove(t.file(u"FReports/peTiempoExtra.fr3"_qs));
    for (const bool json : {false, true}) {
      // The program in the folder, and the installer's command naming the folder.
      const bool script = json == broken;
      SCOPED_TRACE(script ? "portal-empleado-terminal --comprobar" : "portal-empleado --comprobar");
      QProcess p;
      QStringList args{u"--comprobar"_qs, u"--segundos"_qs, QString::number(kSeconds)};
      if (json) args << u"--json"_qs;
      if (script) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"PORTAL_PROGRAMA"_qs, BuildPaths::Binary(u"/portal-empleado"_qs));
        p.setProcessEnvironment(env);
        p.start(BuildPaths::Source(u"/tools/portal-empleado-terminal"_qs), args << t.path());
      } else {
        p.setWorkingDirectory(t.path());
        p.start(BuildPaths::Binary(u"/portal-empleado"_qs), args);
      }
      ASSERT_TRUE(p.waitForFinished(60000));
      const QString out = QString::fromUtf8(p.readAllStandardOutput());
      EXPECT_EQ(p.exitCode(), broken ? 1 : 0) << out.toStdString() << p.readAllStandardError().toStdString();
      EXPECT_FALSE(out.contains(u"SecretoDelSitio"_qs));
      if (json) {
        EXPECT_EQ(QJsonDocument::fromJson(out.toUtf8()).object().value(u"ok"_qs).toBool(), !broken);
      } else {
        EXPECT_TRUE(out.startsWith(u"✓ config.ini"_qs)) << out.toStdString();
        EXPECT_EQ(out.contains(u"✗ Plantillas de FReports: faltan peTiempoExtra.fr3"_qs), broken) << out.toStdString();
      }
    }
  }
}
