// Start-up database update: which scripts run, how they are cut into batches, what is registered.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "data/StatementJournal.h"
#include "db/DemoDatabase.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TextUtil.h"
#include "update/clsActualizaBD.h"

namespace {

const QString kCreate = clsActualizaBD::RegisterCreation();

class UpdateFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    MsgSeam::Clear();
    QDir().mkdir(QStringLiteral("ActualDB"));
  }
  void write(const QString& name, const QByteArray& bytes) {
    QFile f(QStringLiteral("ActualDB/") + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  // One program start: a fresh data source on the same database file; returns the statements
  // it sent, and keeps those the engine rejected.
  QStringList start() {
    auto ds = DemoDatabase::Open(work.file(QStringLiteral("portal.db")));
    StatementJournal::Clear();
    clsActualizaBD update(UpdateLinkFor(*ds));
    EXPECT_TRUE(update.Actualiza_BasedeDatos());
    failed.clear();
    for (const JournalEntry& e : StatementJournal::Entries())
      if (!e.ok) failed << e.statement;
    return StatementJournal::Statements();
  }
  Rows select(const QString& sql) { return DemoDatabase::Open(work.file(QStringLiteral("portal.db")))->Query(sql).rows; }
  // Statements sent other than the register's own.
  static QStringList batches(const QStringList& journal) {
    QStringList out;
    for (const QString& s : journal)
      if (s != kCreate && !s.contains(QStringLiteral("dbo.ActualDB"))) out << s;
    return out;
  }
  ScopedWorkDir work;
  QStringList failed;
};

const QByteArray kTwoTables =
    "CREATE TABLE uno (a INTEGER);\r\nGO\r\nCREATE TABLE dos (b TEXT);\r\nINSERT INTO dos VALUES ('x');\r\nGO\r\n";

}  // namespace

