// portal-empleado-terminal: the config.ini it writes for each kind of terminal, and what it
// refuses. The source tree's copy is the file the package installs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/BuildPaths.h"
#include "package/Run.h"

namespace {

const QString kCommand = BuildPaths::Source(QStringLiteral("/tools/portal-empleado-terminal"));

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList UpdateScripts(const QString& terminal) {
  return QDir(terminal + "/ActualDB").entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
}

}  // namespace

TEST(TerminalCommand, WritesTheConfigOfEachKindOfTerminal) {
  struct Case {
    const char* name;
    QStringList args;
    QByteArray input;
    QString config;
    bool demoScripts;
  };
  const QList<Case> cases = {
      {"demo", {"--demo"}, {},
       "[CONFIG]\nSERVER=(local)\nBD=portal-demo.db\nID=\nPWD=\nAUTOWIN=.F.\n\n[VARIABLES]\nSalirActivado=Si\n"
       "Modifica=Si\nUltimosRecibos=No\nFDA=Si\nPDF=Si\nSolicitudConFirmas=Si\n",
       true},
      {"sql server, password given",
       {"--server", "NOMINAS\\SQL2019", "--database", "Nomina", "--user", "portal", "--password", "se;c=ret 'x'"}, {},
       "[CONFIG]\nSERVER=NOMINAS\\SQL2019\nBD=Nomina\nID=portal\nPWD=se;c=ret 'x'\nAUTOWIN=.F.\n", false},
      {"sql server, password read from the input",
       {"--server", "nominas01,1500", "--database", "Nomina", "--user", "portal"}, "clave secreta\n",
       "[CONFIG]\nSERVER=nominas01,1500\nBD=Nomina\nID=portal\nPWD=clave secreta\nAUTOWIN=.F.\n", false},
      {"windows authentication",
       {"--server", "nominas01", "--database", "Nomina", "--windows", "--user", "EMPRESA\\kiosco"}, {},
       "[CONFIG]\nSERVER=nominas01\nBD=Nomina\nID=EMPRESA\\kiosco\nPWD=\nAUTOWIN=.T.\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir root;
    const QString terminal = root.filePath("terminal/nueva");
    const Ran r = Exec(kCommand, c.args + QStringList{terminal}, root.path(), QProcessEnvironment::systemEnvironment(), c.input);
    ASSERT_TRUE(r.ok()) << r.said();
    EXPECT_EQ(ReadFile(terminal + "/config.ini"), c.config);
    EXPECT_TRUE(QFile::exists(terminal + "/FReports/ReciboPortalCarta.fr3"));
    EXPECT_FALSE(QFile::exists(terminal + "/FReports/plantillas.py"));
    EXPECT_EQ(!UpdateScripts(terminal).isEmpty(), c.demoScripts);
    EXPECT_EQ(QFile::exists(terminal + "/Conducta.pdf"), c.demoScripts);
    // A password in plain text is for the terminal's owner only.
    if (!c.demoScripts) {
      EXPECT_EQ(QFileInfo(terminal + "/config.ini").permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    }
  }
}

TEST(TerminalCommand, RefusesWhatWouldMakeABrokenConfigAndWritesNothing) {
  const QList<QStringList> cases = {
      {"--server", "h", "--database", "Nomina"},                                 // no user, no --windows
      {"--server", "h", "--user", "u", "--password", "p"},                       // no database
      {"--server", "h", "--database", "portal.DB", "--user", "u", "--password", "p"},  // the embedded engine's name
      {"--server", " h", "--database", "Nomina", "--user", "u", "--password", "p"},    // would be trimmed
      {"--server", "h", "--database", "Nomina", "--user", "u", "--password", "a\nb"},  // would split the line
      {"--database", "Nomina"},                                                  // neither --demo nor --server
      {"--demo", "--nada"},
  };
  for (const QStringList& args : cases) {
    SCOPED_TRACE(args.join(u' ').toStdString());
    QTemporaryDir root;
    const Ran r = Exec(kCommand, args + QStringList{root.filePath("t")});
    EXPECT_EQ(r.code, 2) << r.said();
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_FALSE(QFile::exists(root.filePath("t/config.ini")));
  }
}

TEST(TerminalCommand, KeepsTheConfigAndEditedTemplatesOfAPreparedTerminal) {
  QTemporaryDir terminal;
  const QByteArray config = "[CONFIG]\r\nSERVER=NOMINAS01\r\nBD=NominaZelk\r\nID=portal\r\nPWD=x\r\nAUTOWIN=.F.\r\n";
  ASSERT_TRUE(WriteFile(terminal.filePath("config.ini"), config));
  ASSERT_TRUE(QDir().mkpath(terminal.filePath("FReports")));
  ASSERT_TRUE(WriteFile(terminal.filePath("FReports/peVacaciones.fr3"), "<editada/>"));

  const Ran r = Exec(kCommand, {"--demo", terminal.path()});
  ASSERT_TRUE(r.ok()) << r.said();
  EXPECT_TRUE(r.err.contains("se conserva el config.ini")) << r.said();
  QFile kept(terminal.filePath("config.ini"));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), config);
  // The edited template is set aside, the shipped one takes its place; unchanged ones are not.
  EXPECT_EQ(ReadFile(terminal.filePath("FReports/peVacaciones.fr3.~1~")), "<editada/>");
  EXPECT_EQ(ReadFile(terminal.filePath("FReports/peVacaciones.fr3")), ReadFile(BuildPaths::Source(QStringLiteral("/FReports/peVacaciones.fr3"))));
  EXPECT_TRUE(UpdateScripts(terminal.path()).isEmpty());

  const Ran again = Exec(kCommand, {"--demo", terminal.path()});
  ASSERT_TRUE(again.ok()) << again.said();
  EXPECT_EQ(QDir(terminal.filePath("FReports")).entryList({"*~"}, QDir::Files).size(), 1);
}
