// The demo scripts reach only terminals on the embedded database.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/BuildPaths.h"
#include "db/DemoDatabase.h"

namespace {

QStringList UpdateScripts(const QString& terminal) {
  return QDir(terminal + "/ActualDB").entryList({QStringLiteral("ActualizaPortalEmpleadoEscritorio*.sql")}, QDir::Files, QDir::Name);
}

}  // namespace

TEST(PrepareTerminal, EmbeddedTerminalGetsEveryDemoScriptUnderTheUpdateName) {
  QTemporaryDir terminal;
  ASSERT_TRUE(DemoDatabase::PrepareTerminal(terminal.path()));
  const QStringList scripts = UpdateScripts(terminal.path());
  const QStringList sources = QDir(BuildPaths::Source(QStringLiteral("/db"))).entryList({QStringLiteral("[0-9][0-9]_*.sql")}, QDir::Files, QDir::Name);
  ASSERT_EQ(scripts.size(), sources.size());
  for (int i = 0; i < sources.size(); ++i) EXPECT_EQ(scripts[i], "ActualizaPortalEmpleadoEscritorio" + sources[i]);
  EXPECT_TRUE(QFile::exists(terminal.filePath("demo/logo_norte.jpg")));
  EXPECT_TRUE(QFile::exists(terminal.filePath("demo/reglamento_interior.pdf")));
  EXPECT_TRUE(QFile::exists(terminal.filePath("Conducta.pdf")));
}

TEST(PrepareTerminal, SqlServerTerminalGetsNoDemoScripts) {
  QTemporaryDir terminal;
  QFile ini(terminal.filePath("config.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[CONFIG]\r\nSERVER=NOMINAS01\r\nBD=NominaZelk\r\nID=portal\r\nPWD=x\r\nAUTOWIN=.F.\r\n");
  ini.close();
  ASSERT_TRUE(DemoDatabase::PrepareTerminal(terminal.path()));
  EXPECT_TRUE(UpdateScripts(terminal.path()).isEmpty());
  EXPECT_FALSE(QFile::exists(terminal.filePath("demo/logo_norte.jpg")));
}
