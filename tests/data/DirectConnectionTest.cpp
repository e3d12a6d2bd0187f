// The direct connection, its recordsets and the administrator account check.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "support/QtPrinters.h"

#include "DataFixture.h"
#include "data/clsConexion.h"
#include "data/clsUsuario.h"
#include "toolkit/ErrorSys.h"

namespace {

class DirectConnection : public DataTest {
 protected:
  void SetUp() override {
    DataTest::SetUp();
    DataFixture::WriteConfig(QStringLiteral("terminal"), QStringLiteral("portal.db"), QStringLiteral("sa"),
                             QStringLiteral("clave"), QStringLiteral(".f."));
    ErrorSys::SetAnswerForTests([this](const TError& e) {
      handled << e;
      return answers.isEmpty() ? ErrorChoice::Default : answers.takeFirst();
    });
    ErrorSys::SetQuitAction([] { FAIL() << "the program would end"; });
  }
  void TearDown() override {
    ErrorSys::SetAnswerForTests(nullptr);
    ErrorSys::SetQuitAction(nullptr);
    DataTest::TearDown();
  }
  int connects() const {
    int n = 0;
    for (const JournalEntry& e : StatementJournal::Entries())
      n += e.kind == JournalEntry::Kind::Connect && e.channel == QStringLiteral("CNX");
    return n;
  }
  QList<TError> handled;
  QList<ErrorChoice> answers;
};

TEST_F(DirectConnection, OpensOnceOnFirstUse) {
  clsConexion cnx;
  EXPECT_EQ(cnx.oOdbc, nullptr);
  const auto first = cnx.Conexion();
  const auto second = cnx.Valida();
  EXPECT_EQ(first, second);
  EXPECT_TRUE(first->IsOpen());
  EXPECT_EQ(connects(), 1);
  EXPECT_EQ(first->ConnectionString(), QStringLiteral("provider=SQLOLEDB;OLE DB Services= -2;server=terminal;"
                                                      "database=portal.db;uid=sa;pwd=clave;"));
}

TEST_F(DirectConnection, RecordsetReadsFieldsFromZero) {
  clsConexion cnx;
  TRecordSet rs;
  ASSERT_TRUE(rs.Open(QStringLiteral("select idestados, edtado from rhestados order by idestados"), cnx.Conexion()));
  QStringList seen;
  while (!rs.Eof()) {
    seen << rs.Fields(0).Value().toString() + u'=' + rs.Fields(1).Value().toString();
    rs.MoveNext();
  }
  EXPECT_EQ(seen, (QStringList{QStringLiteral("1=AGUASCALIENTES"), QStringLiteral("2=BAJA CALIFORNIA")}));
  EXPECT_FALSE(rs.Fields(0).Value().isValid());  // at the end there is no value
  rs.Close();
  EXPECT_EQ(StatementJournal::Statements(),
            QStringList{QStringLiteral("select idestados, edtado from rhestados order by idestados")});
  EXPECT_EQ(StatementJournal::Entries().last().channel, QStringLiteral("CNX"));
}

TEST_F(DirectConnection, EjecutaRunsAndReportsFailures) {
  clsConexion cnx;
  cnx.Conexion();
  cnx.Ejecuta(QStringLiteral("update rhestados set edtado = 'AGS' where idestados = 1"));
  EXPECT_TRUE(boxes().isEmpty());
  cnx.Ejecuta(QStringLiteral("update nohay set a = 1"));
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_EQ(boxes().first().kind, MsgKind::Stop);
  EXPECT_EQ(boxes().first().title, QStringLiteral("EJECUCION INCOMPLETA"));
  EXPECT_EQ(boxes().first().text, QStringLiteral("clsConexion:Ejecuta\r\nError 1: no such table: nohay"));
  // Never connected: the same box, nothing thrown.
  MsgSeam::Clear();
  clsConexion never;
  never.Ejecuta(QStringLiteral("update rhestados set edtado = 'X'"));
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_EQ(boxes().first().title, QStringLiteral("EJECUCION INCOMPLETA"));
  EXPECT_EQ(boxes().first().text, QStringLiteral("clsConexion:Ejecuta\r\nError 0: Connection closed"));
}

TEST_F(DirectConnection, FailedOpenIsShownOnceAndNotRetried) {
  DataFixture::WriteConfig(QStringLiteral("x"), QStringLiteral("no/existe/portal.db"), QStringLiteral("sa"),
                           QStringLiteral("clave"), QStringLiteral(".F."));
  clsConexion cnx;
  const auto conn = cnx.Conexion();
  ASSERT_NE(conn, nullptr);
  EXPECT_FALSE(conn->IsOpen());
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_EQ(boxes().first().kind, MsgKind::Stop);
  EXPECT_EQ(boxes().first().title, QStringLiteral("CONEXION NO REALIZADA"));
  EXPECT_TRUE(boxes().first().text.startsWith(QStringLiteral("clsConexion:Conectar\r\n")));
  EXPECT_EQ(cnx.Conexion(), conn);
  EXPECT_EQ(boxes().size(), 1);
  EXPECT_EQ(connects(), 1);

  // A recordset on it goes to the general error handler; the caller gets an empty recordset.
  TRecordSet rs;
  EXPECT_FALSE(rs.Open(QStringLiteral("select 1"), conn));
  EXPECT_TRUE(rs.Eof());
  ASSERT_EQ(handled.size(), 1);
  EXPECT_EQ(handled.first().operation, QStringLiteral("TRecordSet:Open"));
  EXPECT_EQ(handled.first().description, QStringLiteral("Error 0: Connection closed"));
  EXPECT_EQ(handled.first().args, QVariantList{QStringLiteral("select 1")});
  EXPECT_TRUE(handled.first().canRetry);
}

TEST_F(DirectConnection, TheProvidersErrorNumberIsTheErrorCodeOfLogAndWindow) {
  clsConexion cnx;
  const auto conn = cnx.Conexion();
  ASSERT_TRUE(conn->IsOpen());
  ASSERT_TRUE(conn->Execute(QStringLiteral("create table unicos (clave int primary key)"), false).ok());
  ASSERT_TRUE(conn->Execute(QStringLiteral("insert into unicos values (1)"), false).ok());
  struct Case {
    const char* statement;
    int code;  // the engine's own number for the failure
  };
  const Case cases[] = {
      {"select * from nohay", 1},                        // no such table
      {"insert into unicos values (1)", 1555},           // primary key already there
      {"exec NoExisteProcedimiento 1", 2812},            // unknown procedure
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.statement);
    handled.clear();
    TRecordSet rs;
    EXPECT_FALSE(rs.Open(QString::fromLatin1(c.statement), conn));
    ASSERT_EQ(handled.size(), 1);
    EXPECT_EQ(handled.first().subCode, c.code);
    QFile log(QStringLiteral("Error.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Código de error\\s*:\\s*%1\\n").arg(c.code))))
        << text.toStdString();
    const QString window = ErrorSys::Message(handled.first(), {});
    EXPECT_TRUE(window.contains(QStringLiteral("Error BD/%1  ").arg(c.code))) << window.toStdString();
  }
}

