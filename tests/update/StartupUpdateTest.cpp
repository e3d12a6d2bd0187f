// The start-up update through the real session data source on the embedded engine: the demo
// terminal's scripts are registered exactly, a later start sends only the register's own
// statements, and the update window runs the update when shown and closes itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>  // TLabel.h uses QEvent without including it
#include <QFileInfo>
#include <QPointer>

#include "app/AppData.h"
#include "data/StatementJournal.h"
#include "db/DemoDatabase.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/TLabel.h"
#include "toolkit/TProgressBar.h"
#include "toolkit/TextUtil.h"
#include "update/TActualiza.h"
#include "update/clsActualizaBD.h"

TEST(StartupUpdate, DemoScriptsAreRegisteredWithNameSizeDateTimeAndChecksum) {
  const QString terminal = DemoDatabase::StandardTerminal();
  auto ds = DemoDatabase::Open(QDir(terminal).filePath("portal-demo.db"));
  const QList<UpdateScript::FileInfo> files = UpdateScript::List(QDir(terminal).filePath("ActualDB"));
  ASSERT_GE(files.size(), 7);
  for (const UpdateScript::FileInfo& f : files) {
    SCOPED_TRACE(f.name.toStdString());
    const ResultSet reg = ds->Query(clsActualizaBD::RegisterQuery(f.name));
    ASSERT_EQ(reg.rows.size(), 1);
    QFile in(QDir(terminal).filePath("ActualDB/" + f.name));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const Row& r = reg.rows.row(1);
    EXPECT_EQ(r.col(2).toLongLong(), f.size);
    EXPECT_EQ(Text::ToText(r.col(3)).left(8), Text::DToS(f.date));
    EXPECT_EQ(r.col(4).toString(), f.time);
    EXPECT_EQ(r.col(5).toLongLong(), qint64(UpdateScript::Checksum(in.readAll())));
  }
}

TEST(StartupUpdate, ALaterStartSendsOnlyTheRegisterStatements) {
  QTemporaryDir dir;
  ASSERT_TRUE(DemoDatabase::CopyTo(dir.filePath("portal-demo.db")));
  auto ds = DemoDatabase::Open(dir.filePath("portal-demo.db"));
  const QString folder = QDir(DemoDatabase::StandardTerminal()).filePath("ActualDB");
  StatementJournal::Clear();
  clsActualizaBD(UpdateLinkFor(*ds), folder).Actualiza_BasedeDatos();
  QStringList expected{clsActualizaBD::RegisterCreation()};
  for (const auto& f : UpdateScript::List(folder)) expected << clsActualizaBD::RegisterQuery(f.name);
  EXPECT_EQ(StatementJournal::Statements(), expected);
}

TEST(StartupUpdate, WindowRunsTheUpdateWhenShownAndClosesItself) {
  ScopedWorkDir work;
  QDir().mkdir("ActualDB");
  QFile script("ActualDB/ActualizaPortalEmpleadoEscritorio1.sql");
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write("CREATE TABLE avisos (texto TEXT)\nGO\nINSERT INTO avisos VALUES ('listo')\nGO\n");
  script.close();
  AppData.oAdo = DemoDatabase::Open(work.file("portal.db"));
  MsgSeam::Clear();

  QPointer<TActualiza> window = TForm::New<TActualiza>();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Actualizando Base de Datos"));
  EXPECT_EQ(window->oLabel1->text(), QStringLiteral("Espere un momento, se está actualizando la base de datos."));
  window->Show();
  ASSERT_FALSE(window.isNull());  // deleted only when control returns to the event loop
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->oProgressBar1->maximum(), 4);
  EXPECT_EQ(window->oProgressBar1->value(), 4);
  const ResultSet r = AppData.oAdo->Query(QStringLiteral("select texto from avisos"));
  ASSERT_EQ(r.rows.size(), 1);
  EXPECT_EQ(r.rows.row(1).col(1).toString(), QStringLiteral("listo"));
  EXPECT_EQ(AppData.oAdo->Query(QStringLiteral("select count(*) from dbo.ActualDB")).rows.row(1).col(1).toInt(), 1);
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());
  AppData.oAdo.reset();
}

