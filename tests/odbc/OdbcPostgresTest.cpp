// The ODBC engine against psqlODBC and a throwaway PostgreSQL server on 127.0.0.1.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include "data/ConnectionDialog.h"
#include "data/OdbcEngine.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "odbc/OdbcDrivers.h"
#include "odbc/PostgresServer.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TextUtil.h"

namespace {

class OdbcPostgres : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    PostgresServer& pg = PostgresServer::Instance();
    if (!pg.Running()) return;
    // One database as SQL_ASCII (bytes kept as sent) and one in UTF-8.
    pg.Psql(QStringLiteral("postgres"), QStringLiteral("create database bytes encoding 'SQL_ASCII' template template0"));
    pg.Psql(QStringLiteral("postgres"), QStringLiteral("create database texto encoding 'UTF8' template template0"));
  }
  void SetUp() override {
    if (!PostgresServer::Instance().Running()) GTEST_SKIP() << PostgresServer::Instance().Problem().toStdString();
    MsgSeam::Clear();
  }
  std::unique_ptr<OdbcEngine> open(const QString& db = QStringLiteral("texto"),
                                   OdbcEngine::CharColumns chars = OdbcEngine::CharColumns::Wide) {
    auto e = std::make_unique<OdbcEngine>(PostgresServer::Instance().ConnectionText(db), chars);
    QList<DbError> errors;
    EXPECT_TRUE(e->Open(&errors)) << DescribeErrors(errors).toStdString();
    return e;
  }
  static Row firstRow(const DbOutcome& out) {
    EXPECT_TRUE(out.ok()) << DescribeErrors(out.errors).toStdString();
    const DbResult* r = out.firstRowSet();
    return r && !r->set.rows.isEmpty() ? r->set.rows.first() : Row{};
  }
};

TEST_F(OdbcPostgres, ConnectsWithThePasswordAndRefusesAWrongOne) {
  auto e = open();
  EXPECT_EQ(firstRow(e->Run(QStringLiteral("select current_user"))).col(1).toString(), PostgresServer::User());
  OdbcEngine wrong(PostgresServer::Instance().ConnectionText(QStringLiteral("texto"), QStringLiteral("mala")));
  QList<DbError> errors;
  EXPECT_FALSE(wrong.Open(&errors));
  ASSERT_FALSE(errors.isEmpty());
  EXPECT_TRUE(errors.first().message.contains(QStringLiteral("password"), Qt::CaseInsensitive))
      << DescribeErrors(errors).toStdString();
  EXPECT_NE(errors.first().native, 0);
}

TEST_F(OdbcPostgres, WrongPasswordOnTheSessionDataSourceShowsTheAlert) {
  auto ds = std::make_shared<TDataSource>();
  ds->cConnect = PostgresServer::Instance().ConnectionText(QStringLiteral("texto"), QStringLiteral("mala"));
  int asked = 0;
  ConnectionDialog::SetHookForTests([&](const ConnectionChoice&) -> std::optional<ConnectionChoice> {
    ++asked;
    return std::nullopt;
  });
  ds->SetConnected(true);
  ConnectionDialog::SetHookForTests(nullptr);
  EXPECT_FALSE(ds->lConnected());
  EXPECT_EQ(asked, 1);
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  const MsgSeam::Shown box = MsgSeam::Taken().first();
  EXPECT_EQ(box.kind, MsgKind::Alert);
  EXPECT_EQ(box.title, TDataSource::AlertTitle());
  EXPECT_TRUE(box.text.startsWith(QStringLiteral("Error "))) << box.text.toStdString();
  EXPECT_TRUE(box.text.contains(QStringLiteral("password authentication failed"))) << box.text.toStdString();
  EXPECT_FALSE(ds->Execute(QStringLiteral("select 1")));
}

TEST_F(OdbcPostgres, UnreachableServerFailsAtOnce) {
  QString text = PostgresServer::Instance().ConnectionText(QStringLiteral("texto"));
  text.replace(QStringLiteral("Port=%1").arg(PostgresServer::Instance().Port()), QStringLiteral("Port=1"));
  OdbcEngine engine(text);
  QList<DbError> errors;
  EXPECT_FALSE(engine.Open(&errors));
  EXPECT_FALSE(errors.isEmpty());
}

