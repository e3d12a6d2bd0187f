// The script that writes the delivered templates: the delivered files are its output, and it
// never replaces a template changed since it wrote it (for example in the template editor).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include "support/BuildPaths.h"

namespace {

const QString kScript = QStringLiteral("plantillas.py");

struct GeneratorRun {
  int exit = -1;
  QString errors;
};

GeneratorRun generator(const QString& folder, const QStringList& args) {
  QProcess p;
  p.setWorkingDirectory(folder);
  p.start(QStringLiteral("python3"), QStringList{kScript} + args);
  GeneratorRun r;
  if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return r;
  r.exit = p.exitCode();
  r.errors = QString::fromUtf8(p.readAllStandardError());
  return r;
}

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void append(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write(bytes);
}

}  // namespace

TEST(TemplateGenerator, DeliveredTemplatesAreWhatItWrites) {
  const GeneratorRun r = generator(BuildPaths::Source(QStringLiteral("/FReports")), {QStringLiteral("--comprobar")});
  EXPECT_EQ(r.exit, 0) << r.errors.toStdString();
}

TEST(TemplateGenerator, ATemplateChangedSinceItWroteItIsNotReplaced) {
  const QString edited = QStringLiteral("ReciboPortalCarta.fr3");
  const QString other = QStringLiteral("listadoRecibos.fr3");  // removed before the run: shows whether it wrote
  const QByteArray edit = "<!-- cambiado en el editor -->\n";
  struct Case {
    const char* name;
    bool change, dropRegister;
    QStringList args;
    int exit;
    bool editKept, wrote;
  };
  const Case cases[] = {
      {"nothing changed", false, false, {}, 0, false, true},
      {"changed by hand", true, false, {}, 1, true, false},
      {"changed by hand, forced", true, false, {"--forzar"}, 0, false, true},
      {"changed, and no note of what was written", true, true, {}, 1, true, false},
      {"checked after a change", true, false, {"--comprobar"}, 1, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(BuildPaths::Source(QStringLiteral("/FReports/")) + kScript, dir.filePath(kScript)));
    ASSERT_EQ(generator(dir.path(), {}).exit, 0);
    const QByteArray written = contents(dir.filePath(edited));
    ASSERT_FALSE(written.isEmpty());
    if (c.change) {
      append(dir.filePath(edited), edit);
    }
    if (c.dropRegister) {
      ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("plantillas.sha256"))));
    }
    ASSERT_TRUE(QFile::remove(dir.filePath(other)));
    const GeneratorRun r = generator(dir.path(), c.args);
    EXPECT_EQ(r.exit, c.exit) << r.errors.toStdString();
    EXPECT_EQ(contents(dir.filePath(edited)), c.editKept ? written + edit : written);
    EXPECT_EQ(QFile::exists(dir.filePath(other)), c.wrote);
    if (c.exit != 0) {
      EXPECT_TRUE(r.errors.contains(edited)) << r.errors.toStdString();
    }
  }
}
