// The SQL Server path end to end: FreeTDS talking TDS 7.4 to a stand-in server on 127.0.0.1
// (tests/odbc/fake_sql_server.py) that answers a few statements the way SQL Server does.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "support/BuildPaths.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include "data/ConnectionDialog.h"
#include "data/ConnectionTexts.h"
#include "data/OdbcEngine.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "data/TRecordSet.h"
#include "data/clsConexion.h"
#include "data/mdlConexion.h"
#include "odbc/OdbcDrivers.h"
#include "toolkit/ErrorSys.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

namespace {

class FakeSqlServer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (OdbcDrivers::Find("libtdsodbc.so").isEmpty() || !QFile::exists(QStringLiteral("/usr/bin/python3"))) return;
    server = new QProcess;
    server->start(QStringLiteral("/usr/bin/python3"),
                  {BuildPaths::Source(QStringLiteral("/tests/odbc/fake_sql_server.py"))});
    if (server->waitForReadyRead(10000)) port = server->readLine().trimmed().toInt();
  }
  static void TearDownTestSuite() {
    if (!server) return;
    server->kill();
    server->waitForFinished();
    delete server;
    server = nullptr;
  }
  void SetUp() override {
    if (port == 0) GTEST_SKIP() << "FreeTDS or /usr/bin/python3 missing";
    MsgSeam::Clear();
    StatementJournal::Clear();
  }
  void TearDown() override { ConnectionDialog::SetHookForTests(nullptr); }

  static std::unique_ptr<DbEngine> engine(const QString& user = QStringLiteral("sa")) {
    QString error;
    auto e = ConnectionTexts::MakeEngine(
        QStringLiteral("provider=SQLOLEDB;OLE DB Services= -2;server=127.0.0.1,%1;database=Nomina;uid=%2;pwd=x;").arg(port).arg(user),
        user, QStringLiteral("x"), &error);
    return e;
  }
  static Row firstRow(const DbOutcome& out) {
    EXPECT_TRUE(out.ok()) << DescribeErrors(out.errors).toStdString();
    const DbResult* r = out.firstRowSet();
    return r && !r->set.rows.isEmpty() ? r->set.rows.first() : Row{};
  }
  void writeConfig(const QString& user) {
    const TIni ini(QStringLiteral("config.ini"));
    ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("SERVER"), QStringLiteral("127.0.0.1,%1").arg(port));
    ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("BD"), QStringLiteral("Nomina"));
    ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("ID"), user);
    ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("PWD"), QStringLiteral("x"));
    ini.SetEntry(QStringLiteral("CONFIG"), QStringLiteral("AUTOWIN"), QStringLiteral(".F."));
  }

  static inline QProcess* server = nullptr;
  static inline int port = 0;
  ScopedWorkDir dir;
};

TEST_F(FakeSqlServer, VarcharBytesArriveAsTheServerHoldsThem) {
  auto e = engine();
  QList<DbError> errors;
  ASSERT_TRUE(e->Open(&errors)) << DescribeErrors(errors).toStdString();
  // The connection's check saw the bytes unconverted, so the first text stays.
  auto* odbc = dynamic_cast<OdbcEngine*>(e.get());
  EXPECT_EQ(odbc->Chars(), OdbcEngine::CharColumns::Cp1252Bytes);
  EXPECT_TRUE(odbc->ConnectionText().contains(QStringLiteral("ClientCharset=UTF-8")));
  const QString stored = firstRow(e->Run(QStringLiteral("select password from usuarios"))).col(1).toString();
  EXPECT_EQ(Text::ToCp1252(stored), QByteArray("\x81\x8D\x8F\x90\x9D\xD1\x80"));
  EXPECT_EQ(stored, QStringLiteral("\u0081\u008D\u008F\u0090\u009DÑ€"));
}

TEST_F(FakeSqlServer, ProcedureRowsWideTextDecimalsAndLargeBinary) {
  auto e = engine();
  QList<DbError> errors;
  ASSERT_TRUE(e->Open(&errors));
  const DbOutcome proc = e->Run(QStringLiteral("exec peValidaEntrada 1,'x',0,0"));
  const Row row = firstRow(proc);
  EXPECT_EQ(row.col(1), QVariant(qlonglong(5)));
  EXPECT_EQ(row.col(2), QVariant(QStringLiteral("PEÑA MARÍA")));  // nvarchar through the wide call
  EXPECT_EQ(row.col(3), QVariant(QStringLiteral("jj\u0081")));
  const Row money = firstRow(e->Run(QStringLiteral("select importe")));
  EXPECT_EQ(money.col(1), QVariant(QStringLiteral("12345678901234567.8912")));
  EXPECT_EQ(money.col(2), QVariant(12345.67));
  EXPECT_TRUE(money.col(3).isNull());
  const QByteArray pdf = firstRow(e->Run(QStringLiteral("select pdf"))).col(1).toByteArray();
  ASSERT_EQ(pdf.size(), 1024 * 1024);
  for (int i : {0, 1, 4095, 8000, 8001, 524288, 1048575})
    EXPECT_EQ(static_cast<unsigned char>(pdf[i]), (i * 7 + i / 251) & 0xFF) << i;
}