TEST_F(OdbcPostgres, EveryResultOfABatchInOrder) {
  auto e = open();
  ASSERT_TRUE(e->Run(QStringLiteral("create temporary table t (a int)")).ok());
  const DbOutcome out =
      e->Run(QStringLiteral("insert into t values (1),(2); select a from t order by a; select 'dos' as b, 3 as c"));
  ASSERT_TRUE(out.ok()) << DescribeErrors(out.errors).toStdString();
  ASSERT_EQ(out.results.size(), 3);
  EXPECT_FALSE(out.results[0].hasColumns);
  EXPECT_EQ(out.results[0].rowsAffected, 2);
  EXPECT_EQ(out.results[1].set.rows.size(), 2);
  EXPECT_EQ(out.results[2].set.columns, (QStringList{QStringLiteral("b"), QStringLiteral("c")}));
  // The first result with columns is the one a query object takes.
  EXPECT_EQ(out.firstRowSet(), &out.results[1]);
}

TEST_F(OdbcPostgres, ErrorsCarryStateAndNativeNumber) {
  auto e = open();
  const DbOutcome out = e->Run(QStringLiteral("select * from no_existe"));
  ASSERT_FALSE(out.ok());
  EXPECT_EQ(out.errors.first().sqlState, QStringLiteral("42P01"));
  EXPECT_NE(out.errors.first().native, 0);
  EXPECT_TRUE(out.errors.first().message.contains(QStringLiteral("no_existe")));
  EXPECT_FALSE(out.connectionLost);
  EXPECT_TRUE(e->Run(QStringLiteral("select 1")).ok());
}

