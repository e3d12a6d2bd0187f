// The Debian package built by cpack from this build, unpacked into a scratch root (dpkg -x):
// its name and dependencies, that it carries every file of the folders it ships, that lintian
// finds no error, and that the installed program reaches its login window on a terminal
// prepared by the installed command.
#include <gtest/gtest.h>

#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/BuildPaths.h"
#include "package/Run.h"
#include "support/QtPrinters.h"

namespace {

struct Built {
  QTemporaryDir scratch;
  QString deb;
  QString root;  // where dpkg -x put it
  QString failure;
};

// Packs and unpacks once per test program.
const Built& Package() {
  static Built* built = [] {
    auto* b = new Built;
    const QString out = b->scratch.filePath("out");
    const Ran pack = Exec("cpack", {"-G", "DEB", "--config", BuildPaths::Binary(QStringLiteral("/CPackConfig.cmake")), "-B", out});
    const QStringList debs = QDir(out).entryList({"*.deb"}, QDir::Files);
    if (!pack.ok() || debs.size() != 1) {
      b->failure = "cpack: " + pack.out + pack.err;
      return b;
    }
    b->deb = QDir(out).filePath(debs.first());
    b->root = b->scratch.filePath("root");
    const Ran unpack = Exec("dpkg", {"-x", b->deb, b->root});
    if (!unpack.ok()) b->failure = "dpkg -x: " + unpack.err;
    return b;
  }();
  return *built;
}

#define REQUIRE_PACKAGE() ASSERT_TRUE(Package().failure.isEmpty()) << Package().failure.toStdString()

QString Field(const QString& name) {
  return Exec("dpkg-deb", {"-f", Package().deb, name}).out.trimmed();
}

}  // namespace

TEST(Package, IsNamedForItsVersionAndDependsOnWhatTheProgramLoads) {
  REQUIRE_PACKAGE();
  EXPECT_EQ(QFileInfo(Package().deb).fileName(), "portal-empleado_" PORTAL_PACKAGE_VERSION "_amd64.deb");
  EXPECT_EQ(Field("Package"), "portal-empleado");
  EXPECT_EQ(Field("Version"), PORTAL_PACKAGE_VERSION);
  EXPECT_EQ(Field("Architecture"), "amd64");
  // Linked libraries come from dpkg-shlibdeps; the driver, fonts and translations are loaded
  // at run time and named by hand.
  const QStringList depends = Field("Depends").split(QStringLiteral(", "));
  QStringList names;
  for (const QString& d : depends) names << d.section(u' ', 0, 0);
  for (const char* needed : {"libc6", "libqt6widgets6", "libqt6svg6", "libqt6printsupport6", "libsqlite3-0", "libodbc2",
                             "libcurl4", "zlib1g", "libcups2", "tdsodbc", "fonts-liberation", "fonts-crosextra-carlito",
                             "fonts-dejavu-core", "qt6-translations-l10n", "adduser"})
    EXPECT_TRUE(names.contains(QString::fromLatin1(needed))) << needed << " missing from " << Field("Depends").toStdString();
  EXPECT_TRUE(Field("Recommends").contains("cage"));
  EXPECT_TRUE(Field("Recommends").contains("libreoffice-writer-nogui"));
  // The mail client and the ODBC driver manager are opened on first use, not at start-up.
  const Ran linked = Exec("readelf", {"-d", Package().root + "/usr/bin/portal-empleado"});
  ASSERT_TRUE(linked.ok()) << linked.said();
  EXPECT_TRUE(linked.out.contains("libQt6Widgets.so.6")) << linked.said();
  EXPECT_FALSE(linked.out.contains("libcurl")) << linked.said();
  EXPECT_FALSE(linked.out.contains("libodbc")) << linked.said();
  EXPECT_FALSE(linked.out.contains("libQt6Pdf")) << linked.said();
  // Qt PDF comes with the viewer's module, installed where the program looks for it.
  const Ran module = Exec("readelf", {"-d", Package().root + "/usr/lib/portal-empleado/portal-pdf.so"});
  ASSERT_TRUE(module.ok()) << module.said();
  EXPECT_TRUE(module.out.contains("libQt6PdfWidgets.so.6")) << module.said();
  EXPECT_TRUE(names.contains(QStringLiteral("libqt6pdfwidgets6"))) << Field("Depends").toStdString();
}

TEST(Package, CarriesEveryFileOfTheFoldersItShips) {
  REQUIRE_PACKAGE();
  const QString share = Package().root + "/usr/share/portal-empleado/";
  struct Folder {
    const char* source;
    QStringList patterns;
    const char* installed;
  };
  const QList<Folder> folders = {
      {"FReports", {"*.fr3"}, "FReports"},
      {"db", {"*.sql"}, "db"},
      {"db/files", {"*"}, "db/files"},
      {"resources/svg", {"*.svg"}, "pictures"},
  };
  for (const Folder& f : folders) {
    SCOPED_TRACE(f.source);
    const QStringList shipped = QDir(BuildPaths::Source(QStringLiteral("/")) + QString::fromLatin1(f.source)).entryList(f.patterns, QDir::Files, QDir::Name);
    ASSERT_FALSE(shipped.isEmpty());
    EXPECT_EQ(QDir(share + f.installed).entryList(f.patterns, QDir::Files, QDir::Name), shipped);
  }
  EXPECT_FALSE(QFile::exists(share + "FReports/plantillas.py"));

  for (const char* program : {"usr/bin/portal-empleado", "usr/bin/portal-empleado-terminal"}) {
    const QFileInfo info(Package().root + "/" + program);
    EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
  }
  for (const char* doc : {"usr/share/doc/portal-empleado/copyright", "usr/share/doc/portal-empleado/changelog.gz",
                          "usr/share/man/man1/portal-empleado.1.gz", "usr/share/man/man1/portal-empleado-terminal.1.gz"})
    EXPECT_TRUE(QFile::exists(Package().root + "/" + doc)) << doc;
}

