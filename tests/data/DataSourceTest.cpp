// The session data source: opening from config.ini, the alert, the connection dialog, the
// query object's shapes, closing.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include "DataFixture.h"
#include "data/ConnectionDialog.h"
#include "data/TQuery.h"

namespace {

using DataSource = DataTest;

TEST_F(DataSource, QueryTakesTheFirstResultWithColumns) {
  ASSERT_TRUE(AppData.oAdo->Execute(QStringLiteral(
      "create procedure Varios as begin insert into rhestados values (3, 'CAMPECHE'); "
      "select edtado from rhestados where idestados > 100; select count(*) from rhestados; end")));
  TQuery q(AppData.oAdo, QStringLiteral(" GENERAL"), QStringLiteral("exec Varios"));
  EXPECT_EQ(q.RecCount(), 0);  // the empty row set comes first and is the one taken
  EXPECT_EQ(q.FieldNames(), QStringList{QStringLiteral("edtado")});
  EXPECT_TRUE(q.GetRows().isEmpty());
  EXPECT_FALSE(q.Failed());
  TQuery count(AppData.oAdo, QStringLiteral("GENERAL"), QStringLiteral("select count(*) as n from rhestados"));
  ASSERT_EQ(count.RecCount(), 1);
  EXPECT_EQ(count.GetRows().row(1).col(1).toLongLong(), 3);
  EXPECT_EQ(count.Result().columns, QStringList{QStringLiteral("n")});
  count.Close();
  EXPECT_EQ(count.RecCount(), 0);
  EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(DataSource, JournalKeepsEveryStatementInOrderWithItsOutcome) {
  AppData.oAdo->Execute(QStringLiteral("insert into rhestados values (9, 'X')"));
  TQuery q(AppData.oAdo, QStringLiteral("GENERAL"), QStringLiteral("select * from rhestados"));
  AppData.oAdo->Execute(QStringLiteral("insert into nohay values (1)"));
  const QList<JournalEntry> e = StatementJournal::Entries();
  ASSERT_EQ(e.size(), 3);
  EXPECT_EQ(e[0].kind, JournalEntry::Kind::Statement);
  EXPECT_EQ(e[0].channel, QStringLiteral("oAdo"));
  EXPECT_TRUE(e[0].ok);
  EXPECT_EQ(e[1].kind, JournalEntry::Kind::Query);
  EXPECT_EQ(e[1].outcome, QStringLiteral("3 filas"));
  EXPECT_FALSE(e[2].ok);
  EXPECT_TRUE(e[2].outcome.contains(QStringLiteral("nohay")));
  EXPECT_EQ(StatementJournal::Last(), QStringLiteral("insert into nohay values (1)"));
}

TEST_F(DataSource, JournalIsWrittenToTheFileNamedByTheEnvironment) {
  const QString log = dir.file(QStringLiteral("sentencias.log"));
  qputenv("PORTAL_STATEMENT_LOG", log.toLocal8Bit());
  AppData.oAdo->Execute(QStringLiteral("update rhestados set edtado = 'A' where idestados = 1"));
  qunsetenv("PORTAL_STATEMENT_LOG");
  AppData.oAdo->Execute(QStringLiteral("select 'no registrada'"));
  QFile f(log);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(f.readAll());
  EXPECT_TRUE(text.contains(QStringLiteral("\toAdo\tEXEC\tOK\tupdate rhestados set edtado = 'A' where idestados = 1\t")));
  EXPECT_FALSE(text.contains(QStringLiteral("no registrada")));
}

TEST_F(DataSource, RejectedStatementShowsTheAlertAndReturnsFalse) {
  EXPECT_FALSE(AppData.oAdo->Execute(QStringLiteral("exec NoExiste 1")));
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_EQ(boxes().first().kind, MsgKind::Alert);
  EXPECT_EQ(boxes().first().text, QStringLiteral("Error 2812: Could not find stored procedure 'NoExiste'.\r\n\r\n"
                                                 "Sentencia: exec NoExiste 1"));
  MsgSeam::Clear();
  TQuery q(AppData.oAdo, QStringLiteral("GENERAL"), QStringLiteral("select * from nohay"));
  EXPECT_EQ(q.RecCount(), 0);
  EXPECT_TRUE(q.Failed());
  EXPECT_EQ(boxes().size(), 1);
  EXPECT_TRUE(AppData.oAdo->lConnected());  // a rejected statement leaves the connection open
  MsgSeam::Clear();
  EXPECT_FALSE(AppData.oAdo->Execute(QString()));  // empty text: false, nothing shown or sent
  EXPECT_TRUE(boxes().isEmpty());
  EXPECT_EQ(StatementJournal::Statements().size(), 2);
}

TEST_F(DataSource, ClosedConnection) {
  AppData.oConexion->CierraConexion();
  EXPECT_FALSE(AppData.oAdo->lConnected());
  EXPECT_FALSE(AppData.oAdo->Execute(QStringLiteral("insert into rhestados values (4, 'X')")));
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_TRUE(boxes().first().text.startsWith(QStringLiteral("Error 0: Connection closed")));
  // A query connects again first.
  MsgSeam::Clear();
  TQuery q(AppData.oAdo, QStringLiteral("GENERAL"), QStringLiteral("select count(*) from rhestados"));
  EXPECT_EQ(q.GetRows().row(1).col(1).toLongLong(), 2);
  EXPECT_TRUE(boxes().isEmpty());
  EXPECT_TRUE(AppData.oAdo->lConnected());
}

class DataSourceOpening : public ::testing::Test {
 protected:
  void SetUp() override {
    MsgSeam::Clear();
    StatementJournal::Clear();
  }
  void TearDown() override { ConnectionDialog::SetHookForTests(nullptr); }
  static QList<MsgSeam::Shown> boxes() { return MsgSeam::Taken(); }
  ScopedWorkDir dir;
};

TEST_F(DataSourceOpening, EmbeddedDatabaseNamedByBd) {
  DataFixture::WriteConfig(QStringLiteral("ignorado"), QStringLiteral("Terminal.DB"), QStringLiteral("sa"),
                           QStringLiteral("clave"), QStringLiteral(".F."));
  mdlConexion settings;
  settings.LeeConfiguracion(TIni(QStringLiteral("config.ini")));
  const auto ds = settings.Conecta();
  EXPECT_TRUE(ds->lConnected());
  EXPECT_EQ(ds->cConnect, QStringLiteral("provider=SQLOLEDB;OLE DB Services= -2;server=ignorado;database=Terminal.DB;"
                                         "uid=sa;pwd=clave;"));
  EXPECT_EQ(ds->cUser, QStringLiteral("sa"));
  EXPECT_EQ(ds->nConnTimeOut, 0);
  EXPECT_EQ(ds->nTimeOut, 0);
  EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("Terminal.DB"))));
  const QList<JournalEntry> e = StatementJournal::Entries();
  ASSERT_EQ(e.size(), 1);
  EXPECT_EQ(e.first().kind, JournalEntry::Kind::Connect);
  EXPECT_EQ(e.first().statement, QStringLiteral("provider=SQLOLEDB;OLE DB Services= -2;server=ignorado;"
                                                "database=Terminal.DB;uid=sa;pwd=***;"));
  EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(DataSourceOpening, NoConnectionTextOffersTheDialogForThisRunOnly) {
  DataFixture::WriteConfig(QStringLiteral("x"), QStringLiteral("portal.db"), QString(), QString(), QString());
  int asked = 0;
  ConnectionDialog::SetHookForTests([&](const ConnectionChoice& initial) -> std::optional<ConnectionChoice> {
    ++asked;
    EXPECT_TRUE(initial.server.isEmpty());
    return ConnectionChoice{QStringLiteral("local"), QStringLiteral("elegida.db"), QStringLiteral("u"), QStringLiteral("p"), false};
  });
  mdlConexion settings;
  settings.LeeConfiguracion(TIni(QStringLiteral("config.ini")));
  EXPECT_TRUE(settings.TextoConexion().isEmpty());
  const auto ds = settings.Conecta();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(ds->lConnected());
  EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("elegida.db"))));
  EXPECT_TRUE(ds->cConnect.contains(QStringLiteral("database=elegida.db")));
  EXPECT_EQ(TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("CONFIG"), QStringLiteral("BD")),
            QStringLiteral("portal.db"));  // config.ini is not touched
  EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(DataSourceOpening, CancelledDialogLeavesItUnconnectedAndEachQueryTriesAgain) {
  // No config.ini at all: every key is empty, AUTOWIN too.
  int asked = 0;
  ConnectionDialog::SetHookForTests([&](const ConnectionChoice&) -> std::optional<ConnectionChoice> {
    ++asked;
    return std::nullopt;
  });
  mdlConexion settings;
  settings.LeeConfiguracion(TIni(QStringLiteral("config.ini")));
  const auto ds = settings.Conecta();
  EXPECT_FALSE(ds->lConnected());
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_EQ(boxes().first().kind, MsgKind::Alert);
  EXPECT_TRUE(boxes().first().text.contains(QStringLiteral("[CONFIG]")));
  TQuery q(ds, QStringLiteral("GENERAL"), QStringLiteral("select 1"));
  EXPECT_EQ(q.RecCount(), 0);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(boxes().size(), 2);
  EXPECT_FALSE(ds->Execute(QStringLiteral("select 1")));
  EXPECT_EQ(boxes().size(), 3);
}