TEST_F(OdbcPostgres, OneMegabyteBinaryComesBackWhole) {
  auto e = open();
  QByteArray blob(1024 * 1024, '\0');
  for (int i = 0; i < blob.size(); ++i) blob[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  ASSERT_TRUE(e->Run(QStringLiteral("create temporary table b (data bytea)")).ok());
  ASSERT_TRUE(e->Run(QStringLiteral("insert into b values (decode('") + QString::fromLatin1(blob.toHex()) +
                     QStringLiteral("', 'hex'))")).ok());
  const Row row = firstRow(e->Run(QStringLiteral("select data from b")));
  ASSERT_EQ(row.col(1).typeId(), QMetaType::QByteArray);
  EXPECT_EQ(row.col(1).toByteArray().size(), blob.size());
  EXPECT_TRUE(row.col(1).toByteArray() == blob);
}

TEST_F(OdbcPostgres, DecimalsStayExact) {
  auto e = open();
  const Row row = firstRow(e->Run(QStringLiteral(
      "select 12345.6700::numeric(12,4), 123456789012::numeric(15,0), 12345678901234567.8912::numeric(30,4), "
      "-0.05::numeric(5,2), 99999999999999999999::numeric(25,0), NULL::numeric(5,2)")));
  EXPECT_EQ(row.col(1), QVariant(12345.67));
  EXPECT_EQ(row.col(2), QVariant(qlonglong(123456789012)));
  EXPECT_EQ(row.col(3), QVariant(QStringLiteral("12345678901234567.8912")));  // no double holds it
  EXPECT_EQ(row.col(4), QVariant(-0.05));
  EXPECT_EQ(row.col(5), QVariant(QStringLiteral("99999999999999999999")));
  EXPECT_TRUE(row.col(6).isNull());
}

TEST_F(OdbcPostgres, EveryWindows1252ByteOfATextColumnRoundTrips) {
  // A database that keeps bytes as sent stands for SQL Server's Windows-1252 varchar columns.
  // The ANSI driver leaves the client encoding at the database's, so no conversion happens.
  QString rawText = PostgresServer::Instance().ConnectionText(QStringLiteral("bytes"));
  rawText.replace(OdbcDrivers::Postgres(), OdbcDrivers::PostgresAnsi());
  rawText += QStringLiteral("ConnSettings={set client_encoding to 'SQL_ASCII'};");
  auto raw = std::make_unique<OdbcEngine>(rawText, OdbcEngine::CharColumns::Cp1252Bytes);
  QList<DbError> errors;
  ASSERT_TRUE(raw->Open(&errors)) << DescribeErrors(errors).toStdString();
  QString escapes;
  QByteArray bytes;
  for (int b = 1; b < 256; ++b) {
    bytes += static_cast<char>(b);
    escapes += QStringLiteral("\\x%1").arg(b, 2, 16, QChar(u'0'));
  }
  ASSERT_TRUE(raw->Run(QStringLiteral("create temporary table c (t varchar(300))")).ok());
  ASSERT_TRUE(raw->Run(QStringLiteral("insert into c values (E'") + escapes + QStringLiteral("')")).ok());
  const QString back = firstRow(raw->Run(QStringLiteral("select t from c"))).col(1).toString();
  EXPECT_EQ(back, Text::FromCp1252(bytes));
  EXPECT_EQ(back.size(), 255);
  for (int gap : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(back.at(gap - 1), QChar(gap));

  // Through the wide path: text sent in the statement comes back as the same characters.
  auto wide = open(QStringLiteral("texto"));
  ASSERT_TRUE(wide->Run(QStringLiteral("create temporary table w (t text)")).ok());
  ASSERT_TRUE(wide->Run(QStringLiteral("insert into w values ('") + Text::EscapeQuotes(back) + QStringLiteral("')")).ok());
  EXPECT_EQ(firstRow(wide->Run(QStringLiteral("select t from w"))).col(1).toString(), back);
}

TEST_F(OdbcPostgres, LostConnectionIsReportedAndTheDataSourceReconnects) {
  auto victim = open();
  const qlonglong pid = firstRow(victim->Run(QStringLiteral("select pg_backend_pid()"))).col(1).toLongLong();
  auto killer = open();
  ASSERT_TRUE(killer->Run(QStringLiteral("select pg_terminate_backend(%1)").arg(pid)).ok());
  const DbOutcome lost = victim->Run(QStringLiteral("select 1"));
  ASSERT_FALSE(lost.ok());
  EXPECT_TRUE(lost.connectionLost) << DescribeErrors(lost.errors).toStdString();
  EXPECT_FALSE(victim->IsOpen());

  // The session data source shows the alert, the query has no rows, and the next query reconnects.
  auto ds = std::make_shared<TDataSource>();
  ds->cConnect = PostgresServer::Instance().ConnectionText(QStringLiteral("texto"));
  ds->SetConnected(true);
  ASSERT_TRUE(ds->lConnected());
  const qlonglong dsPid = TQuery(ds, QStringLiteral("GENERAL"), QStringLiteral("select pg_backend_pid()")).GetRows().row(1).col(1).toLongLong();
  ASSERT_TRUE(killer->Run(QStringLiteral("select pg_terminate_backend(%1)").arg(dsPid)).ok());
  MsgSeam::Clear();
  TQuery failed(ds, QStringLiteral("GENERAL"), QStringLiteral("select 1"));
  EXPECT_EQ(failed.RecCount(), 0);
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken().first().kind, MsgKind::Alert);
  EXPECT_FALSE(ds->lConnected());
  // The link broke under an open connection: a write opens it again (the server is there).
  EXPECT_TRUE(ds->Execute(QStringLiteral("select 1")));
  EXPECT_TRUE(ds->lConnected());
  TQuery again(ds, QStringLiteral("GENERAL"), QStringLiteral("select 2"));
  EXPECT_EQ(again.RecCount(), 1);
  EXPECT_TRUE(ds->lConnected());
}

TEST_F(OdbcPostgres, ServerStoppedBetweenTwoStatementsThenStartedAgain) {
  PostgresServer& pg = PostgresServer::Instance();
  auto ds = std::make_shared<TDataSource>();
  ds->cConnect = pg.ConnectionText(QStringLiteral("texto"));
  ds->SetConnected(true);
  ASSERT_TRUE(ds->lConnected());
  const QString pid = QStringLiteral("select pg_backend_pid()");
  const qlonglong first = TQuery(ds, QStringLiteral("GENERAL"), pid).GetRows().row(1).col(1).toLongLong();
  ASSERT_GT(first, 0);

  pg.Stop();
  struct StartAgain {
    PostgresServer& pg;
    ~StartAgain() { pg.Start(); }  // the tests after this one need the server
  } startAgain{pg};
  MsgSeam::Clear();
  TQuery failed(ds, QStringLiteral("GENERAL"), QStringLiteral("select 1"));
  EXPECT_EQ(failed.RecCount(), 0);
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken().first().kind, MsgKind::Alert);
  EXPECT_EQ(MsgSeam::Taken().first().title, TDataSource::AlertTitle());
  // psqlODBC's own words for the session the stopping server ended, then the statement.
  EXPECT_EQ(MsgSeam::Taken().first().text,
            QStringLiteral("Error 35 [57P01]: server closed the connection unexpectedly\n"
                           "\tThis probably means the server terminated abnormally\n"
                           "\tbefore or while processing the request.\n;\n"
                           "The connection has been lost\r\n\r\nSentencia: select 1"));
  EXPECT_FALSE(ds->lConnected());

  ASSERT_TRUE(pg.Start()) << pg.Problem().toStdString();
  MsgSeam::Clear();
  TQuery again(ds, QStringLiteral("GENERAL"), pid);
  ASSERT_EQ(again.RecCount(), 1) << MsgSeam::Texts().join(u'|').toStdString();
  EXPECT_NE(again.GetRows().row(1).col(1).toLongLong(), first);  // a fresh session of the new server
  EXPECT_TRUE(ds->lConnected());
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());
}

}  // namespace
