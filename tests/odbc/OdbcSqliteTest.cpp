// The ODBC engine against the real sqliteodbc driver.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include "data/OdbcEngine.h"
#include "data/OdbcLibrary.h"
#include "odbc/OdbcDrivers.h"
#include "toolkit/TextUtil.h"

namespace {

class OdbcSqlite : public ::testing::Test {
 protected:
  void SetUp() override {
    if (OdbcDrivers::Sqlite().isEmpty()) GTEST_SKIP() << "sqliteodbc (libsqliteodbc) is not installed";
  }
  QString text(const QString& file) const {
    return QStringLiteral("Driver=%1;Database=%2;").arg(OdbcDrivers::Sqlite(), dir.file(file));
  }
  std::unique_ptr<OdbcEngine> open(OdbcEngine::CharColumns chars = OdbcEngine::CharColumns::Wide) {
    auto e = std::make_unique<OdbcEngine>(text(QStringLiteral("odbc.db")), chars);
    QList<DbError> errors;
    EXPECT_TRUE(e->Open(&errors)) << DescribeErrors(errors).toStdString();
    return e;
  }
  static Row firstRow(const DbOutcome& out) {
    EXPECT_TRUE(out.ok()) << DescribeErrors(out.errors).toStdString();
    const DbResult* r = out.firstRowSet();
    return r && !r->set.rows.isEmpty() ? r->set.rows.first() : Row{};
  }
  ScopedWorkDir dir;
};

TEST_F(OdbcSqlite, ConnectsAndReadsColumnsByName) {
  auto e = open();
  ASSERT_TRUE(e->IsOpen());
  const DbOutcome out = e->Run(QStringLiteral("select 7 as siete, 'ñandú' as ave, 2.5 as medio, NULL as nada"));
  const DbResult* r = out.firstRowSet();
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->set.columns, (QStringList{QStringLiteral("siete"), QStringLiteral("ave"), QStringLiteral("medio"), QStringLiteral("nada")}));
  const Row row = firstRow(out);
  EXPECT_EQ(row.col(1).toLongLong(), 7);
  EXPECT_EQ(row.col(2).toString(), QStringLiteral("ñandú"));
  EXPECT_DOUBLE_EQ(row.col(3).toDouble(), 2.5);
  EXPECT_TRUE(row.col(4).isNull());
  e->Close();
  EXPECT_FALSE(e->IsOpen());
  EXPECT_EQ(e->Run(QStringLiteral("select 1")).errors.value(0).message, QStringLiteral("Connection closed"));
}

TEST_F(OdbcSqlite, FailedConnectReportsTheDriversError) {
  OdbcEngine missingDriver(QStringLiteral("Driver=/nonexistent/libnada.so;Database=x.db;"));
  QList<DbError> errors;
  EXPECT_FALSE(missingDriver.Open(&errors));
  ASSERT_FALSE(errors.isEmpty());
  EXPECT_FALSE(errors.first().message.isEmpty());
  EXPECT_FALSE(missingDriver.IsOpen());
  OdbcEngine missingFolder(QStringLiteral("Driver=%1;Database=/nonexistent/folder/x.db;").arg(OdbcDrivers::Sqlite()));
  errors.clear();
  EXPECT_FALSE(missingFolder.Open(&errors));
  EXPECT_FALSE(errors.isEmpty());
}

TEST_F(OdbcSqlite, RejectedStatementGivesItsErrorAndKeepsTheConnection) {
  auto e = open();
  const DbOutcome bad = e->Run(QStringLiteral("select * from no_existe"));
  ASSERT_FALSE(bad.ok());
  EXPECT_TRUE(bad.errors.first().message.contains(QStringLiteral("no_existe"))) << bad.errors.first().message.toStdString();
  EXPECT_FALSE(bad.connectionLost);
  EXPECT_EQ(firstRow(e->Run(QStringLiteral("select 1"))).col(1).toLongLong(), 1);
}