TEST_F(DataSourceOpening, FailedOpenShowsTheAlertThenAsksOnce) {
  DataFixture::WriteConfig(QStringLiteral("srv"), QStringLiteral("no/existe/portal.db"), QStringLiteral("sa"),
                           QStringLiteral("clave"), QStringLiteral(".F."));
  QList<ConnectionChoice> offered;
  ConnectionDialog::SetHookForTests([&](const ConnectionChoice& initial) -> std::optional<ConnectionChoice> {
    offered << initial;
    ConnectionChoice fixed = initial;
    fixed.database = QStringLiteral("portal.db");
    return fixed;
  });
  mdlConexion settings;
  settings.LeeConfiguracion(TIni(QStringLiteral("config.ini")));
  const auto ds = settings.Conecta();
  ASSERT_EQ(offered.size(), 1);
  EXPECT_EQ(offered.first().server, QStringLiteral("srv"));
  EXPECT_EQ(offered.first().database, QStringLiteral("no/existe/portal.db"));
  EXPECT_EQ(offered.first().user, QStringLiteral("sa"));
  EXPECT_EQ(offered.first().password, QStringLiteral("clave"));
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_TRUE(boxes().first().text.contains(QStringLiteral("no/existe/portal.db")));
  EXPECT_TRUE(ds->lConnected());
}

}  // namespace