TEST(StartupUpdate, EveryDemoScriptRunsAgainCleanlyWhenChanged) {
  QTemporaryDir terminal;
  ASSERT_TRUE(DemoDatabase::CopyTo(terminal.filePath("portal-demo.db")));
  QDir().mkpath(terminal.filePath("ActualDB"));
  const QString source = QDir(DemoDatabase::StandardTerminal()).filePath("ActualDB");
  for (const QString& name : QDir(source).entryList({"*.sql"}, QDir::Files)) {
    QFile in(source + "/" + name);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QFile out(terminal.filePath("ActualDB/" + name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(in.readAll() + "-- cambio\r\n");
  }
  auto ds = DemoDatabase::Open(terminal.filePath("portal-demo.db"));
  const int before = ds->Query(QStringLiteral("select count(*) from recibos")).rows.row(1).col(1).toInt();
  MsgSeam::Clear();
  StatementJournal::Clear();
  clsActualizaBD(UpdateLinkFor(*ds), terminal.filePath("ActualDB")).Actualiza_BasedeDatos();
  for (const auto& box : MsgSeam::Taken()) ADD_FAILURE() << box.text.left(800).toStdString();
  EXPECT_EQ(StatementJournal::Statements().filter(QStringLiteral(" update dbo.ActualDB")).size(),
            QDir(source).entryList({"*.sql"}, QDir::Files).size());
  // The demo data was rebuilt, not added a second time.
  EXPECT_EQ(ds->Query(QStringLiteral("select count(*) from recibos")).rows.row(1).col(1).toInt(), before);
  EXPECT_EQ(ds->Query(QStringLiteral("select count(*) from usuarios")).rows.row(1).col(1).toInt(), 1);
}

// Counts the update windows shown while it lives.
class UpdateWindowsShown : public QObject {
 public:
  UpdateWindowsShown() { qApp->installEventFilter(this); }
  ~UpdateWindowsShown() override { qApp->removeEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && dynamic_cast<TActualiza*>(watched)) ++count;
    return false;
  }
};

TEST(StartupUpdate, AtStartUpTheWindowAppearsOnlyWhileAScriptIsApplied) {
  ScopedWorkDir work;
  QDir().mkdir("ActualDB");
  QFile script("ActualDB/ActualizaPortalEmpleadoEscritorio1.sql");
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write("CREATE TABLE avisos (texto TEXT)\nGO\nINSERT INTO avisos VALUES ('listo')\nGO\n");
  script.close();
  AppData.oAdo = DemoDatabase::Open(work.file("portal.db"));
  MsgSeam::Clear();
  const struct {
    const char* name;
    int windows;     // shown during the start
    int registered;  // statements after the register's creation
  } starts[] = {
      {"first start applies the script", 1, 4},
      {"next start has nothing to apply", 0, 1},
  };
  for (const auto& s : starts) {
    SCOPED_TRACE(s.name);
    UpdateWindowsShown shown;
    StatementJournal::Clear();
    TActualiza::AlIniciar();
    EXPECT_EQ(shown.count, s.windows);
    EXPECT_EQ(StatementJournal::Statements().size(), 1 + s.registered);
    EXPECT_EQ(StatementJournal::Statements().value(1),
              clsActualizaBD::RegisterQuery(QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql")));
    for (QWidget* w : QApplication::topLevelWidgets())
      EXPECT_FALSE(dynamic_cast<TActualiza*>(w) && w->isVisible());
  }
  EXPECT_EQ(AppData.oAdo->Query(QStringLiteral("select count(*) from avisos")).rows.row(1).col(1).toInt(), 1);
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());
  AppData.oAdo.reset();
}
