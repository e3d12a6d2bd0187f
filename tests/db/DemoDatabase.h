#pragma once
// The embedded demo database as a terminal builds it: tools/prepare-terminal.sh prepares a
// terminal folder (config.ini, the db/ scripts as ActualDB update scripts, demo files) and the
// start-up update applies the scripts through a real session data source. Built once per test
// program and copied for each test.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "support/BuildPaths.h"
#include "data/SqliteEngine.h"
#include "data/TDataSource.h"
#include "toolkit/MsgBox.h"
#include "update/DataSourceLink.h"
#include "update/clsActualizaBD.h"

namespace DemoDatabase {

inline const char* kFile = "portal-demo.db";

// A data source on the embedded database file, opened.
inline std::shared_ptr<TDataSource> Open(const QString& file) {
  auto ds = std::make_shared<TDataSource>();
  ds->UseEngine(std::make_unique<SqliteEngine>(file));
  ds->SetConnected(true);
  return ds;
}

// Prepares a terminal folder in `dir` with the project's script.
inline bool PrepareTerminal(const QString& dir) {
  QProcess p;
  p.start(QStringLiteral("bash"), {BuildPaths::Source(QStringLiteral("/tools/prepare-terminal.sh")),
                                   BuildPaths::Source(), BuildPaths::Binary(), dir});
  return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Builds the demo database in a prepared terminal folder; `employees`/`years` > 0 set the size
// knob before the scripts run. Returns the boxes the update showed (none when all went well).
inline QList<MsgSeam::Shown> Build(const QString& dir, int employees = 0, int years = 0) {
  const QString file = QDir(dir).filePath(QString::fromLatin1(kFile));
  auto ds = Open(file);
  if (employees > 0) {
    ds->Execute(QStringLiteral("CREATE TABLE IF NOT EXISTS PortalDemoTamano (id INTEGER PRIMARY KEY CHECK (id = 1), "
                               "empleados INTEGER NOT NULL, anios INTEGER NOT NULL)"));
    ds->Execute(QStringLiteral("INSERT OR REPLACE INTO PortalDemoTamano (id, empleados, anios) VALUES (1, %1, %2)")
                    .arg(employees)
                    .arg(years > 0 ? years : 3));
  }
  const bool capturing = MsgSeam::Capturing();
  MsgSeam::Capture(true);
  const auto before = MsgSeam::Taken().size();
  clsActualizaBD(UpdateLinkFor(*ds), QDir(dir).filePath(QStringLiteral("ActualDB"))).Actualiza_BasedeDatos();
  const QList<MsgSeam::Shown> shown = MsgSeam::Taken().mid(before);
  MsgSeam::Clear();  // handed back to the caller instead
  MsgSeam::Capture(capturing);
  return shown;
}

struct Built {
  QTemporaryDir terminal;
  QList<MsgSeam::Shown> boxes;
  bool prepared = false;
};

// The standard demo (50 employees, 3 years), built on first use.
inline const Built& Standard() {
  static Built* built = [] {
    auto* b = new Built;
    b->prepared = PrepareTerminal(b->terminal.path());
    if (b->prepared) b->boxes = Build(b->terminal.path());
    return b;
  }();
  return *built;
}

inline QString StandardTerminal() { return Standard().terminal.path(); }

// A private copy of the standard demo database at `file`.
inline bool CopyTo(const QString& file) {
  QFile::remove(file);
  return QFile::copy(QDir(StandardTerminal()).filePath(QString::fromLatin1(kFile)), file);
}

}  // namespace DemoDatabase
