// The SQL Server stand-in (tests/fixtures/sqlserver) through the real FreeTDS driver: SQL
// Server's column types, row counts, several result sets, messages and error numbers, as the
// portal's ODBC engine reads them.
#include <gtest/gtest.h>

#include <QDate>

#include "support/QtPrinters.h"
#include "support/SqlServerStandIn.h"
#include "support/TempDir.h"

#include "data/ConnectionTexts.h"
#include "data/OdbcEngine.h"
#include "data/SqliteEngine.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TArrayBrowse.h"
#include "toolkit/TextUtil.h"

namespace {

const char* kSchema[] = {
    "CREATE TABLE empleado (codigo INTEGER PRIMARY KEY, nombre TEXT, sueldo REAL, alta DATETIME, foto BLOB, "
    "grande INTEGER, notas TEXT)",
    "CREATE TABLE falta (codigo INTEGER REFERENCES empleado(codigo), dia TEXT)",
    "INSERT INTO empleado VALUES (1, 'PEÑA ' || char(129) || 'X', 1234.5, '2026-01-15', x'00FF10', 5000000000, NULL)",
    "INSERT INTO empleado VALUES (2, 'ROSA', 99.25, '2025-12-31 08:30:00', NULL, 1, 'n')",
    "CREATE PROCEDURE altaFalta @codigo int, @dia varchar(10) AS "
    "INSERT INTO falta (codigo, dia) VALUES (@codigo, @dia); SELECT count(*) AS faltas FROM falta",
    "CREATE PROCEDURE pruebaTiposDesconocidos AS SELECT '6F9619FF-8B86-D011-B42D-00C04FD430C8' AS guid, "
    "'08:30:15' AS hora, '<a b=\"1\">é</a>' AS documento, '2026-03-01' AS dia, 1234.5 AS importe",
};

class StandIn : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!SqlServerStandIn::Available()) return;
    folder = new QTemporaryDir;
    const QString file = folder->filePath(QStringLiteral("standin.db"));
    {
      SqliteEngine db(file);
      QList<DbError> errors;
      db.Open(&errors);
      db.Run(QStringLiteral("PRAGMA foreign_keys = ON"));
      for (const char* s : kSchema) {
        const DbOutcome out = db.Run(QString::fromUtf8(s));
        EXPECT_TRUE(out.ok()) << s << ": " << DescribeErrors(out.errors).toStdString();
      }
    }
    server = new SqlServerStandIn(file);
    if (!server->start()) ADD_FAILURE() << server->errorString().toStdString();
  }
  static void TearDownTestSuite() {
    delete server;
    delete folder;
    server = nullptr;
    folder = nullptr;
  }
  void SetUp() override {
    QString why;
    if (!SqlServerStandIn::Available(&why)) GTEST_SKIP() << why.toStdString();
    MsgSeam::Clear();
  }

  static std::unique_ptr<DbEngine> engine(const QString& user = QString::fromLatin1(SqlServerStandIn::kUser),
                                          const QString& password = QString::fromLatin1(SqlServerStandIn::kPassword)) {
    QString error;
    return ConnectionTexts::MakeEngine(
        ConnectionTexts::ForDataSource(QStringLiteral("127.0.0.1,%1").arg(server->port()),
                                       QString::fromLatin1(SqlServerStandIn::kDatabase), user, password, QStringLiteral(".F.")),
        user, password, &error);
  }
  static std::unique_ptr<DbEngine> opened() {
    auto e = engine();
    QList<DbError> errors;
    EXPECT_TRUE(e->Open(&errors)) << DescribeErrors(errors).toStdString();
    return e;
  }

  static inline QTemporaryDir* folder = nullptr;
  static inline SqlServerStandIn* server = nullptr;
};

TEST_F(StandIn, ColumnsArriveAsTheEmbeddedEngineGivesThem) {
  auto e = opened();
  const DbOutcome out = e->Run(QStringLiteral("select codigo, nombre, sueldo, alta, foto, grande, notas from empleado order by codigo"));
  ASSERT_TRUE(out.ok()) << DescribeErrors(out.errors).toStdString();
  const DbResult* r = out.firstRowSet();
  ASSERT_NE(r, nullptr);
  ASSERT_EQ(r->set.rows.size(), 2);
  EXPECT_EQ(r->set.columns, (QStringList{"codigo", "nombre", "sueldo", "alta", "foto", "grande", "notas"}));
  const Row& first = r->set.rows[0];
  EXPECT_EQ(first.col(1), QVariant(qlonglong(1)));
  EXPECT_EQ(first.col(2), QVariant(QStringLiteral("PEÑA \u0081X")));  // Windows-1252 bytes, the gap kept
  EXPECT_EQ(first.col(3), QVariant(1234.5));
  EXPECT_EQ(first.col(5), QVariant(QByteArray("\x00\xFF\x10", 3)));
  EXPECT_EQ(first.col(6), QVariant(qlonglong(5000000000)));
  EXPECT_TRUE(first.col(7).isNull());
  EXPECT_TRUE(r->set.rows[1].col(5).isNull());
  // Dates come as SQL Server's datetime and read as the embedded engine keeps them.
  EXPECT_EQ(first.col(4), QVariant(QStringLiteral("2026-01-15")));
  EXPECT_EQ(r->set.rows[1].col(4), QVariant(QStringLiteral("2025-12-31 08:30:00")));
}

