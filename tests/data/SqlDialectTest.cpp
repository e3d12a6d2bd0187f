#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include "data/ProcedureText.h"
#include "data/SqlDialect.h"

namespace {

struct Case {
  const char* rewrite;
  const char* input;
  const char* expected;
};

// One row per rewrite of the table, plus the cases where it must not apply.
const Case kTranslations[] = {
    {"dbo prefix", "select * from dbo.ActualDB", "select * from ActualDB"},
    {"dbo prefix", "exec [dbo].[Proc] 1", "exec [Proc] 1"},
    {"dbo prefix", "select 'dbo.x' from t", "select 'dbo.x' from t"},
    {"isnull", "select isnull(a, 0), ISNULL (b,'') from t", "select ifnull(a, 0), ifnull(b,'') from t"},
    {"isnull", "select 'isnull(' from t", "select 'isnull(' from t"},
    {"datediff unit", "select DATEDIFF(YY, fecha, GETDATE())", "select portal_datediff('YY', fecha, GETDATE())"},
    {"datediff unit", "select datediff ( month ,a,b)", "select portal_datediff('month',a,b)"},
    {"dateadd unit", "select DATEADD(dd, 7, fecha)", "select portal_dateadd('dd', 7, fecha)"},
    {"left and right", "select LEFT(nombre, 2), right (rfc,3) from a left join b on 1",
     "select portal_LEFT(nombre, 2), portal_right(rfc,3) from a left join b on 1"},
    {"transaction words", "BEGIN TRAN; commit tran", "BEGIN TRANSACTION; commit TRANSACTION"},
    {"transaction words", "ROLLBACK TRANSACTION", "ROLLBACK TRANSACTION"},
    {"convert type", "select CONVERT(varchar(11), fecha, 113)", "select portal_convert('varchar(11)', fecha, 113)"},
    {"convert type", "select convert(numeric(10,2), x)", "select portal_convert('numeric(10,2)', x)"},
    {"N literal", "select N'Peña', 'N''x'", "select 'Peña', 'N''x'"},
    {"N literal", "select colN'x'", "select colN'x'"},
    {"filegroup", "CREATE TABLE t (a int) ON [Primary]", "CREATE TABLE t (a int) "},
    {"filegroup", "create table t (a text) on [PRIMARY] textimage_on [PRIMARY]", "create table t (a text)  "},
    {"identity column", "create table t (id int IDENTITY(1,1) NOT NULL, b int)",
     "create table t (id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, b int)"},
    {"max length", "create table t (a varchar(max), b varbinary( MAX ))", "create table t (a varchar, b varbinary)"},
    {"clustered", "create table t (a int, primary key clustered (a))", "create table t (a int, primary key  (a))"},
    {"top", "select top 1 a from t order by a", "select a from t order by a LIMIT 1"},
    {"top", "SELECT TOP (5) a FROM t;", "SELECT a FROM t LIMIT 5"},
    {"comment", "select 1 -- isnull( dbo.x\n", "select 1 -- isnull( dbo.x\n"},
};

TEST(SqlDialect, EveryRewriteOfTheTable) {
  for (const Case& c : kTranslations)
    EXPECT_EQ(SqlDialect::Translate(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.rewrite;
}

TEST(SqlDialect, EveryTableEntryIsExercised) {
  for (const SqlDialect::Rewrite& r : SqlDialect::Rewrites()) {
    bool used = false;
    for (const Case& c : kTranslations) used = used || qstrcmp(c.rewrite, r.name) == 0;
    EXPECT_TRUE(used) << r.name;
  }
}

TEST(SqlDialect, SessionSettingsAreNoOps) {
  for (const char* s : {"SET NOCOUNT ON", "set ansi_nulls on", "SET QUOTED_IDENTIFIER OFF", "PRINT 'listo'", "USE [Nomina]",
                        "SET DATEFORMAT ymd"})
    EXPECT_TRUE(SqlDialect::IsNoOp(QString::fromLatin1(s))) << s;
  for (const char* s : {"update t set nocount = 1", "select 1", "settings", "insert into printers values (1)"})
    EXPECT_FALSE(SqlDialect::IsNoOp(QString::fromLatin1(s))) << s;
}

TEST(SqlDialect, SplitsBatchesAtCompleteStatementsOnly) {
  const QStringList parts = SqlDialect::SplitStatements(QStringLiteral(
      "insert into t values ('a;b');\r\n"
      "CREATE TRIGGER tr AFTER INSERT ON t BEGIN update t set a = 1; delete from u; END;\n"
      "select 2;;  \n  select 3"));
  ASSERT_EQ(parts.size(), 4);
  EXPECT_EQ(parts[0], QStringLiteral("insert into t values ('a;b')"));
  EXPECT_TRUE(parts[1].startsWith(QStringLiteral("CREATE TRIGGER")));
  EXPECT_TRUE(parts[1].endsWith(QStringLiteral("END")));
  EXPECT_EQ(parts[2], QStringLiteral("select 2"));
  EXPECT_EQ(parts[3], QStringLiteral("select 3"));
}

TEST(SqlDialect, ReadsTheConditionalOfTheUpdateRegister) {
  const auto c = SqlDialect::ParseConditional(QStringLiteral(
      " if not exists (select * from dbo.sysobjects   where id = object_id(N'ActualDB') and "
      "OBJECTPROPERTY(id, N'IsUserTable') = 1)  CREATE TABLE dbo.ActualDB (Script   VARCHAR(100)) ON [Primary]"));
  ASSERT_TRUE(c.has_value());
  EXPECT_EQ(c->condition, QStringLiteral("not exists (select * from dbo.sysobjects   where id = object_id(N'ActualDB') and "
                                         "OBJECTPROPERTY(id, N'IsUserTable') = 1)"));
  EXPECT_EQ(c->statement, QStringLiteral("CREATE TABLE dbo.ActualDB (Script   VARCHAR(100)) ON [Primary]"));
  const auto other = SqlDialect::ParseConditional(QStringLiteral("IF OBJECT_ID('dbo.Lista', 'P') IS NOT NULL DROP PROCEDURE dbo.Lista"));
  ASSERT_TRUE(other.has_value());
  EXPECT_EQ(other->condition, QStringLiteral("OBJECT_ID('dbo.Lista', 'P') IS NOT NULL"));
  EXPECT_EQ(other->statement, QStringLiteral("DROP PROCEDURE dbo.Lista"));
  EXPECT_EQ(SqlDialect::ParseConditional(QStringLiteral("if (select count(*) from t) = 0 insert into t values (1)"))->statement,
            QStringLiteral("insert into t values (1)"));
  EXPECT_FALSE(SqlDialect::ParseConditional(QStringLiteral("if exists (select ')' ")).has_value());
  EXPECT_FALSE(SqlDialect::ParseConditional(QStringLiteral("select 1")).has_value());
  EXPECT_FALSE(SqlDialect::ParseConditional(QStringLiteral("ifnull(a, b)")).has_value());
}

TEST(ProcedureText, ReadsDefinitions) {
  QString error;
  const auto d = ProcedureText::ParseCreate(QStringLiteral(
      "CREATE OR ALTER PROCEDURE [dbo].[Lista] (@empresa numeric(10, 0), @nombre varchar(20) = N'O''Brien',\n"
      " @nada int = NULL, @out int OUTPUT) AS\nBEGIN\n select @empresa; select 'end' ;\nEND;"), &error);
  ASSERT_TRUE(d.has_value());
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  EXPECT_EQ(d->name, QStringLiteral("Lista"));
  EXPECT_TRUE(d->replace);
  ASSERT_EQ(d->parameters.size(), 4);
  EXPECT_EQ(d->parameters[0].type, QStringLiteral("numeric(10, 0)"));
  EXPECT_EQ(d->parameters[1].defaultValue, QStringLiteral("O'Brien"));
  EXPECT_TRUE(d->parameters[2].defaultIsNull);
  EXPECT_EQ(d->parameters[3].type, QStringLiteral("int"));
  EXPECT_EQ(d->body, QStringLiteral("select @empresa; select 'end'"));

  const auto plain = ProcedureText::ParseCreate(QStringLiteral("create proc P as select 1"), &error);
  ASSERT_TRUE(plain.has_value());
  EXPECT_FALSE(plain->replace);
  EXPECT_TRUE(plain->parameters.isEmpty());
  EXPECT_TRUE(ProcedureText::ParseCreate(QStringLiteral("ALTER PROCEDURE P AS select 1"), &error)->replace);
  EXPECT_FALSE(ProcedureText::ParseCreate(QStringLiteral("create table P (a int)"), &error).has_value());
}

TEST(ProcedureText, ReadsCalls) {
  using Kind = ProcedureText::Argument::Kind;
  QString error;
  const auto c = ProcedureText::ParseCall(
      QStringLiteral("exec dbo.Proc       5,'a,b''c',N'ñ', NULL,default,@x, @nombre = 'n', @n=  -3.5 ;"), false, &error);
  ASSERT_TRUE(c.has_value()) << error.toStdString();
  EXPECT_EQ(c->name, QStringLiteral("Proc"));
  ASSERT_EQ(c->arguments.size(), 8);
  EXPECT_EQ(c->arguments[0].value, QStringLiteral("5"));
  EXPECT_EQ(c->arguments[0].kind, Kind::Bare);
  EXPECT_EQ(c->arguments[1].value, QStringLiteral("a,b'c"));
  EXPECT_EQ(c->arguments[1].kind, Kind::Text);
  EXPECT_EQ(c->arguments[2].value, QStringLiteral("ñ"));
  EXPECT_EQ(c->arguments[3].kind, Kind::Null);
  EXPECT_EQ(c->arguments[4].kind, Kind::Default);
  EXPECT_EQ(c->arguments[5].kind, Kind::Variable);
  EXPECT_EQ(c->arguments[6].name, QStringLiteral("@nombre"));
  EXPECT_EQ(c->arguments[7].value, QStringLiteral("-3.5"));

  EXPECT_FALSE(ProcedureText::ParseCall(QStringLiteral("select 1"), false, &error).has_value());
  EXPECT_EQ(ProcedureText::ParseCall(QStringLiteral("Proc 1"), true, &error)->name, QStringLiteral("Proc"));
  EXPECT_EQ(ProcedureText::ParseCall(QStringLiteral("EXECUTE P"), false, &error)->arguments.size(), 0);

  error.clear();
  EXPECT_FALSE(ProcedureText::ParseCall(QStringLiteral("exec P 'abierto"), false, &error).has_value());
  EXPECT_FALSE(error.isEmpty());
  error.clear();
  EXPECT_FALSE(ProcedureText::ParseCall(QStringLiteral("exec P 1 2"), false, &error).has_value());
  EXPECT_FALSE(error.isEmpty());
}

TEST(ProcedureText, ReadsDrops) {
  const auto d = ProcedureText::ParseDrop(QStringLiteral("DROP PROCEDURE IF EXISTS dbo.Lista"));
  ASSERT_TRUE(d.has_value());
  EXPECT_TRUE(d->ifExists);
  EXPECT_EQ(d->name, QStringLiteral("Lista"));
  EXPECT_FALSE(ProcedureText::ParseDrop(QStringLiteral("drop proc [X]"))->ifExists);
  EXPECT_FALSE(ProcedureText::ParseDrop(QStringLiteral("drop table X")).has_value());
}

}  // namespace
