// config.ini is replaced whole through a temporary file: a write cut off before the rename
// leaves the previous file as it was, and a finished write keeps its encoding and line ends.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "KioskSupport.h"
#include "app/Startup.h"
#include "support/TempDir.h"
#include "toolkit/IdleLogout.h"
#include "toolkit/IniWriteSeam.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct FailingRename {
  FailingRename() { IniWriteSeam::SetBeforeReplace([](const QString&) { return false; }); }
  ~FailingRename() { IniWriteSeam::SetBeforeReplace({}); }
};

}  // namespace

TEST(ConfigWrite, AnInterruptedWriteLeavesTheFileAndAFinishedOneKeepsItsForm) {
  struct Case {
    const char* name;
    QByteArray before;
    QByteArray after;  // once Tipo=E is written
  };
  const Case cases[] = {
      {"Windows-1252 with CR LF",
       "[CONFIG]\r\nSERVER=Ca\xF1" "ada\r\nPWD=se;cr=eto\r\n\r\n[VARIABLES]\r\nTipo=X\r\n",
       "[CONFIG]\r\nSERVER=Ca\xF1" "ada\r\nPWD=se;cr=eto\r\n\r\n[VARIABLES]\r\nTipo=E\r\n"},
      {"UTF-8 with a byte-order mark and LF",
       "\xEF\xBB\xBF[CONFIG]\nSERVER=Ca\xC3\xB1" "ada\n[VARIABLES]\nSalirActivado=Si\n",
       "\xEF\xBB\xBF[CONFIG]\nSERVER=Ca\xC3\xB1" "ada\n[VARIABLES]\nSalirActivado=Si\nTipo=E\n"},
      {"no file yet", QByteArray(), "[VARIABLES]\nTipo=E\n"},
  };
  for (const Case& c : cases) {
    ScopedWorkDir dir;
    if (!c.before.isNull()) Kiosk::Touch(dir.file("config.ini"), c.before);
    const TIni ini(QStringLiteral("config.ini"));
    {
      FailingRename cut;
      EXPECT_FALSE(ini.SetEntry("VARIABLES", "Tipo", "E")) << c.name;
    }
    EXPECT_EQ(QFile::exists(dir.file("config.ini")), !c.before.isNull()) << c.name;
    EXPECT_EQ(readAll(dir.file("config.ini")), c.before) << c.name;
    // Nothing half-written stays beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              c.before.isNull() ? QStringList() : QStringList{"config.ini"})
        << c.name;

    EXPECT_TRUE(ini.SetEntry("VARIABLES", "Tipo", "E")) << c.name;
    EXPECT_EQ(readAll(dir.file("config.ini")), c.after) << c.name;
  }
}

TEST(ConfigWrite, TheStartUpWriteCutOffKeepsTheConnectionSettings) {
  ScopedWorkDir dir;
  // Tipo is not yet the employee terminal's, so the start-up has to write it.
  const QByteArray config = "[CONFIG]\r\nSERVER=(local)\r\nBD=portal-demo.db\r\n[VARIABLES]\r\nTipo=A\r\nPDF=Si\r\n";
  Kiosk::Touch(dir.file("config.ini"), config);
  FailingRename cut;
  qputenv("PORTAL_SALIR_TRAS_LOGIN", "1");
  PortalRun({QStringLiteral("portal-empleado")}, [] { return static_cast<TForm*>(nullptr); });
  qunsetenv("PORTAL_SALIR_TRAS_LOGIN");
  IdleLogout::Stop();
  EXPECT_EQ(readAll(dir.file("config.ini")), config);
}

TEST(ConfigWrite, AValueTheFileAlreadyHoldsIsNotWrittenAgain) {
  ScopedWorkDir dir;
  const QByteArray config = "[CONFIG]\r\nSERVER=(local)\r\n[VARIABLES]\r\nTipo=E\r\n";
  Kiosk::Touch(dir.file("config.ini"), config);
  FailingRename cut;  // any write would fail
  TIni ini(dir.file("config.ini"));
  EXPECT_TRUE(ini.SetEntry("VARIABLES", "Tipo", "E"));
  EXPECT_TRUE(ini.SetEntry("variables", "TIPO", " E "));
  EXPECT_FALSE(ini.SetEntry("VARIABLES", "Tipo", "e"));
  EXPECT_EQ(readAll(dir.file("config.ini")), config);
}