TEST_F(UpdateFixture, FirstStartRunsAndRegistersEveryScriptWithSizeDateTimeAndChecksum) {
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql"), kTwoTables);
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio2.sql"), "CREATE TABLE tres (c INTEGER)\nGO\n");
  write(QStringLiteral("OtroScript.sql"), "CREATE TABLE nunca (c INTEGER)\nGO\n");

  const QStringList journal = start();

  EXPECT_EQ(journal.first(), kCreate);
  EXPECT_EQ(batches(journal),
            (QStringList{"CREATE TABLE uno (a INTEGER);\r\n", "CREATE TABLE dos (b TEXT);\r\nINSERT INTO dos VALUES ('x');\r\n",
                         "CREATE TABLE tres (c INTEGER)\r\n"}));
  EXPECT_TRUE(failed.isEmpty()) << failed.join(u'|').toStdString();
  const Rows reg = select(QStringLiteral("select Script,Longitud,Fecha,Hora,CheckSum from ActualDB order by Script"));
  ASSERT_EQ(reg.size(), 2);
  const QFileInfo fi(QStringLiteral("ActualDB/ActualizaPortalEmpleadoEscritorio1.sql"));
  EXPECT_EQ(reg.row(1).col(1).toString(), QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql"));
  EXPECT_EQ(reg.row(1).col(2).toLongLong(), kTwoTables.size());
  EXPECT_EQ(reg.row(1).col(3).toString(), Text::DToS(fi.lastModified().date()));
  EXPECT_EQ(reg.row(1).col(4).toString(), fi.lastModified().time().toString(QStringLiteral("HH:mm:ss")));
  EXPECT_EQ(reg.row(1).col(5).toLongLong(), qint64(UpdateScript::Checksum(kTwoTables)));
  EXPECT_EQ(journal.at(journal.indexOf(QRegularExpression("^insert into dbo.ActualDB.*Escritorio1.*"))),
            QStringLiteral("insert into dbo.ActualDB (Script,Longitud,Fecha,Hora,CheckSum)Values('"
                           "ActualizaPortalEmpleadoEscritorio1.sql','%1','%2','%3','%4')")
                .arg(kTwoTables.size())
                .arg(Text::DToS(fi.lastModified().date()), fi.lastModified().time().toString("HH:mm:ss"))
                .arg(UpdateScript::Checksum(kTwoTables)));
  EXPECT_EQ(select(QStringLiteral("select count(*) from nunca")).size(), 0);  // never created
}

TEST_F(UpdateFixture, SecondStartWithUnchangedScriptsOnlyAsksTheRegister) {
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql"), kTwoTables);
  start();
  const QStringList second = start();
  EXPECT_EQ(second, (QStringList{kCreate, "select  Script,Longitud,Fecha,Hora,CheckSum from dbo.ActualDB  where "
                                          "script='ActualizaPortalEmpleadoEscritorio1.sql'"}));
}

TEST_F(UpdateFixture, OneChangedByteRerunsTheWholeScriptAndEditingBackRerunsAgain) {
  const QString name = QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql");
  const QByteArray first = "INSERT INTO log VALUES ('a');\nGO\nINSERT INTO log VALUES ('b');\nGO\n";
  QByteArray edited = first;
  edited[25] = 'A';
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio0.sql"), "CREATE TABLE log (v TEXT)\nGO\n");
  write(name, first);
  start();
  write(name, edited);
  const QStringList rerun = start();
  EXPECT_EQ(batches(rerun).size(), 2);
  const QString update = rerun.filter(QStringLiteral(" update dbo.ActualDB")).value(0);
  const QFileInfo fi(QStringLiteral("ActualDB/") + name);
  EXPECT_EQ(update, QStringLiteral(" update dbo.ActualDB set Longitud='%1', Fecha='%2', Hora='%3', CheckSum='%4'  where "
                                   "Script = 'ActualizaPortalEmpleadoEscritorio1.sql'")
                        .arg(edited.size())
                        .arg(Text::DToS(fi.lastModified().date()), fi.lastModified().time().toString("HH:mm:ss"))
                        .arg(UpdateScript::Checksum(edited)));
  write(name, first);
  EXPECT_EQ(batches(start()).size(), 2);
  EXPECT_EQ(batches(start()).size(), 0);
  const Rows log = select(QStringLiteral("select group_concat(v, '') from log"));
  EXPECT_EQ(log.row(1).col(1).toString(), QStringLiteral("abAbab"));
  EXPECT_EQ(select(QStringLiteral("select count(*) from ActualDB")).row(1).col(1).toInt(), 2);
}

struct BatchCase {
  const char* name;
  QByteArray script;
  QStringList sent;
};

class BatchSplitting : public UpdateFixture, public ::testing::WithParamInterface<BatchCase> {};

TEST_P(BatchSplitting, SendsTheBatchesBetweenSeparatorLines) {
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql"), GetParam().script);
  EXPECT_EQ(batches(start()), GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, BatchSplitting,
    ::testing::Values(
        BatchCase{"GotoEndsABatch", "SELECT 1\nGOTO fin\nSELECT 2\ngo 5\n", {"SELECT 1\r\n", "SELECT 2\r\n"}},
        BatchCase{"LowerCaseAndIndentedGo", "SELECT 1\n   go  \nSELECT 2\n\tGo\n", {"SELECT 1\r\n", "SELECT 2\r\n"}},
        BatchCase{"TextAfterLastSeparatorIsNotRun", "SELECT 1\nGO\nSELECT 2\n", {"SELECT 1\r\n"}},
        BatchCase{"EmptyBatchSendsNothing", "SELECT 1\nGO\nGO\n\n  \nGO\nSELECT 2\nGO\n", {"SELECT 1\r\n", "SELECT 2\r\n"}},
        BatchCase{"LinesAreTrimmedInsideLiterals", "  SELECT 'a\n    b'  \nGO\n", {"SELECT 'a\r\nb'\r\n"}},
        BatchCase{"MacLineEndsAndNoFinalBreak", "SELECT 1\rGO", {"SELECT 1\r\n"}},
        BatchCase{"LongLinesKeepTheirFirst1000Characters",
                  "SELECT '" + QByteArray(1200, 'x') + "'\nGO\n",
                  {"SELECT '" + QString(992, u'x') + "\r\n"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdateFixture, MissingFolderOnlyCreatesTheRegister) {
  QDir(QStringLiteral("ActualDB")).removeRecursively();
  EXPECT_EQ(start(), QStringList{kCreate});
  EXPECT_EQ(select(QStringLiteral("select count(*) from ActualDB")).row(1).col(1).toInt(), 0);
}

TEST_F(UpdateFixture, FailingBatchIsReportedTheNextRunsAndTheScriptIsRegistered) {
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql"),
        "CREATE TABLE a (x INTEGER)\nGO\nCREATE TABLEE b (y)\nGO\nINSERT INTO a VALUES (7)\nGO\n");
  start();
  EXPECT_EQ(failed, QStringList{"CREATE TABLEE b (y)\r\n"});
  const auto boxes = MsgSeam::Taken();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_EQ(boxes[0].kind, MsgKind::Alert);
  EXPECT_EQ(select(QStringLiteral("select x from a")).row(1).col(1).toInt(), 7);
  EXPECT_EQ(select(QStringLiteral("select count(*) from ActualDB")).row(1).col(1).toInt(), 1);
  EXPECT_EQ(batches(start()).size(), 0);
}

TEST_F(UpdateFixture, Windows1252AndUtf8ScriptsKeepTheirAccents) {
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql"),
        "CREATE TABLE t (v TEXT)\nGO\nINSERT INTO t VALUES ('PE\xD1" "A a\xF1o')\nGO\n");
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio2.sql"),
        "\xEF\xBB\xBFINSERT INTO t VALUES ('Pe\xC3\xB1" "a')\nGO\n");
  start();
  const Rows rows = select(QStringLiteral("select v from t order by rowid"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows.row(1).col(1).toString(), QStringLiteral("PEÑA año"));
  EXPECT_EQ(rows.row(2).col(1).toString(), QStringLiteral("Peña"));
}

TEST_F(UpdateFixture, UnreadableScriptIsReportedSkippedAndTriedAgainNextStart) {
  ASSERT_TRUE(QFile::link(work.file(QStringLiteral("missing-target.sql")),
                          QStringLiteral("ActualDB/ActualizaPortalEmpleadoEscritorio1.sql")));
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio2.sql"), "CREATE TABLE ok (v)\nGO\n");
  const QStringList journal = start();
  EXPECT_EQ(batches(journal), QStringList{"CREATE TABLE ok (v)\r\n"});
  const auto boxes = MsgSeam::Taken();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_EQ(boxes[0].kind, MsgKind::Stop);
  EXPECT_EQ(boxes[0].title, QStringLiteral("ACTUALIZACION INCOMPLETA"));
  EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql")));
  EXPECT_EQ(select(QStringLiteral("select Script from ActualDB")).size(), 1);
}

TEST_F(UpdateFixture, ScriptsRunInCaseInsensitiveNameOrder) {
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio_b.sql"), "SELECT 'b'\nGO\n");
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio_A.sql"), "SELECT 'A'\nGO\n");
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio_C.sql"), "SELECT 'C'\nGO\n");
  EXPECT_EQ(batches(start()), (QStringList{"SELECT 'A'\r\n", "SELECT 'b'\r\n", "SELECT 'C'\r\n"}));
}

TEST_F(UpdateFixture, QuoteInAScriptNameIsEscapedInTheRegister) {
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio'1.sql"), "SELECT 1\nGO\n");
  start();
  EXPECT_TRUE(failed.isEmpty());
  EXPECT_EQ(batches(start()).size(), 0);
}

TEST_F(UpdateFixture, ProgressStepsOncePerLine) {
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql"), "SELECT 1\nGO\nSELECT 2\nGO\n");
  auto ds = DemoDatabase::Open(work.file(QStringLiteral("portal.db")));
  clsActualizaBD update(UpdateLinkFor(*ds));
  QList<QPair<int, int>> steps;
  update.SetProgress([&](int v, int m) { steps << qMakePair(v, m); });
  update.Actualiza_BasedeDatos();
  EXPECT_EQ(steps, (QList<QPair<int, int>>{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}}));
}

TEST_F(UpdateFixture, EjecutaCGIOnAMissingFileDoesNothing) {
  auto ds = DemoDatabase::Open(work.file(QStringLiteral("portal.db")));
  StatementJournal::Clear();
  clsActualizaBD update(UpdateLinkFor(*ds));
  EXPECT_TRUE(update.EjecutaCGI(QStringLiteral("ActualDB/no-existe.sql")));
  EXPECT_TRUE(StatementJournal::Statements().isEmpty());
}

TEST(UpdateChecksum, IsTheStandardCrc32) {
  EXPECT_EQ(UpdateScript::Checksum("123456789"), 0xCBF43926u);
  EXPECT_EQ(UpdateScript::Checksum(QByteArray()), 0u);
}

TEST_F(UpdateFixture, UnreadableRegisterIsReportedAndNoScriptRunsTwice) {
  {
    auto ds = DemoDatabase::Open(work.file(QStringLiteral("portal.db")));
    ds->Execute(QStringLiteral("CREATE VIEW ActualDB AS SELECT 1 AS otra"));
  }
  write(QStringLiteral("ActualizaPortalEmpleadoEscritorio1.sql"), "CREATE TABLE nueva (v)\nGO\n");
  MsgSeam::Clear();
  EXPECT_TRUE(batches(start()).isEmpty());
  EXPECT_FALSE(MsgSeam::Taken().isEmpty());  // the data source's alerts
}
