// The QR code object: what a scanner reads from the exported PDF, and what the engine does
// with contents it cannot encode.
#include <gtest/gtest.h>

#include "PdfTools.h"
#include "reports/GeneraFastReports.h"
#include "reports/frReportManager.h"
#include "support/QrReader.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/MsgBox.h"

namespace {

QString Template(const QString& qrAttributes) {
  return QStringLiteral(
             "<report page=\"letter\" margin-left=\"15\" margin-top=\"10\" margin-right=\"15\" margin-bottom=\"10\">\n"
             "  <data dataset=\"Datos\" height=\"45\">\n"
             "    <text x=\"0\" y=\"0\" w=\"120\" h=\"6\">Fila [CODIGO.001]</text>\n"
             "    <qr x=\"130\" y=\"2\" %1/>\n"
             "  </data>\n"
             "</report>\n")
      .arg(qrAttributes);
}

ResultSet Contents(const QList<QString>& contents) {
  ResultSet rs;
  rs.columns = {"CODIGO", "CONTENIDO"};
  int i = 0;
  for (const QString& c : contents) rs.rows << Row{++i, c};
  return rs;
}

class Qr : public ::testing::Test {
 protected:
  void SetUp() override { MsgSeam::Clear(); }
  // Exports the template over the rows; the PDF path, and the engine's problems of that build.
  QString Export(const QString& tpl, const ResultSet& rows, QStringList* problems = nullptr) {
    PdfTools::WriteTemplate(QStringLiteral("qr.fr3"), tpl);
    EXPECT_TRUE(GeneraFastReportsPDF(QStringLiteral("qr.fr3"), {}, rows, false, {}, dir.file("qr")));
    if (problems) {
      frReportManager engine;
      AssignDataSource(engine, ReportSource(rows));
      engine.LoadFromFile(QStringLiteral("FReports/qr.fr3"));
      engine.PrepareReport();
      *problems = engine.Problems();
    }
    PdfTools::Keep(ArchivoPDF(dir.file("qr")),
                   QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    return ArchivoPDF(dir.file("qr"));
  }
  ScopedWorkDir dir;
};

}  // namespace

TEST_F(Qr, ScannerReadsTheContentOfEveryRowAsVectorSquares) {
  const QString url = QStringLiteral(
      "https://verificacfdi.facturaelectronica.sat.gob.mx/default.aspx?id=3F2A9C1E-7B4D-4E21-9A0B-C3D4E5F60718"
      "&re=CND150101AB1&rr=OIÑA900215AB3&tt=1234.5&fe=9y566n==");
  struct Case {
    const char* name;
    QString attributes;
    QString content;  // the row's value
    QString expected;  // what the scanner reads
  };
  const QString longText = QString(QStringLiteral("Cadena|")).repeated(90);
  const Case cases[] = {
      {"field with an address, ampersands and an eñe", QStringLiteral("size=\"27.5\" content=\"[CONTENIDO.002]\""), url, url},
      {"literal text around an expression", QStringLiteral("size=\"30\" content=\"id=[CODIGO.001]&amp;x=[CONTENIDO.002]\""),
       QStringLiteral("AB"), QStringLiteral("id=1&x=AB")},
      {"high correction, a long text", QStringLiteral("size=\"40\" level=\"H\" content=\"[CONTENIDO.002]\""), longText, longText},
      {"small code, low correction", QStringLiteral("size=\"15\" level=\"L\" content=\"[CONTENIDO.002]\""),
       QStringLiteral("123456"), QStringLiteral("123456")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QStringList problems;
    const QString pdf = Export(Template(c.attributes), Contents({c.content}), &problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'|').toStdString();
    EXPECT_EQ(QrReader::Codes(pdf), QStringList{c.expected});
    // Drawn as squares, not as a picture: the file holds no image.
    const QStringList images = PdfTools::Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                   .split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << images.join(u'\n').toStdString();  // the two heading lines only
  }
  EXPECT_TRUE(MsgSeam::Texts().isEmpty());
}

TEST_F(Qr, ContentsThatGiveNoCode) {
  struct Case {
    const char* name;
    QString attributes;
    QString content;
    QString problem;  // what the engine notes; empty: nothing
  };
  const Case cases[] = {
      {"empty content: nothing printed", QStringLiteral("size=\"25\" content=\"[CONTENIDO.002]\""), QString(), QString()},
      {"blank content: nothing printed", QStringLiteral("size=\"25\" content=\"[CONTENIDO.002]\""), QStringLiteral("   "),
       QString()},
      {"too long for any version", QStringLiteral("size=\"25\" level=\"H\" content=\"[CONTENIDO.002]\""),
       QString(3000, u'x'), QStringLiteral("Código QR no generado: el texto no cabe en un código QR (3000 bytes)")},
      {"unknown correction level", QStringLiteral("size=\"25\" level=\"Z\" content=\"[CONTENIDO.002]\""),
       QStringLiteral("ABC"), QStringLiteral("línea 4: nivel de corrección 'Z' desconocido")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QStringList problems;
    const QString pdf = Export(Template(c.attributes), Contents({c.content}), &problems);
    EXPECT_EQ(problems, c.problem.isEmpty() ? QStringList() : QStringList{c.problem});
    // The rest of the page is printed all the same.
    EXPECT_TRUE(PdfTools::Text(pdf).contains(QStringLiteral("Fila 1")));
    const QStringList codes = QrReader::Codes(pdf);
    EXPECT_EQ(codes, c.problem.startsWith(u'l') ? QStringList{QStringLiteral("ABC")} : QStringList());
  }
  EXPECT_TRUE(MsgSeam::Texts().isEmpty());
}

TEST_F(Qr, ACodeAtAPageBreakMovesWholeToTheNextPage) {
  // A band taller than the page is cut between pages; the code is never cut in two.
  const QString tpl = QStringLiteral(
      "<report page=\"halfletter\" margin-left=\"10\" margin-top=\"10\" margin-right=\"10\" margin-bottom=\"10\">\n"
      "  <title height=\"150\">\n"
      "    <text x=\"0\" y=\"0\" w=\"100\" h=\"150\" stretch=\"1\">[CONTENIDO.002]</text>\n"
      "    <qr x=\"120\" y=\"100\" size=\"30\" content=\"[CODIGO.001]-QR\"/>\n"
      "  </title>\n"
      "</report>\n");
  const QString pdf = Export(tpl, Contents({QStringLiteral("Texto")}));
  ASSERT_EQ(PdfTools::Pages(pdf), 2);
  EXPECT_EQ(QrReader::Codes(pdf, 1), QStringList());
  EXPECT_EQ(QrReader::Codes(pdf, 2), QStringList{QStringLiteral("1-QR")});
}
