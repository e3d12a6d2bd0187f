// Pagination and band behaviour, read back from real PDF files.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "PdfTools.h"
#include "reports/GeneraFastReports.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TextUtil.h"

namespace {

ResultSet Employees(int count, int perDepartment = 1000000) {
  ResultSet rs;
  rs.columns = {"DEPTO", "CODIGO", "NOMBRE", "IMPORTE"};
  for (int i = 1; i <= count; ++i)
    rs.rows << Row{QStringLiteral("D%1").arg((i - 1) / perDepartment + 1), i,
                    QStringLiteral("EMPLEADO %1").arg(i, 4, 10, QChar(u'0')), 100.5 * i};
  return rs;
}

const char* kListing = R"(<report page="letter" margin-left="15" margin-top="10" margin-right="15" margin-bottom="10">
  <title height="12"><text x="0" y="0" w="185" h="8" size="14" bold="1">LISTADO DE PRUEBA [NombreE]</text></title>
  <pageheader height="8"><text x="0" y="1" w="185" h="6" bold="1">ENCABEZADO DE PAGINA</text></pageheader>
  <group condition="[DEPTO.001]">
    <header height="7"><text x="0" y="0" w="185" h="6" bold="1">Departamento [DEPTO.001]</text></header>
    <footer height="7"><text x="0" y="0" w="185" h="6">Fin [DEPTO.001] ultimo [NOMBRE.003] suma [FORMATNUM(SUM(IMPORTE.004))] filas [COUNT()]</text></footer>
  </group>
  <data dataset="Datos" height="5.5">
    <text x="0" y="0" w="20" h="5" align="right">[CODIGO.002]</text>
    <text x="25" y="0" w="100" h="5">[Datos.NOMBRE.003]</text>
    <text x="130" y="0" w="50" h="5" align="right">[FORMATNUM(IMPORTE.004)]</text>
  </data>
  <summary height="[SUMMARY]"><text x="0" y="0" w="185" h="6" bold="1">TOTAL GENERAL [MONEY(SUM(IMPORTE.004))]</text></summary>
  <pagefooter height="8"><text x="0" y="2" w="185" h="5" align="right">Página [PAGE] de [TOTALPAGES]</text></pagefooter>
</report>)";

QString Listing(double summaryHeight = 8) {
  return QString::fromUtf8(kListing).replace(QStringLiteral("[SUMMARY]"), QString::number(summaryHeight));
}

const ReportVariables kCompany = {{"ZELK", "NombreE", "'COMERCIAL DEL NORTE S.A. DE C.V.'"}};

class Layout : public ::testing::Test {
 protected:
  void SetUp() override { MsgSeam::Clear(); }
  QString Export(const QString& tpl, const ResultSet& rows, const ReportVariables& vars = kCompany) {
    PdfTools::WriteTemplate(QStringLiteral("prueba.fr3"), tpl);
    EXPECT_TRUE(GeneraFastReportsPDF(QStringLiteral("prueba.fr3"), {}, rows, false, vars, dir.file("salida")));
    PdfTools::Keep(ArchivoPDF(dir.file("salida")),
                   QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    return ArchivoPDF(dir.file("salida"));
  }
  ScopedWorkDir dir;
};

TEST_F(Layout, PageHeaderRepeatsAndTotalPagesOnEveryPage) {
  const QString pdf = Export(Listing(), Employees(120));
  const int pages = PdfTools::Pages(pdf);
  ASSERT_GE(pages, 3);
  for (int p = 1; p <= pages; ++p) {
    const QString text = PdfTools::PageText(pdf, p);
    EXPECT_TRUE(text.contains(QStringLiteral("ENCABEZADO DE PAGINA"))) << p;
    EXPECT_TRUE(text.contains(QStringLiteral("Página %1 de %2").arg(p).arg(pages))) << p;
    EXPECT_EQ(text.contains(QStringLiteral("LISTADO DE PRUEBA")), p == 1) << p;
  }
  // Every row printed once, in order.
  const QString all = PdfTools::Text(pdf);
  EXPECT_TRUE(all.contains(QStringLiteral("EMPLEADO 0001")));
  EXPECT_TRUE(all.contains(QStringLiteral("EMPLEADO 0120")));
  EXPECT_EQ(all.count(QStringLiteral("EMPLEADO 0077")), 1);
  EXPECT_TRUE(PdfTools::Folded(all).contains(QStringLiteral("TOTAL GENERAL $729,630.00")));
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());
}