TEST_F(FakeSqlServer, SeveralResultsAndServerErrors) {
  auto e = engine();
  QList<DbError> errors;
  ASSERT_TRUE(e->Open(&errors));
  const DbOutcome two = e->Run(QStringLiteral("select 1; select 2"));
  ASSERT_TRUE(two.ok());
  ASSERT_EQ(two.results.size(), 2);
  EXPECT_EQ(two.results[1].set.rows.first().col(1), QVariant(qlonglong(2)));
  const DbOutcome bad = e->Run(QStringLiteral("exec NoExiste 1"));
  ASSERT_FALSE(bad.ok());
  EXPECT_EQ(bad.errors.first().native, 2812);
  EXPECT_TRUE(bad.errors.first().message.endsWith(QStringLiteral("Could not find stored procedure 'NoExiste'.")));
  EXPECT_TRUE(e->IsOpen());
}

TEST_F(FakeSqlServer, SessionDataSourceFromConfigIni) {
  writeConfig(QStringLiteral("sa"));
  mdlConexion settings;
  settings.LeeConfiguracion(TIni(QStringLiteral("config.ini")));
  const auto ds = settings.Conecta();
  ASSERT_TRUE(ds->lConnected());
  TQuery q(ds, QStringLiteral("GENERAL"), QStringLiteral("exec peValidaEntrada 1,'x',0,0"));
  ASSERT_EQ(q.RecCount(), 1);
  EXPECT_EQ(q.FieldNames(), (QStringList{QStringLiteral("empresa"), QStringLiteral("nombre"), QStringLiteral("pwd")}));
  EXPECT_FALSE(ds->Execute(QStringLiteral("exec NoExiste 1")));
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken().first().text,
            QStringLiteral("Error 2812 [42000]: [FreeTDS][SQL Server]Could not find stored procedure 'NoExiste'.\r\n\r\n"
                           "Sentencia: exec NoExiste 1"));
}

TEST_F(FakeSqlServer, RefusedLoginShowsTheServersNumber) {
  writeConfig(QStringLiteral("rechazado"));
  ConnectionDialog::SetHookForTests([](const ConnectionChoice&) { return std::optional<ConnectionChoice>(); });
  mdlConexion settings;
  settings.LeeConfiguracion(TIni(QStringLiteral("config.ini")));
  const auto ds = settings.Conecta();
  EXPECT_FALSE(ds->lConnected());
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_TRUE(MsgSeam::Taken().first().text.contains(QStringLiteral("Error 18456"))) << MsgSeam::Taken().first().text.toStdString();
}

TEST_F(FakeSqlServer, LinkBrokenBetweenTwoStatements) {
  writeConfig(QStringLiteral("sa"));
  mdlConexion settings;
  settings.LeeConfiguracion(TIni(QStringLiteral("config.ini")));
  const auto ds = settings.Conecta();
  ASSERT_TRUE(ds->lConnected());
  TQuery cut(ds, QStringLiteral("GENERAL"), QStringLiteral("select corte"));
  EXPECT_EQ(cut.RecCount(), 0);
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken().first().kind, MsgKind::Alert);
  EXPECT_FALSE(ds->lConnected());
  TQuery again(ds, QStringLiteral("GENERAL"), QStringLiteral("select importe"));
  EXPECT_EQ(again.RecCount(), 1);  // connected again
  EXPECT_TRUE(ds->lConnected());
}

TEST_F(FakeSqlServer, DirectConnectionLosingItsLink) {
  writeConfig(QStringLiteral("sa"));
  QList<TError> handled;
  ErrorSys::SetAnswerForTests([&](const TError& e) {
    handled << e;
    return ErrorChoice::Default;
  });
  clsConexion cnx;
  TRecordSet rs;
  ASSERT_TRUE(rs.Open(QStringLiteral("select password from usuarios"), cnx.Conexion()));
  EXPECT_EQ(Text::ToCp1252(rs.Fields(0).Value().toString()), QByteArray("\x81\x8D\x8F\x90\x9D\xD1\x80"));
  EXPECT_FALSE(rs.Open(QStringLiteral("select corte"), cnx.Conexion()));  // to the general error handler
  ASSERT_EQ(handled.size(), 1);
  EXPECT_EQ(handled.first().operation, QStringLiteral("TRecordSet:Open"));
  // The link broke under an open connection: the next statement opens it again.
  EXPECT_TRUE(cnx.Ejecuta(QStringLiteral("update usuarios set password = ''")));
  EXPECT_TRUE(MsgSeam::Taken().isEmpty()) << MsgSeam::Texts().join(" | ").toStdString();
  EXPECT_TRUE(cnx.Conexion()->IsOpen());
  ErrorSys::SetAnswerForTests(nullptr);
}

}  // namespace
