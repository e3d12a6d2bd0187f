// Reports over the data layer's query object, on a real embedded database.
#include <gtest/gtest.h>

#include "PdfTools.h"
#include "data/SqliteEngine.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "reports/GeneraFastReports.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/MsgBox.h"

namespace {

class QueryReport : public ::testing::Test {
 protected:
  void SetUp() override {
    MsgSeam::Clear();
    source->UseEngine(std::make_unique<SqliteEngine>(QStringLiteral("prueba.db")));
    source->SetConnected(true);
    ASSERT_TRUE(source->Execute(QStringLiteral("create table prestamos (codigo int, folio text, importe real)")));
    ASSERT_TRUE(source->Execute(QStringLiteral(
        "insert into prestamos values (1042, 'INF-1', 1500.5), (1042, 'INF-2', 2500), (1042, 'D''ALBA-3', 99.5)")));
    PdfTools::WriteTemplate(QStringLiteral("Prestamos.fr3"), QStringLiteral(R"(<report page="letter">
      <title height="8"><text x="0" y="0" w="150" h="6" bold="1">[NombreE] - Empleado [codigo.001]</text></title>
      <data height="5"><text x="0" y="0" w="60" h="5">[folio.002]</text>
        <text x="60" y="0" w="40" h="5" align="right">[FORMATNUM(importe.003)]</text></data>
      <summary height="6"><text x="0" y="0" w="100" h="5" align="right">Total [FORMATNUM(SUM(importe.003))]</text></summary>
      <pagefooter height="6"><text x="0" y="0" w="190" h="5" align="right">Página [PAGE] de [TOTALPAGES]</text></pagefooter>
    </report>)"));
  }
  ScopedWorkDir dir;
  std::shared_ptr<TDataSource> source = std::make_shared<TDataSource>();
};

TEST_F(QueryReport, AnOpenQueryIsTheReportsDataSet) {
  auto query = std::make_shared<TQuery>(source, QStringLiteral("GENERAL"),
                                        QStringLiteral("select codigo, folio, importe from prestamos order by folio"));
  ASSERT_EQ(query->RecCount(), 3);
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Prestamos.fr3"), {}, query, false,
                                   {{"ZELK", "NombreE", "'ACEROS DEL NORTE'"}}, QStringLiteral("prestamos")));
  const QString text = PdfTools::Folded(PdfTools::Text(ArchivoPDF(QStringLiteral("prestamos"))));
  EXPECT_TRUE(text.contains(QStringLiteral("ACEROS DEL NORTE - Empleado 1042"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("D'ALBA-3 99.50")));
  EXPECT_TRUE(text.contains(QStringLiteral("Total 4,100.00")));
  EXPECT_TRUE(text.contains(QStringLiteral("Página 1 de 1")));
  EXPECT_EQ(query->RecCount(), 3);  // the caller's query is left as it was, for the caller to close
}

TEST_F(QueryReport, AQueryInAnAliasPair) {
  TQuery query(source, QStringLiteral("GENERAL"), QStringLiteral("select codigo, folio, importe from prestamos"));
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Prestamos.fr3"), {}, ReportSource({{QStringLiteral("Datos"), query}}),
                                   false, {{"ZELK", "NombreE", "'X'"}}, QStringLiteral("par")));
  EXPECT_TRUE(PdfTools::Folded(PdfTools::Text(ArchivoPDF(QStringLiteral("par")))).contains(QStringLiteral("Total 4,100.00")));
}

TEST_F(QueryReport, NoQueryMeansNoData) {
  std::shared_ptr<TQuery> nothing;  // what the data operations return for no rows
  EXPECT_FALSE(GeneraFastReports(QStringLiteral("Prestamos.fr3"), {}, nothing, false, {}));
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken()[0].text, QStringLiteral("No paso datos a imprimir"));
}

TEST_F(QueryReport, AFailedStatementGivesAnEmptyButValidDocument) {
  TQuery query(source, QStringLiteral("GENERAL"), QStringLiteral("select * from no_existe"));
  MsgSeam::Clear();  // the data source's own alert
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Prestamos.fr3"), {}, query, false, {{"ZELK", "NombreE", "'X'"}},
                                   QStringLiteral("fallo")));
  EXPECT_EQ(PdfTools::Pages(ArchivoPDF(QStringLiteral("fallo"))), 1);
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());
}

}  // namespace