TEST_F(Layout, PageFooterSumsCoverTheirOwnPage) {
  QString tpl = Listing();
  tpl.replace(QStringLiteral("Página [PAGE] de [TOTALPAGES]"),
              QStringLiteral("Filas [COUNT()] suma [FORMATNUM(SUM(IMPORTE.004))] Página [PAGE] de [TOTALPAGES]"));
  const QString pdf = Export(tpl, Employees(100));
  const int pages = PdfTools::Pages(pdf);
  ASSERT_GE(pages, 2);
  int total = 0;
  for (int p = 1; p <= pages; ++p) {
    const QString text = PdfTools::PageText(pdf, p);
    const auto m = QRegularExpression(QStringLiteral("Filas (\\d+) suma")).match(text);
    ASSERT_TRUE(m.hasMatch()) << p;
    const auto rows = text.count(QStringLiteral("EMPLEADO ")) - text.count(QStringLiteral("ultimo EMPLEADO "));
    EXPECT_EQ(m.captured(1).toInt(), rows) << p;
    total += m.captured(1).toInt();
  }
  EXPECT_EQ(total, 100);
}

TEST_F(Layout, GroupFooterSeesItsGroupsLastRowAndItsOwnSums) {
  const QString text = PdfTools::Folded(PdfTools::Text(Export(Listing(), Employees(6, 4))));
  // D1 holds rows 1-4 (100.5+201+301.5+402), D2 rows 5-6 (502.5+603).
  EXPECT_TRUE(text.contains(QStringLiteral("Fin D1 ultimo EMPLEADO 0004 suma 1,005.00 filas 4"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Fin D2 ultimo EMPLEADO 0006 suma 1,105.50 filas 2"))) << text.toStdString();
  EXPECT_LT(text.indexOf(QStringLiteral("Departamento D2")), text.indexOf(QStringLiteral("EMPLEADO 0005")));
  EXPECT_GT(text.indexOf(QStringLiteral("Departamento D2")), text.indexOf(QStringLiteral("Fin D1")));
}

TEST_F(Layout, SummaryThatDoesNotFitMovesToANewPage) {
  // Find how many rows fill the first page, then ask for a tall summary after them.
  const QString one = Export(Listing(), Employees(36));
  ASSERT_EQ(PdfTools::Pages(one), 1);
  const QString tall = Export(Listing(120), Employees(36));
  ASSERT_EQ(PdfTools::Pages(tall), 2);
  EXPECT_FALSE(PdfTools::PageText(tall, 1).contains(QStringLiteral("TOTAL GENERAL")));
  EXPECT_TRUE(PdfTools::PageText(tall, 2).contains(QStringLiteral("TOTAL GENERAL")));
  EXPECT_TRUE(PdfTools::PageText(tall, 2).contains(QStringLiteral("Página 2 de 2")));
}

TEST_F(Layout, EmptyDataSetStillGivesAValidDocument) {
  ResultSet empty = Employees(0);
  const QString pdf = Export(Listing(), empty);
  EXPECT_EQ(PdfTools::Pages(pdf), 1);
  const QString text = PdfTools::Folded(PdfTools::Text(pdf));
  EXPECT_TRUE(text.contains(QStringLiteral("LISTADO DE PRUEBA COMERCIAL DEL NORTE")));
  EXPECT_TRUE(text.contains(QStringLiteral("TOTAL GENERAL $0.00")));
  EXPECT_TRUE(text.contains(QStringLiteral("Página 1 de 1"))) << text.toStdString();
}

TEST_F(Layout, LongTextStretchesItsBandAndPushesFloatingObjects) {
  const QString tpl = QStringLiteral(R"(<report page="halfletter" margin-left="10" margin-top="10" margin-right="10" margin-bottom="10">
    <data height="12">
      <text x="0" y="0" w="60" h="5" stretch="1">[NOMBRE.003]</text>
      <text x="0" y="6" w="60" h="5" float="1">DEBAJO [CODIGO.002]</text>
    </data>
    <pagefooter height="6"><text x="0" y="0" w="190" h="5" align="center">Página [PAGE] de [TOTALPAGES]</text></pagefooter>
  </report>)");
  ResultSet rs = Employees(2);
  QString longText;
  for (int i = 0; i < 60; ++i) longText += QStringLiteral("palabra%1 ").arg(i);
  rs.rows[0].values[2] = longText.trimmed();
  const QString pdf = Export(tpl, rs);
  const QString text = PdfTools::Text(pdf);
  EXPECT_TRUE(text.contains(QStringLiteral("palabra0")));
  EXPECT_TRUE(text.contains(QStringLiteral("palabra59")));
  // The floating text comes after the whole stretched text, and the next row after that.
  EXPECT_GT(text.indexOf(QStringLiteral("DEBAJO 1")), text.indexOf(QStringLiteral("palabra59")));
  EXPECT_GT(text.indexOf(QStringLiteral("EMPLEADO 0002")), text.indexOf(QStringLiteral("DEBAJO 1")));
}

TEST_F(Layout, TextLongerThanAPageContinuesOnTheNextPages) {
  const QString tpl = QStringLiteral(R"(<report page="halfletter" margin-left="10" margin-top="10" margin-right="10" margin-bottom="10">
    <title height="8"><text x="0" y="0" w="190" h="6" stretch="1">[NOMBRE.003]</text></title>
    <pagefooter height="6"><text x="0" y="0" w="190" h="5" align="center">Página [PAGE] de [TOTALPAGES]</text></pagefooter>
  </report>)");
  ResultSet rs = Employees(1);
  QStringList lines;
  for (int i = 1; i <= 70; ++i) lines << QStringLiteral("renglon %1").arg(i);
  rs.rows[0].values[2] = lines.join(u'\n');
  const QString pdf = Export(tpl, rs);
  const int pages = PdfTools::Pages(pdf);
  EXPECT_GE(pages, 3);
  const QString text = PdfTools::Text(pdf);
  for (int i = 1; i <= 70; ++i) EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("renglon %1\\b").arg(i))), 1) << i;
  EXPECT_TRUE(PdfTools::PageText(pdf, pages).contains(QStringLiteral("Página %1 de %1").arg(pages)));
}