TEST_F(DirectConnection, EmptyConfigIsReportedNotCrashed) {
  QFile::remove(QStringLiteral("config.ini"));
  clsConexion cnx;
  EXPECT_FALSE(cnx.Conectar());
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_EQ(boxes().first().title, QStringLiteral("CONEXION NO REALIZADA"));
  EXPECT_TRUE(boxes().first().text.contains(QStringLiteral("[CONFIG]")));
  EXPECT_TRUE(cnx.oOdbc->ConnectionString().endsWith(QStringLiteral("Trusted_Connection=yes")));
}

TEST_F(DirectConnection, RetryFromTheErrorWindowRunsTheStatementAgain) {
  clsConexion cnx;
  cnx.Conexion();
  answers = {ErrorChoice::Retry, ErrorChoice::Default};
  TRecordSet rs;
  EXPECT_FALSE(rs.Open(QStringLiteral("select * from nohay"), cnx.Conexion()));
  EXPECT_EQ(handled.size(), 2);
  EXPECT_EQ(StatementJournal::Statements().size(), 2);
  EXPECT_TRUE(handled.first().description.contains(QStringLiteral("no such table: nohay")));
}

TEST_F(DirectConnection, Desconectar) {
  clsConexion cnx;
  EXPECT_FALSE(cnx.Desconectar());
  EXPECT_EQ(boxes().last().title, QStringLiteral("CONEXION NO REALIZADA"));
  cnx.Conexion();
  MsgSeam::Clear();
  EXPECT_TRUE(cnx.Desconectar());
  EXPECT_TRUE(boxes().isEmpty());
  EXPECT_FALSE(cnx.oOdbc->IsOpen());
}

using AdministratorAccount = DirectConnection;

TEST_F(AdministratorAccount, LoginComparesScrambledPasswords) {
  struct Case {
    const char* user;
    const char* password;
    bool expected;
    const char* statement;
  };
  // The journal keeps the scrambled password masked.
  const Case cases[] = {
      {"Administrador", "abc", true, " Select usuario from usuarios  where usuario='Administrador' and password='***'"},
      {"Administrador", "abd", false, " Select usuario from usuarios  where usuario='Administrador' and password='***'"},
      {"O'Brien", "abc", true, " Select usuario from usuarios  where usuario='O''Brien' and password='***'"},
      {"vacio", "", true, " Select usuario from usuarios  where usuario='vacio' and password='***'"},
      {"Administrador", "", false, " Select usuario from usuarios  where usuario='Administrador' and password='***'"},
      {"x' or '1'='1", "x", false, " Select usuario from usuarios  where usuario='x'' or ''1''=''1' and password='***'"},
  };
  for (const Case& c : cases) {
    StatementJournal::Clear();
    clsUsuario user;
    user.SetUsuario(QString::fromUtf8(c.user));
    user.SetPwd(QString::fromLatin1(c.password));
    EXPECT_EQ(user.Login(), c.expected) << c.user << '/' << c.password;
    EXPECT_EQ(StatementJournal::Statements(), QStringList{QString::fromLatin1(c.statement)}) << c.user;
    EXPECT_NE(user.CNX, nullptr);
  }
  EXPECT_TRUE(boxes().isEmpty());
  EXPECT_TRUE(handled.isEmpty());
}

TEST_F(AdministratorAccount, UnreachableDatabaseGoesToTheErrorHandler) {
  DataFixture::WriteConfig(QStringLiteral("x"), QStringLiteral("no/existe/portal.db"), QString(), QString(), QStringLiteral(".F."));
  clsUsuario user;
  user.SetUsuario(QStringLiteral("Administrador"));
  user.SetPwd(QStringLiteral("abc"));
  EXPECT_FALSE(user.Login());
  ASSERT_EQ(boxes().size(), 1);
  EXPECT_EQ(boxes().first().title, QStringLiteral("CONEXION NO REALIZADA"));
  ASSERT_EQ(handled.size(), 1);
  EXPECT_EQ(handled.first().operation, QStringLiteral("TRecordSet:Open"));
}

}  // namespace
