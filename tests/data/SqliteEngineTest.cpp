#include <gtest/gtest.h>

#include <QDir>

#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include "data/SqliteEngine.h"

namespace {

class SqliteEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QList<DbError> errors;
    ASSERT_TRUE(engine.Open(&errors)) << DescribeErrors(errors).toStdString();
  }
  DbOutcome run(const QString& s) { return engine.Run(s); }
  // Rows of the first row set, each row's values joined with "|".
  QStringList rows(const QString& s) {
    const DbOutcome out = engine.Run(s);
    EXPECT_TRUE(out.ok()) << s.toStdString() << ": " << DescribeErrors(out.errors).toStdString();
    QStringList lines;
    if (const DbResult* r = out.firstRowSet())
      for (const Row& row : r->set.rows) {
        QStringList cells;
        for (const QVariant& v : row.values) cells << (v.isNull() ? QStringLiteral("NULL") : v.toString());
        lines << cells.join(u'|');
      }
    return lines;
  }
  ScopedWorkDir dir;
  SqliteEngine engine{QStringLiteral("prueba.db")};
};

TEST_F(SqliteEngineTest, OpensTheFileInTheWorkingDirectory) {
  EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("prueba.db"))));
  EXPECT_EQ(rows(QStringLiteral("select 1 + 1 as dos")), QStringList{QStringLiteral("2")});
}

TEST_F(SqliteEngineTest, ProcedureWithPositionalAndNamedArguments) {
  ASSERT_TRUE(run(QStringLiteral("CREATE PROCEDURE dbo.Suma @a int, @b int = 10, @t varchar(10) = 'x' AS\n"
                                 "SELECT @a + @b AS total, @t AS texto")).ok());
  EXPECT_EQ(rows(QStringLiteral("exec Suma 1,2,'hola'")), QStringList{QStringLiteral("3|hola")});
  EXPECT_EQ(rows(QStringLiteral("exec dbo.Suma       5")), QStringList{QStringLiteral("15|x")});
  EXPECT_EQ(rows(QStringLiteral("EXECUTE Suma @b=1, @a=2")), QStringList{QStringLiteral("3|x")});
  EXPECT_EQ(rows(QStringLiteral("Suma 4, @t=N'O''Brien'")), QStringList{QStringLiteral("14|O'Brien")});
}

}  // namespace