TEST_F(OdbcSqlite, RowCountsAndEmptyRowSets) {
  auto e = open();
  ASSERT_TRUE(e->Run(QStringLiteral("create table t (a integer, b text)")).ok());
  const DbOutcome ins = e->Run(QStringLiteral("insert into t values (1, 'x')"));
  ASSERT_TRUE(ins.ok());
  ASSERT_EQ(ins.results.size(), 1);
  EXPECT_FALSE(ins.results.first().hasColumns);
  EXPECT_EQ(ins.results.first().rowsAffected, 1);
  const DbOutcome none = e->Run(QStringLiteral("select a, b from t where a > 5"));
  ASSERT_NE(none.firstRowSet(), nullptr);
  EXPECT_TRUE(none.firstRowSet()->set.rows.isEmpty());
  EXPECT_EQ(none.firstRowSet()->set.columns.size(), 2);
}

TEST_F(OdbcSqlite, OneMegabyteBlobComesBackWhole) {
  auto e = open();
  QByteArray blob(1024 * 1024, '\0');
  for (int i = 0; i < blob.size(); ++i) blob[i] = static_cast<char>((i * 131 + i / 977) & 0xFF);
  ASSERT_TRUE(e->Run(QStringLiteral("create table b (data blob)")).ok());
  ASSERT_TRUE(e->Run(QStringLiteral("insert into b values (X'") + QString::fromLatin1(blob.toHex()) + QStringLiteral("')")).ok());
  const Row row = firstRow(e->Run(QStringLiteral("select data from b")));
  EXPECT_EQ(row.col(1).typeId(), QMetaType::QByteArray);
  EXPECT_EQ(row.col(1).toByteArray().size(), blob.size());
  EXPECT_TRUE(row.col(1).toByteArray() == blob);
}

TEST_F(OdbcSqlite, LongTextComesBackWhole) {
  auto e = open();
  QString longText;
  for (int i = 0; i < 100000; ++i) longText += QChar(u'a' + i % 26);
  longText += QStringLiteral("ñ€");
  ASSERT_TRUE(e->Run(QStringLiteral("create table l (t text)")).ok());
  ASSERT_TRUE(e->Run(QStringLiteral("insert into l values ('") + longText + QStringLiteral("')")).ok());
  EXPECT_EQ(firstRow(e->Run(QStringLiteral("select t from l"))).col(1).toString(), longText);
}

TEST_F(OdbcSqlite, EveryWindows1252ByteOfATextColumnRoundTrips) {
  // Bytes stored raw in a text column and read as Windows-1252 bytes: all 255 non-zero bytes,
  // the five undefined ones included, come back as the same characters.
  QByteArray bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  auto raw = open(OdbcEngine::CharColumns::Cp1252Bytes);
  ASSERT_TRUE(raw->Run(QStringLiteral("create table c (t varchar(300))")).ok());
  ASSERT_TRUE(raw->Run(QStringLiteral("insert into c values (CAST(X'") + QString::fromLatin1(bytes.toHex()) +
                       QStringLiteral("' AS TEXT))")).ok());
  const QString back = firstRow(raw->Run(QStringLiteral("select t from c"))).col(1).toString();
  EXPECT_EQ(back, Text::FromCp1252(bytes));
  EXPECT_EQ(Text::ToCp1252(back), bytes);
  EXPECT_EQ(back.at(0x81 - 1), QChar(0x0081));
  EXPECT_EQ(back.at(0x80 - 1), QChar(0x20AC));
  raw->Close();

  // The same characters written through the wide statement text and read back as text.
  auto wide = open(OdbcEngine::CharColumns::Wide);
  const QString chars = Text::FromCp1252(bytes);
  ASSERT_TRUE(wide->Run(QStringLiteral("insert into c values ('") + QString(chars).replace(u'\'', QStringLiteral("''")) +
                        QStringLiteral("')")).ok());
  EXPECT_EQ(firstRow(wide->Run(QStringLiteral("select t from c where rowid = 2"))).col(1).toString(), chars);
}

}  // namespace