struct BatchCase {
  const char* name;
  const char* statement;
  QList<qlonglong> rowCounts;  // -1 marks a row set
  qlonglong error;             // SQL Server's number, 0 for none
};

TEST_F(StandIn, RowCountsResultSetsMessagesAndErrors) {
  const BatchCase cases[] = {
      {"two sets in order", "select 1 as uno; select 'dos' as dos", {-1, -1}, 0},
      {"print is a message, not a failure", "PRINT 'hola'; select 1 as uno", {-1}, 0},
      {"procedure without NOCOUNT: its rows past the counts before them", "exec altaFalta 1, '20260101'", {-1}, 0},
      {"NOCOUNT on the session", "SET NOCOUNT ON; exec altaFalta 2, '20260102'; SET NOCOUNT OFF", {-1}, 0},
      {"duplicate key", "insert into empleado (codigo, nombre) values (1, 'X')", {}, 2627},
      {"foreign key", "exec altaFalta 99, '20260103'", {}, 547},
      {"missing procedure", "exec noExiste 1", {}, 2812},
      {"too many arguments", "exec altaFalta 1, '20260101', 3", {}, 8144},
      {"missing argument", "exec altaFalta 1", {}, 201},
      {"syntax", "select from where", {}, 102},
  };
  auto e = opened();
  e->Run(QStringLiteral("PRAGMA foreign_keys = ON"));
  for (const BatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DbOutcome out = e->Run(QString::fromUtf8(c.statement));
    if (c.error) {
      ASSERT_FALSE(out.ok());
      EXPECT_EQ(out.errors.first().native, c.error) << DescribeErrors(out.errors).toStdString();
      EXPECT_TRUE(e->IsOpen());
      continue;
    }
    ASSERT_TRUE(out.ok()) << DescribeErrors(out.errors).toStdString();
    QList<qlonglong> counts;
    for (const DbResult& r : out.results)
      if (r.hasColumns) counts << -1;
      else if (r.rowsAffected >= 0) counts << r.rowsAffected;
    EXPECT_EQ(counts, c.rowCounts);
  }
}

TEST_F(StandIn, WrongPasswordIsRefusedWithTheServersNumber) {
  auto e = engine(QString::fromLatin1(SqlServerStandIn::kUser), QStringLiteral("otra"));
  QList<DbError> errors;
  EXPECT_FALSE(e->Open(&errors));
  ASSERT_FALSE(errors.isEmpty());
  EXPECT_EQ(errors.first().native, 18456) << DescribeErrors(errors).toStdString();
}

TEST_F(StandIn, TypesThePortalHasNoReadingForArriveAsTheirText) {
  auto ds = std::make_shared<TDataSource>();
  ds->UseEngine(engine());
  ds->SetConnected(true);
  TQuery q(ds, QStringLiteral("GENERAL"), QStringLiteral("exec pruebaTiposDesconocidos"));
  ASSERT_EQ(q.RecCount(), 1) << MsgSeam::Texts().join(" | ").toStdString();
  const Row row = q.GetRows().row(1);
  EXPECT_EQ(Text::ToText(row.col(1)), QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FD430C8"));
  EXPECT_EQ(Text::ToText(row.col(2)).left(8), QStringLiteral("08:30:15"));
  EXPECT_EQ(Text::ToText(row.col(3)), QStringLiteral("<a b=\"1\">é</a>"));
  EXPECT_EQ(Text::ToText(row.col(4)), QStringLiteral("2026-03-01"));
  EXPECT_EQ(row.col(5).toDouble(), 1234.5);
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());

  // A grid shows them as their text, like any other column.
  QWidget window;
  auto* grid = TArrayBrowse::New(&window, QStringLiteral("arreglo"));
  for (int c = 1; c <= 5; ++c) grid->AddColumn(QString(), 120);
  grid->SetArray(q.GetRows());
  ASSERT_EQ(grid->Len(), 1);
  QStringList shown;
  for (int c = 1; c <= 5; ++c) shown << grid->Column(c)->CellText(grid->aArrayData().row(1));
  EXPECT_EQ(shown.mid(0, 1), QStringList{"6F9619FF-8B86-D011-B42D-00C04FD430C8"});
  EXPECT_TRUE(shown[1].startsWith(QStringLiteral("08:30:15"))) << shown[1].toStdString();
  EXPECT_EQ(shown.mid(2), (QStringList{"<a b=\"1\">é</a>", "2026-03-01", "1234.5"}));
}

}  // namespace