TEST(Package, KioskUnitIsValidAndRunsTheInstalledProgramAsThePackagesUserInItsHome) {
  REQUIRE_PACKAGE();
  const QString unitPath = Package().root + "/lib/systemd/system/portal-empleado-kiosk.service";
  // systemd's own reading of the unit: unknown keys, bad values, missing programs. cage is only
  // recommended, so a build machine may lack it.
  const Ran verify = Exec("systemd-analyze", {"verify", "--man=no", unitPath});
  QStringList complaints;
  for (const QString& line : (verify.out + verify.err).split(u'\n', Qt::SkipEmptyParts)) {
    if (!QFile::exists("/usr/bin/cage") && line.contains("Command /usr/bin/cage is not executable")) continue;
    complaints << line;
  }
  EXPECT_TRUE(complaints.isEmpty()) << complaints.join(u'\n').toStdString();

  QMap<QString, QString> unit;
  for (const QString& line : ReadFile(unitPath).split(u'\n')) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq > 0 && !line.startsWith(u'#')) unit[line.left(eq)] = line.mid(eq + 1);
  }
  const QStringList exec = unit.value("ExecStart").split(u' ', Qt::SkipEmptyParts);
  ASSERT_GE(exec.size(), 3) << unit.value("ExecStart").toStdString();
  EXPECT_EQ(exec.first(), "/usr/bin/cage");
  EXPECT_EQ(exec.at(exec.size() - 2), "--");
  const QFileInfo program(Package().root + exec.last());
  EXPECT_TRUE(program.isFile() && program.isExecutable()) << exec.last().toStdString();
  EXPECT_EQ(unit.value("Restart"), "always");

  // The user and folder the unit names are the ones the package creates when installed.
  QTemporaryDir control;
  ASSERT_TRUE(Exec("dpkg-deb", {"-e", Package().deb, control.path()}).ok());
  const QString postinst = ReadFile(control.filePath("postinst"));
  const QRegularExpressionMatch added =
      QRegularExpression(R"(adduser --system [^>]*--home (\S+)[^>]*\s([\w-]+) >)").match(postinst);
  ASSERT_TRUE(added.hasMatch()) << postinst.toStdString();
  EXPECT_EQ(unit.value("User"), added.captured(2));
  EXPECT_EQ(unit.value("WorkingDirectory"), added.captured(1));
  EXPECT_EQ(unit.value("ConditionPathExists"), added.captured(1) + "/config.ini");
}

TEST(Package, LintianFindsNoError) {
  REQUIRE_PACKAGE();
  const Ran lintian = Exec("lintian", {"--fail-on", "error", "--tag-display-limit", "0", Package().deb});
  EXPECT_TRUE(lintian.ok()) << lintian.said();
  EXPECT_FALSE(lintian.out.contains(QRegularExpression("^E: ", QRegularExpression::MultilineOption))) << lintian.said();
}

TEST(Package, InstalledProgramReachesTheLoginOnATerminalPreparedByTheInstalledCommand) {
  REQUIRE_PACKAGE();
  const QString root = Package().root;
  // A template only the unpacked package has: the installed command must copy from there.
  const QString marker = "paquete-" + QString::number(QCoreApplication::applicationPid()) + ".fr3";
  ASSERT_TRUE(QFile::copy(root + "/usr/share/portal-empleado/FReports/peVacaciones.fr3",
                          root + "/usr/share/portal-empleado/FReports/" + marker));

  QTemporaryDir home;
  QProcessEnvironment env;
  env.insert("PATH", "/usr/bin:/bin");
  env.insert("HOME", home.path());
  env.insert("QT_QPA_PLATFORM", "offscreen");
  const QString terminal = home.filePath("terminal");
  const Ran prepared = Exec(root + "/usr/bin/portal-empleado-terminal", {"--demo", terminal}, home.path(), env);
  ASSERT_TRUE(prepared.ok()) << prepared.said();
  EXPECT_TRUE(QFile::exists(terminal + "/FReports/" + marker));
  const QStringList scripts = QDir(terminal + "/ActualDB").entryList({"ActualizaPortalEmpleadoEscritorio*.sql"}, QDir::Files);
  ASSERT_EQ(scripts.size(), QDir(root + "/usr/share/portal-empleado/db").entryList({"[0-9][0-9]_*.sql"}, QDir::Files).size());

  // The benchmarks' exit switch ends the program once the login window is on screen; the
  // window's start applied the demo scripts to a new database file.
  env.insert("PORTAL_SALIR_TRAS_LOGIN", "1");
  const Ran portal = Exec(root + "/usr/bin/portal-empleado", {}, terminal, env);
  ASSERT_EQ(portal.code, 0) << portal.said();
  EXPECT_FALSE(portal.err.contains("Imagen no disponible")) << portal.said();
  EXPECT_FALSE(QFile::exists(terminal + "/Error.log")) << ReadFile(terminal + "/Error.log").toStdString();
  const QString config = ReadFile(terminal + "/config.ini");
  EXPECT_TRUE(config.contains("Tipo=E")) << config.toStdString();
  const Ran registered = Exec("sqlite3", {terminal + "/portal-demo.db", "select count(*) from ActualDB"});
  ASSERT_TRUE(registered.ok()) << registered.said();
  EXPECT_EQ(registered.out.trimmed().toInt(), scripts.size());
}