TEST_F(Layout, ShrinkingTextPrintsWholeInItsBox) {
  const QString name = QStringLiteral("COMERCIALIZADORA Y DISTRIBUIDORA DEL NORTE DE MÉXICO SA DE CV");
  const QString tpl = QStringLiteral(R"(<report page="letter">
    <title height="20">
      <text x="0" y="0" w="80" h="7" size="13" bold="1" shrink="1" wrap="0">[NombreE]</text>
      <text x="0" y="10" w="80" h="7" size="13" bold="1">[NombreE]</text>
    </title></report>)");
  const QString text = PdfTools::Text(Export(tpl, Employees(1), {{"ZELK", "NombreE", Text::Quoted(name)}}));
  EXPECT_EQ(text.count(name), 1) << text.toStdString();  // shrunk onto one line; the other is cut
}

TEST_F(Layout, FontsAreEmbeddedAndPageSizesFollowTheTemplate) {
  const QString pdf = Export(Listing(), Employees(3));
  EXPECT_EQ(PdfTools::PageSize(pdf), QStringLiteral("612 x 792"));
  const QString fonts = PdfTools::Fonts(pdf);
  EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSans"))) << fonts.toStdString();
  for (const QString& line : fonts.split(u'\n').mid(2)) {
    if (!line.trimmed().isEmpty()) {
      EXPECT_TRUE(line.contains(QStringLiteral(" yes "))) << line.toStdString();
    }
  }
  const QString half = Export(QStringLiteral("<report page=\"halfletter\"><title height=\"10\"><text x=\"0\" y=\"0\" w=\"50\" h=\"5\">x</text></title></report>"),
                              Employees(1));
  EXPECT_EQ(PdfTools::PageSize(half), QStringLiteral("612 x 396"));
}

}  // namespace
