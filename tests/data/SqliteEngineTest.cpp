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