namespace {

TEST_F(SqliteEngineTest, EveryDialectRewriteRunsOnTheEngine) {
  struct Check {
    const char* statement;
    const char* expected;
  };
  const Check checks[] = {
      {"select isnull(NULL, 5), isnull('a', 'b')", "5|a"},
      {"select DATEDIFF(YY, '20001231', '20010101'), datediff(yy, '1980-06-15', '20240101')", "1|44"},
      {"select CONVERT(varchar(11), '20240105', 113)", "05 Jan 2024"},
      {"select convert(varchar(11), '2023-12-31 10:00:00', 113), convert(int, '  42')", "31 Dec 2023|42"},
      {"select N'Peña' as nombre", "Peña"},
      {"select [a b] from (select 1 as [a b])", "1"},
      {"select top 2 value from (select 1 as value union all select 2 union all select 3) order by value", "1"},
      {"select dateadd(day, 7, '20241228'), DATEADD(mm, 1, '2024-01-31'), left('PEÑA', 3), right('abc', 2)",
       "2025-01-04 00:00:00.000|2024-02-29 00:00:00.000|PEÑ|bc"},
      {"select len('ab  '), year('20240105'), month('20240105'), day('20240105')", "2|2024|1|5"},
  };
  for (const Check& c : checks) {
    const QStringList got = rows(QString::fromUtf8(c.statement));
    ASSERT_FALSE(got.isEmpty()) << c.statement;
    EXPECT_EQ(got.first(), QString::fromUtf8(c.expected)) << c.statement;
  }
  EXPECT_EQ(rows(QStringLiteral("select top 2 value from (select 1 as value union all select 2 union all select 3)")).size(), 2);
  ASSERT_TRUE(run(QStringLiteral("create table ident (id int IDENTITY(1,1) NOT NULL, v varchar(5)) ON [PRIMARY]")).ok());
  ASSERT_TRUE(run(QStringLiteral("insert into ident (v) values ('a'); insert into ident (v) values ('b')")).ok());
  EXPECT_EQ(rows(QStringLiteral("select SCOPE_IDENTITY(), charindex('c', 'abc'), space(2) || replicate('x', 3)")),
            QStringList{QStringLiteral("2|3|  xxx")});
  const QString now = rows(QStringLiteral("select GETDATE()")).value(0);
  EXPECT_TRUE(now.startsWith(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")))) << now.toStdString();
}

TEST_F(SqliteEngineTest, DboPrefixAndSysobjects) {
  ASSERT_TRUE(run(QStringLiteral("create table dbo.Empleados (codigo int, nombre varchar(40))")).ok());
  ASSERT_TRUE(run(QStringLiteral("insert into [dbo].[Empleados] values (1, N'Ana')")).ok());
  ASSERT_TRUE(run(QStringLiteral("create procedure dbo.Lista as select nombre from dbo.Empleados")).ok());
  EXPECT_EQ(rows(QStringLiteral("select name, xtype from dbo.sysobjects order by name")),
            (QStringList{QStringLiteral("Empleados|U"), QStringLiteral("Lista|P")}));
  EXPECT_EQ(rows(QStringLiteral("select count(*) from dbo.sysobjects where id = object_id(N'Empleados') and "
                                "OBJECTPROPERTY(id, N'IsUserTable') = 1")),
            QStringList{QStringLiteral("1")});
  EXPECT_EQ(rows(QStringLiteral("select object_id('dbo.Lista') = id from sysobjects where name = 'Lista'")),
            QStringList{QStringLiteral("1")});
  EXPECT_EQ(rows(QStringLiteral("select object_id('NoHay')")), QStringList{QStringLiteral("NULL")});
}

TEST_F(SqliteEngineTest, UpdateRegisterIsCreatedOnceWithoutItsFilegroup) {
  const QString create = QStringLiteral(
      " if not exists (select * from dbo.sysobjects   where id = object_id(N'ActualDB') and OBJECTPROPERTY(id, "
      "N'IsUserTable') = 1)  CREATE TABLE dbo.ActualDB (Script   VARCHAR(100), Fecha    DATETIME, Hora     VARCHAR(20), "
      "Longitud NUMERIC(10,0), CheckSum NUMERIC(15,0) ) ON [Primary]");
  ASSERT_TRUE(run(create).ok()) << DescribeErrors(run(create).errors).toStdString();
  ASSERT_TRUE(run(QStringLiteral("insert into dbo.ActualDB (Script,Longitud,Fecha,Hora,CheckSum)Values('a.sql','10',"
                                 "'20240105','10:00:00','3735928559')")).ok());
  const DbOutcome again = run(create);
  EXPECT_TRUE(again.ok()) << DescribeErrors(again.errors).toStdString();
  EXPECT_EQ(rows(QStringLiteral("select  Script,Longitud,Fecha,Hora,CheckSum from dbo.ActualDB  where script='a.sql'")),
            QStringList{QStringLiteral("a.sql|10|20240105|10:00:00|3735928559")});
  // The condition holds only when the table is missing; "if exists" runs the other way round.
  EXPECT_TRUE(run(QStringLiteral("if exists (select * from sysobjects where name = 'ActualDB') drop table ActualDB")).ok());
  EXPECT_EQ(rows(QStringLiteral("select count(*) from sysobjects where name = 'ActualDB'")), QStringList{QStringLiteral("0")});
  // The other usual guard of update scripts.
  ASSERT_TRUE(run(QStringLiteral("create procedure dbo.Vieja as select 1")).ok());
  ASSERT_TRUE(run(QStringLiteral("IF OBJECT_ID(N'dbo.Vieja', N'U') IS NOT NULL DROP PROCEDURE dbo.Vieja")).ok());
  EXPECT_TRUE(run(QStringLiteral("exec Vieja")).ok());  // not a table: still there
  ASSERT_TRUE(run(QStringLiteral("IF OBJECT_ID(N'dbo.Vieja', N'P') IS NOT NULL DROP PROCEDURE dbo.Vieja")).ok());
  EXPECT_EQ(run(QStringLiteral("exec Vieja")).errors.value(0).native, 2812);
}

TEST_F(SqliteEngineTest, ProcedureResultsInOrderAndDefaults) {
  ASSERT_TRUE(run(QStringLiteral("create table t (a int)")).ok());
  ASSERT_TRUE(run(QStringLiteral("CREATE PROCEDURE Mezcla @n int, @nada varchar(5) = NULL AS\nBEGIN\n"
                                 "  insert into t values (@n);\n  select a from t where a > 1000;\n"
                                 "  select @n * 2 as doble, @nada as nada, typeof(@n) as tipo;\nEND")).ok());
  const DbOutcome out = run(QStringLiteral("exec Mezcla '      5'"));
  ASSERT_TRUE(out.ok()) << DescribeErrors(out.errors).toStdString();
  ASSERT_EQ(out.results.size(), 3);
  EXPECT_FALSE(out.results[0].hasColumns);
  EXPECT_EQ(out.results[0].rowsAffected, 1);
  EXPECT_TRUE(out.results[1].hasColumns);  // a row set without rows still counts as the first row set
  EXPECT_TRUE(out.results[1].set.rows.isEmpty());
  EXPECT_EQ(out.results[1].set.columns, QStringList{QStringLiteral("a")});
  EXPECT_EQ(out.results[2].set.rows.first().col(1), QVariant(qlonglong(10)));
  EXPECT_TRUE(out.results[2].set.rows.first().col(2).isNull());
  EXPECT_EQ(out.results[2].set.rows.first().col(3).toString(), QStringLiteral("integer"));
}

TEST_F(SqliteEngineTest, ScriptHeadersAndTransactions) {
  ASSERT_TRUE(run(QStringLiteral("SET ANSI_NULLS ON")).ok());
  ASSERT_TRUE(run(QStringLiteral("CREATE PROCEDURE Callado @n int AS\nBEGIN\n SET NOCOUNT ON;\n select @n\nEND")).ok());
  const DbOutcome out = run(QStringLiteral("exec Callado 3"));
  ASSERT_TRUE(out.ok()) << DescribeErrors(out.errors).toStdString();
  ASSERT_EQ(out.results.size(), 1);
  ASSERT_TRUE(run(QStringLiteral("create table tr (a int)")).ok());
  ASSERT_TRUE(run(QStringLiteral("BEGIN TRAN; insert into tr values (1); ROLLBACK TRAN")).ok());
  ASSERT_TRUE(run(QStringLiteral("BEGIN TRANSACTION; insert into tr values (2); COMMIT")).ok());
  EXPECT_EQ(rows(QStringLiteral("select group_concat(a) from tr")), QStringList{QStringLiteral("2")});
}

TEST_F(SqliteEngineTest, ParametersKeepTheirDeclaredTypes) {
  ASSERT_TRUE(run(QStringLiteral("create procedure Tipos @i int, @r numeric(10,2), @t char(10), @f datetime AS "
                                 "select @i, typeof(@i), @r, typeof(@r), @t, typeof(@t), @f")).ok());
  const DbOutcome out = run(QStringLiteral("exec Tipos       7, '2.5', '      5', '20240105'"));
  ASSERT_TRUE(out.ok()) << DescribeErrors(out.errors).toStdString();
  const Row row = out.firstRowSet()->set.rows.first();
  EXPECT_EQ(row.col(1), QVariant(qlonglong(7)));
  EXPECT_EQ(row.col(2).toString(), QStringLiteral("integer"));
  EXPECT_EQ(row.col(3), QVariant(2.5));
  EXPECT_EQ(row.col(4).toString(), QStringLiteral("real"));
  EXPECT_EQ(row.col(5), QVariant(QStringLiteral("      5")));  // text kept as sent
  EXPECT_EQ(row.col(6).toString(), QStringLiteral("text"));
  EXPECT_EQ(row.col(7), QVariant(QStringLiteral("20240105")));
}

TEST_F(SqliteEngineTest, ValuesComeBackAsSqliteHoldsThem) {
  const DbOutcome out = run(QStringLiteral("select 12, 1.5, 'x', X'00FF', NULL"));
  const Row row = out.firstRowSet()->set.rows.first();
  EXPECT_EQ(row.col(1).typeId(), QMetaType::LongLong);
  EXPECT_EQ(row.col(2).typeId(), QMetaType::Double);
  EXPECT_EQ(row.col(3).typeId(), QMetaType::QString);
  EXPECT_EQ(row.col(4), QVariant(QByteArray("\x00\xFF", 2)));
  EXPECT_TRUE(row.col(5).isNull());
}

TEST_F(SqliteEngineTest, NestedCallsAndBareNames) {
  ASSERT_TRUE(run(QStringLiteral("create procedure Interna @x int as select @x + 1 as y")).ok());
  ASSERT_TRUE(run(QStringLiteral("create procedure Externa @v int = 41 as exec Interna @v")).ok());
  EXPECT_EQ(rows(QStringLiteral("exec Externa")), QStringList{QStringLiteral("42")});
  EXPECT_EQ(rows(QStringLiteral("Externa 1")), QStringList{QStringLiteral("2")});
  ASSERT_TRUE(run(QStringLiteral("create procedure Ciclo as exec Ciclo")).ok());
  EXPECT_EQ(run(QStringLiteral("exec Ciclo")).errors.value(0).native, 217);
}

TEST_F(SqliteEngineTest, ReplaceDropAndPersistence) {
  ASSERT_TRUE(run(QStringLiteral("create procedure P as select 1")).ok());
  EXPECT_EQ(run(QStringLiteral("create procedure P as select 2")).errors.value(0).native, 2714);
  ASSERT_TRUE(run(QStringLiteral("ALTER PROCEDURE P AS select 3")).ok());
  EXPECT_EQ(rows(QStringLiteral("exec P")), QStringList{QStringLiteral("3")});
  ASSERT_TRUE(run(QStringLiteral("CREATE OR ALTER PROCEDURE dbo.P AS BEGIN select 4 END")).ok());
  engine.Close();
  QList<DbError> errors;
  ASSERT_TRUE(engine.Open(&errors));
  EXPECT_EQ(rows(QStringLiteral("exec P")), QStringList{QStringLiteral("4")});
  ASSERT_TRUE(run(QStringLiteral("DROP PROCEDURE dbo.P")).ok());
  EXPECT_EQ(run(QStringLiteral("exec P")).errors.value(0).native, 2812);
  EXPECT_TRUE(run(QStringLiteral("drop procedure if exists P")).ok());
  EXPECT_EQ(run(QStringLiteral("drop procedure P")).errors.value(0).native, 3701);
}

TEST_F(SqliteEngineTest, ErrorsCarryNativeNumbers) {
  ASSERT_TRUE(run(QStringLiteral("create procedure Dos @a int, @b int as select @a")).ok());
  struct Bad {
    const char* statement;
    qlonglong native;
  };
  const Bad cases[] = {
      {"exec NoExiste 1", 2812},
      {"exec Dos 1,2,3", 8144},
      {"exec Dos @c=1", 8145},
      {"exec Dos 'abc'", 8114},
      {"exec Dos @a=1, 2", 119},
      {"exec Dos 1 2", 102},
      // A dropped argument or an empty value from the session store fails as on the server.
      {"exec Dos 1", 201},
      {"exec Dos @a=1", 201},
      {"exec Dos 1, default", 201},
      {"exec Dos 1,,2", 102},
      {"exec Dos 1,", 102},
      {"exec Dos ,2", 102},
      {"selec 1", 1},
      {"select * from NoHay", 1},
  };
  for (const Bad& b : cases) {
    const DbOutcome out = run(QString::fromUtf8(b.statement));
    ASSERT_FALSE(out.ok()) << b.statement;
    EXPECT_EQ(out.errors.first().native, b.native) << b.statement << ": " << out.errors.first().message.toStdString();
  }
  // A failing statement stops the batch; what ran before it stays.
  ASSERT_TRUE(run(QStringLiteral("create table u (a int)")).ok());
  EXPECT_FALSE(run(QStringLiteral("insert into u values (1); insert into nohay values (2); insert into u values (3)")).ok());
  EXPECT_EQ(rows(QStringLiteral("select count(*) from u")), QStringList{QStringLiteral("1")});
}

// The same texts run again (kept prepared) after what changes between two runs of a statement:
// other arguments, another table shape, a dropped and a created table, a failed run.
TEST_F(SqliteEngineTest, StatementRunAgainSeesWhatChanged) {
  ASSERT_TRUE(run(QStringLiteral("create table t (a int); insert into t values (1), (2)")).ok());
  ASSERT_TRUE(run(QStringLiteral("create procedure Mayores @n int as select a from t where a > @n order by a")).ok());
  struct Step {
    const char* before;  // run first, untimed; may be empty
    const char* statement;
    const char* expected;  // rows joined with ";", or "error"
  };
  const Step steps[] = {
      {"", "exec Mayores 0", "1;2"},
      {"", "exec Mayores 1", "2"},  // the earlier argument is not kept
      {"", "select * from t order by a", "1;2"},
      {"alter table t add column b text default 'x'", "select * from t order by a", "1|x;2|x"},
      {"insert into t values (3, 'y')", "exec Mayores 2", "3"},
      {"drop table t", "select * from t order by a", "error"},
      {"create table t (a int); insert into t values (7)", "select * from t order by a", "7"},
      {"", "exec Mayores 0", "7"},
      {"", "select abs(-9223372036854775807 - 1) from t", "error"},  // fails while it runs
      {"", "select abs(-9223372036854775807 - 1) from t", "error"},
  };
  for (const Step& s : steps) {
    if (*s.before) { ASSERT_TRUE(run(QString::fromUtf8(s.before)).ok()) << s.before; }
    const QString statement = QString::fromUtf8(s.statement);
    if (QByteArray(s.expected) == "error") {
      EXPECT_FALSE(run(statement).ok()) << s.statement;
      continue;
    }
    EXPECT_EQ(rows(statement).join(u';'), QString::fromUtf8(s.expected)) << s.before << " / " << s.statement;
  }
  // Closed with statements kept: the file opens again and answers.
  engine.Close();
  QList<DbError> errors;
  ASSERT_TRUE(engine.Open(&errors));
  EXPECT_EQ(rows(QStringLiteral("select * from t order by a")), QStringList{QStringLiteral("7")});
}

TEST(SqliteEngineOpen, UnusableFileIsReported) {
  ScopedWorkDir dir;
  QFile junk(dir.file(QStringLiteral("basura.db")));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write(QByteArray(4096, 'x'));
  junk.close();
  SqliteEngine engine(QStringLiteral("basura.db"));
  QList<DbError> errors;
  EXPECT_FALSE(engine.Open(&errors));
  ASSERT_FALSE(errors.isEmpty());
  EXPECT_TRUE(errors.first().message.contains(QStringLiteral("basura.db")));
  EXPECT_FALSE(engine.IsOpen());
  EXPECT_EQ(engine.Run(QStringLiteral("select 1")).errors.value(0).message, QStringLiteral("Connection closed"));
  SqliteEngine missingFolder(QStringLiteral("no/existe/portal.db"));
  EXPECT_FALSE(missingFolder.Open(&errors));
}

TEST(SqliteEngineOpen, DatabaseFileNamesEndInDb) {
  EXPECT_TRUE(SqliteEngine::NamesDatabaseFile(QStringLiteral("portal.db")));
  EXPECT_TRUE(SqliteEngine::NamesDatabaseFile(QStringLiteral("datos/Nomina.DB ")));
  EXPECT_FALSE(SqliteEngine::NamesDatabaseFile(QStringLiteral("NOMINA")));
  EXPECT_FALSE(SqliteEngine::NamesDatabaseFile(QStringLiteral("nomina.dbx")));
}

}  // namespace

namespace {

TEST_F(SqliteEngineTest, ProcedureChangedByAnotherConnectionIsSeen) {
  ASSERT_TRUE(run(QStringLiteral("create procedure Version as select 1")).ok());
  EXPECT_EQ(rows(QStringLiteral("exec Version")), QStringList{QStringLiteral("1")});
  EXPECT_EQ(run(QStringLiteral("exec Nueva")).errors.value(0).native, 2812);
  SqliteEngine other(QStringLiteral("prueba.db"));
  QList<DbError> errors;
  ASSERT_TRUE(other.Open(&errors));
  ASSERT_TRUE(other.Run(QStringLiteral("alter procedure Version as select 2")).ok());
  ASSERT_TRUE(other.Run(QStringLiteral("create procedure Nueva as select 3")).ok());
  EXPECT_EQ(rows(QStringLiteral("exec Version")), QStringList{QStringLiteral("2")});
  EXPECT_EQ(rows(QStringLiteral("Nueva")), QStringList{QStringLiteral("3")});
}

}  // namespace