namespace {

TEST_F(OdbcSqlite, CharacterDecodingFollowsWhatTheDriverHands) {
  // sqliteodbc hands a text's bytes unconverted: Windows-1252 it is.
  OdbcEngine raw(text(QStringLiteral("probe.db")), OdbcEngine::CharColumns::Wide);
  raw.DetectCharColumns(QStringLiteral("SELECT CAST(X'81D1' AS TEXT)"));
  QList<DbError> errors;
  ASSERT_TRUE(raw.Open(&errors)) << DescribeErrors(errors).toStdString();
  EXPECT_EQ(raw.Chars(), OdbcEngine::CharColumns::Cp1252Bytes);
  // A text the driver stored as UTF-8: read as UTF-8.
  OdbcEngine utf8(text(QStringLiteral("probe.db")), OdbcEngine::CharColumns::Wide);
  utf8.DetectCharColumns(QStringLiteral("SELECT '\u0081Ñ'"));
  ASSERT_TRUE(utf8.Open(&errors));
  EXPECT_EQ(utf8.Chars(), OdbcEngine::CharColumns::Utf8Bytes);
  // A probe that fails keeps the given decoding and the connection.
  OdbcEngine failing(text(QStringLiteral("probe.db")), OdbcEngine::CharColumns::Wide);
  failing.DetectCharColumns(QStringLiteral("SELECT CAST(0x81D1 AS varchar(2)) FROM nada"));
  ASSERT_TRUE(failing.Open(&errors));
  EXPECT_EQ(failing.Chars(), OdbcEngine::CharColumns::Wide);
}

}  // namespace

namespace {

TEST_F(OdbcSqlite, ConvertingDriverIsAskedOnceForTheUnconvertedBytes) {
  // Two databases stand for the driver's two behaviours: one hands the probe converted, the
  // other hands the server's bytes.
  {
    OdbcEngine setup(text(QStringLiteral("convierte.db")));
    QList<DbError> errors;
    ASSERT_TRUE(setup.Open(&errors));
    ASSERT_TRUE(setup.Run(QStringLiteral("create table probe (v text); insert into probe values ('\u0081Ñ')")).ok());
    OdbcEngine setupRaw(text(QStringLiteral("crudo.db")));
    ASSERT_TRUE(setupRaw.Open(&errors));
    ASSERT_TRUE(setupRaw.Run(QStringLiteral("create table probe (v text)")).ok());
    ASSERT_TRUE(setupRaw.Run(QStringLiteral("insert into probe values (CAST(X'81D1' AS TEXT))")).ok());
  }
  QList<DbError> errors;
  OdbcEngine engine(text(QStringLiteral("convierte.db")), OdbcEngine::CharColumns::Cp1252Bytes);
  engine.DetectCharColumns(QStringLiteral("select v from probe"), text(QStringLiteral("crudo.db")));
  ASSERT_TRUE(engine.Open(&errors)) << DescribeErrors(errors).toStdString();
  EXPECT_EQ(engine.Chars(), OdbcEngine::CharColumns::Cp1252Bytes);
  EXPECT_EQ(engine.ConnectionText(), text(QStringLiteral("crudo.db")));

  // When asking does not help, the first text stays, read as UTF-8.
  OdbcEngine stubborn(text(QStringLiteral("convierte.db")), OdbcEngine::CharColumns::Cp1252Bytes);
  stubborn.DetectCharColumns(QStringLiteral("select v from probe"), text(QStringLiteral("convierte.db")) + u' ');
  ASSERT_TRUE(stubborn.Open(&errors));
  EXPECT_EQ(stubborn.Chars(), OdbcEngine::CharColumns::Utf8Bytes);
  EXPECT_EQ(stubborn.ConnectionText(), text(QStringLiteral("convierte.db")));
  EXPECT_EQ(stubborn.Run(QStringLiteral("select v from probe")).firstRowSet()->set.rows.first().col(1).toString(),
            QStringLiteral("\u0081Ñ"));
}

}  // namespace

TEST_F(OdbcSqlite, WithoutTheDriverManagerOpenSaysWhichPackageAndALaterOpenWorks) {
  OdbcLibrary::UseFile("libportal-sin-odbc.so.2");
  OdbcEngine without(text(QStringLiteral("odbc.db")));
  QList<DbError> errors;
  EXPECT_FALSE(without.Open(&errors));
  OdbcLibrary::UseFile("libodbc.so.2");
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].message.startsWith(u"No se pudo cargar la biblioteca libportal-sin-odbc.so.2 ("_qs))
      << errors[0].message.toStdString();
  EXPECT_TRUE(errors[0].message.endsWith(u"). Instale el paquete libodbc2."_qs)) << errors[0].message.toStdString();
  EXPECT_FALSE(without.IsOpen());
  EXPECT_EQ(firstRow(open()->Run(QStringLiteral("select 7"))).col(1).toLongLong(), 7);
}
