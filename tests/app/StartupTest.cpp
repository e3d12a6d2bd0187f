// Start-up: session keys, the terminal type in config.ini whatever the file holds, the
// login window and the loop that ends when it closes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTimer>

#include "support/BuildPaths.h"
#include "app/AppData.h"
#include "app/Startup.h"
#include "screens/login/TRegistro.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/TIni.h"

namespace {

// A login window that closes itself once shown, so that the loop ends.
LoginFactory closingLogin(int* shown = nullptr) {
  return [shown] {
    auto* f = TForm::New<TForm>();
    f->cText = QStringLiteral("login");
    f->OnShow = [f, shown] {
      if (shown) ++*shown;
      QTimer::singleShot(0, f, [f] { f->Close(); });
    };
    return f;
  };
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

TForm* MakeLoginForTests() { return TForm::New<TRegistro>(); }

QStringList messages;
void collect(QtMsgType, const QMessageLogContext&, const QString& msg) { messages << msg; }

}  // namespace

TEST(Startup, FirstStartInAnEmptyFolderWritesTheTerminalType) {
  ScopedWorkDir dir;
  int shown = 0;
  EXPECT_EQ(PortalRun({QStringLiteral("portal-empleado")}, closingLogin(&shown)), 0);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(readAll(dir.file(QStringLiteral("config.ini"))), QByteArray("[VARIABLES]\nTipo=E\n"));
  EXPECT_EQ(Application::Title(), "ZelkPortalv11");
  EXPECT_FALSE(Application::Icon().isNull());
}

TEST(Startup, LaterStartsChangeNothingElse) {
  ScopedWorkDir dir;
  const QByteArray prepared =
      "[CONFIG]\r\nSERVER=srv\\sql\r\nBD=Nomina\r\nID=sa\r\nPWD=x;y\r\nAUTOWIN=.F.\r\n\r\n"
      "[VARIABLES]\r\nSalirActivado=Si\r\nTipo=X\r\nFDA=\r\n";
  writeAll(dir.file(QStringLiteral("config.ini")), prepared);
  PortalRun({QStringLiteral("portal-empleado")}, closingLogin());
  QByteArray expected = prepared;
  expected.replace("Tipo=X", "Tipo=E");
  EXPECT_EQ(readAll(dir.file(QStringLiteral("config.ini"))), expected);
  PortalRun({QStringLiteral("portal-empleado")}, closingLogin());
  EXPECT_EQ(readAll(dir.file(QStringLiteral("config.ini"))), expected);
}

TEST(Startup, OddConfigurationFilesNeverStopTheStart) {
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  QByteArray binary;
  for (int i = 0; i < 512; ++i) binary.append(static_cast<char>((i * 37) & 0xFF));
  const Case cases[] = {
      {"empty", QByteArray()},
      {"binary", binary},
      {"no sections", QByteArray("Tipo=Z\nSERVER=abc\n")},
      {"duplicate keys", QByteArray("[VARIABLES]\nTipo=A\nTipo=B\n[variables]\nTipo=C\n")},
      {"crlf", QByteArray("[VARIABLES]\r\nHistorial=Si\r\n")},
      {"bom", QByteArray("\xEF\xBB\xBF[VARIABLES]\nModifica=Si\n")},
      {"unclosed section", QByteArray("[VARIABLES\nTipo=Q\n")},
      {"cp1252", QByteArray("[CONFIG]\nBD=N\xF3mina\n")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedWorkDir dir;
    writeAll(dir.file(QStringLiteral("config.ini")), c.bytes);
    int shown = 0;
    EXPECT_EQ(PortalRun({QStringLiteral("portal-empleado")}, closingLogin(&shown)), 0);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Tipo")), "E");
  }
}

TEST(Startup, OddFilesKeepWhatTheyHeld) {
  ScopedWorkDir dir;
  writeAll(dir.file(QStringLiteral("config.ini")), QByteArray("\xEF\xBB\xBF[VARIABLES]\r\nModifica=Si\r\n"));
  PortalRun({QStringLiteral("portal-empleado")}, closingLogin());
  EXPECT_EQ(readAll(dir.file(QStringLiteral("config.ini"))), QByteArray("\xEF\xBB\xBF[VARIABLES]\r\nModifica=Si\r\nTipo=E\r\n"));
  writeAll(dir.file(QStringLiteral("config.ini")), QByteArray("[CONFIG]\nBD=N\xF3mina\n"));
  PortalRun({QStringLiteral("portal-empleado")}, closingLogin());
  EXPECT_EQ(TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("CONFIG"), QStringLiteral("BD")), QStringLiteral("Nómina"));
}

TEST(Startup, AFolderWhereNothingCanBeWrittenStillStartsAndSaysSoOnce) {
  ScopedWorkDir dir;
  // config.ini is a folder: no write can succeed, whoever runs the test.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("config.ini")));
  messages.clear();
  const QtMessageHandler old = qInstallMessageHandler(collect);
  int shown = 0;
  EXPECT_EQ(PortalRun({QStringLiteral("portal-empleado")}, closingLogin(&shown)), 0);
  EXPECT_EQ(PortalRun({QStringLiteral("portal-empleado")}, closingLogin(&shown)), 0);
  qInstallMessageHandler(old);
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(messages.filter(QStringLiteral("config.ini")).size(), 1) << messages.join(u'\n').toStdString();
}

TEST(Startup, SessionKeysAreCreatedInOrderWithTheirInitialValues) {
  ScopedWorkDir dir;
  AppData.Empresa = QStringLiteral("       5");
  PortalRun({QStringLiteral("portal-empleado"), QStringLiteral("kiosco01"), QStringLiteral("otro")}, closingLogin());
  EXPECT_EQ(AppData.UsuarioGet, "kiosco01");
  const QStringList keys = SessionStore::Keys();
  ASSERT_EQ(keys.size(), 29);
  EXPECT_EQ(keys.first(), "UsuarioGet");
  EXPECT_EQ(keys.mid(1, 8), QStringList({"Empresa", "Codigo", "NombreTrabajador", "Nomina", "Periodo", "FInicio",
                                          "FCierre", "oPassword"}));
  EXPECT_EQ(keys.last(), "gsEmpleadoSupervisor");
  struct Case {
    const char* key;
    QVariant value;
  };
  const Case cases[] = {{"Nomina", QStringLiteral("SEM")},     {"Periodo", 1},
                        {"FInicio", QStringLiteral("20000101")}, {"FCierre", QStringLiteral("20101201")},
                        {"empresa", QString()},                  {"OLLAVETEMPORAL", QString()},
                        {"oAdo", QVariant()},                    {"Historial", QVariant()}};
  for (const Case& c : cases) EXPECT_EQ(AppData.Value(QString::fromLatin1(c.key)), c.value) << c.key;

  PortalRun({QStringLiteral("portal-empleado")}, closingLogin());
  EXPECT_EQ(AppData.UsuarioGet, "") << "no argument leaves it empty";
}

TEST(Startup, LoginWindowHasItsSizeCaptionAndBackground) {
  ScopedWorkDir dir;
  QString caption;
  QSize client;
  bool closeBox = true;
  QImage picture;
  PortalRun({QStringLiteral("portal-empleado")}, [&] {
    TForm* login = MakeLoginForTests();
    login->OnShow = [&, login] {
      caption = login->windowTitle();
      client = login->size();
      closeBox = login->windowFlags().testFlag(Qt::WindowCloseButtonHint);
      picture = login->grab().toImage();
      QTimer::singleShot(0, login, [login] { login->Close(); });
    };
    return login;
  });
  EXPECT_EQ(caption, "Portal del Empleado - Última actualización: 26/01/2024");
  EXPECT_EQ(client, QSize(1017, 698));
  EXPECT_FALSE(closeBox);
  QDir().mkpath(BuildPaths::Binary(QStringLiteral("/screens")));
  EXPECT_TRUE(picture.save(BuildPaths::Binary(QStringLiteral("/screens/login-vacio.png"))));
}
