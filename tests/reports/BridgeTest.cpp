// The bridge the screens call: template lookup, questions and messages, data sets,
// variables, preview, PDF files, the template editor and the engine's error box.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "PdfTools.h"
#include "reports/GeneraFastReports.h"
#include "reports/ReportDesigner.h"
#include "reports/ReportModal.h"
#include "reports/ReportPreview.h"
#include "reports/frReportManager.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/MsgBox.h"
#include "toolkit/ErrorSys.h"
#include "toolkit/Render.h"
#include "toolkit/TextUtil.h"

namespace {

const char* kCard = R"(<report page="halfletter" margin-left="10" margin-top="10" margin-right="10" margin-bottom="10">
  <title height="20">
    <text x="0" y="0" w="190" h="6" bold="1">[NombreE]</text>
    <text x="0" y="7" w="190" h="6">Empleado: [CODIGO.001] [NOMBRE.002]</text>
    <picture x="150" y="0" w="30" h="15" src="[Logo]"/>
  </title>
  <pagefooter height="6"><text x="0" y="0" w="190" h="5" align="right">Página [PAGE] de [TOTALPAGES]</text></pagefooter>
</report>)";

ResultSet Employee(const QString& name = QStringLiteral("MARÍA PEÑA"), bool reordered = false) {
  ResultSet rs;
  rs.columns = reordered ? QStringList{"NOMBRE", "CODIGO"} : QStringList{"CODIGO", "NOMBRE"};
  rs.rows << Row(reordered ? QVariantList{name, 1042} : QVariantList{1042, name});
  return rs;
}

ReportVariables CompanyVariables(const QString& name = QStringLiteral("ACEROS DEL BAJÍO S.A. DE C.V.")) {
  return {{"ZELK", "NombreE", Text::Quoted(name)}, {"ZELK", "Logo", "''"}};
}

// A data set whose value callback fails on one field, to reach the engine's error box.
class FailingDataSet : public ResultSetDataSet {
 public:
  using ResultSetDataSet::ResultSetDataSet;
  QVariant FieldGet(const QString& name) const override {
    if (name == u"NOMBRE") {
      TError e;
      e.subSystem = QStringLiteral("ADODB");
      e.subCode = 3021;
      e.description = QStringLiteral("Registro actual eliminado");
      e.operation = QStringLiteral("Fields");
      throw e;
    }
    return ResultSetDataSet::FieldGet(name);
  }
};

class Bridge : public ::testing::Test {
 protected:
  void SetUp() override {
    MsgSeam::Clear();
    PdfTools::WriteTemplate(QStringLiteral("Tarjeta.fr3"), QString::fromUtf8(kCard));
    ReportModal::SetHookForTests([this](QDialog& d) {
      shown << d.objectName();
      if (auto* preview = qobject_cast<ReportPreview*>(&d)) previewPages = preview->PageCount();
      if (auto* designer = qobject_cast<ReportDesigner*>(&d)) designerText = designer->Text();
      return 0;
    });
  }
  void TearDown() override { ReportModal::SetHookForTests({}); }
  QString PdfText(const QString& base) { return PdfTools::Folded(PdfTools::Text(ArchivoPDF(base))); }

  ScopedWorkDir dir;
  QStringList shown;
  int previewPages = -1;
  QString designerText;
};

TEST_F(Bridge, FieldListNamesEachColumnWithItsPosition) {
  ResultSetDataSet data(Employee());
  EXPECT_EQ(FieldListOf(data), QStringLiteral("CODIGO.001;NOMBRE.002;"));
  ResultSet wide;
  for (int i = 1; i <= 12; ++i) wide.columns << QStringLiteral("C%1").arg(i);
  EXPECT_TRUE(FieldListOf(ResultSetDataSet(wide)).endsWith(QStringLiteral("C10.010;C11.011;C12.012;")));
}

TEST_F(Bridge, PreviewShowsThePreparedPagesModally) {
  EXPECT_TRUE(GeneraFastReports(QStringLiteral("Tarjeta.fr3"), {}, Employee(), false, CompanyVariables()));
  EXPECT_EQ(shown, QStringList{QStringLiteral("ReportPreview")});
  EXPECT_EQ(previewPages, 1);
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());
}

TEST_F(Bridge, PreviewRunsARealModalLoop) {
  ReportModal::SetHookForTests({});
  bool sawPreview = false;
  QTimer::singleShot(0, [&] {
    if (auto* w = qobject_cast<ReportPreview*>(QApplication::activeModalWidget())) {
      sawPreview = w->isVisible();
      w->reject();
    }
  });
  EXPECT_TRUE(GeneraFastReports(QStringLiteral("Tarjeta.fr3"), {}, Employee(), false, CompanyVariables()));
  EXPECT_TRUE(sawPreview);
}

TEST_F(Bridge, EngineWindowsSpeakSpanish) {
  frReportManager engine;
  EXPECT_FALSE(engine.LoadLangRes(QStringLiteral("english.xml")));
  EXPECT_TRUE(engine.LoadLangRes(QStringLiteral("spanish.xml")));
  EXPECT_EQ(QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"), QStringLiteral("Previsualizar impresión"));
}

TEST_F(Bridge, PreviewCanBeSavedAsPdf) {
  frReportManager engine;
  ResultSetDataSet data(Employee());
  AssignDataSource(engine, ReportSource(data));
  ASSERT_TRUE(engine.LoadFromFile(QStringLiteral("FReports/Tarjeta.fr3")));
  ASSERT_TRUE(engine.PrepareReport());
  ReportPreview preview(engine.Prepared(), QStringLiteral("Tarjeta"));
  EXPECT_NE(preview.findChild<QAction*>(QStringLiteral("actGuardarPDF")), nullptr);  // the toolbar's save button
  ASSERT_TRUE(preview.SaveAs(dir.file("guardado.pdf")));
  EXPECT_TRUE(PdfTools::Text(dir.file("guardado.pdf")).contains(QStringLiteral("MARÍA PEÑA")));
  EXPECT_FALSE(preview.SaveAs(dir.file("no/existe/guardado.pdf")));
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken()[0].title, QStringLiteral("Error"));
  EXPECT_TRUE(MsgSeam::Taken()[0].text.startsWith(QStringLiteral("PDF/1  No se pudo escribir el archivo PDF")));
}

TEST_F(Bridge, PreviewPrintsTheSamePagesOnItsPrinter) {
  frReportManager engine;
  AssignDataSource(engine, ReportSource(Employee()));
  engine.AddVariable(QStringLiteral("ZELK"), QStringLiteral("NombreE"), QStringLiteral("'ACEROS DEL BAJÍO'"));
  engine.AddVariable(QStringLiteral("ZELK"), QStringLiteral("Logo"), QStringLiteral("''"));
  ASSERT_TRUE(engine.LoadFromFile(QStringLiteral("FReports/Tarjeta.fr3")));
  ASSERT_TRUE(engine.PrepareReport());
  ReportPreview preview(engine.Prepared(), QStringLiteral("Tarjeta"));
  // What the print button does, with the printer writing to a file instead of a queue.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.file("impreso.pdf"));
  emit preview.paintRequested(&printer);
  EXPECT_EQ(PdfTools::PageSize(dir.file("impreso.pdf")), QStringLiteral("612 x 396"));
  const QString text = PdfTools::Folded(PdfTools::Text(dir.file("impreso.pdf")));
  EXPECT_TRUE(text.contains(QStringLiteral("ACEROS DEL BAJÍO Empleado: 1042 MARÍA PEÑA"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Página 1 de 1")));
}

TEST_F(Bridge, SilentExportWritesOneUpperCaseSpelledFile) {
  const QString base = dir.file("SolicitudVac1042");
  QFile old(base + QStringLiteral(".pdf"));  // left by an earlier run in the other spelling
  old.open(QIODevice::WriteOnly);
  old.write("old");
  old.close();
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Tarjeta.fr3"), {}, Employee(), false, CompanyVariables(), base));
  EXPECT_TRUE(shown.isEmpty());  // no window at all
  EXPECT_EQ(ArchivoPDF(base), base + QStringLiteral(".PDF"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("SolicitudVac1042.PDF")});
  // The spelling the mail step uses finds the same file.
  EXPECT_EQ(RealFilePath(base + QStringLiteral(".pdf")), base + QStringLiteral(".PDF"));
  const QString text = PdfText(base);
  EXPECT_TRUE(text.contains(QStringLiteral("ACEROS DEL BAJÍO S.A. DE C.V.")));
  EXPECT_TRUE(text.contains(QStringLiteral("Empleado: 1042 MARÍA PEÑA")));
  EXPECT_TRUE(text.contains(QStringLiteral("Página 1 de 1")));
  // A second export with the same name overwrites the same file.
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Tarjeta.fr3"), {}, Employee(QStringLiteral("OTRO")), false,
                                   CompanyVariables(), base));
  EXPECT_TRUE(PdfText(base).contains(QStringLiteral("Empleado: 1042 OTRO")));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(Bridge, TemplateNamesMatchWithoutRegardToCase) {
  EXPECT_EQ(ReportTemplatePath(QStringLiteral("TARJETA.FR3")), QStringLiteral("FReports/Tarjeta.fr3"));
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("tarjeta.fr3"), {}, Employee(), false, CompanyVariables(), dir.file("x")));
  EXPECT_TRUE(QFileInfo::exists(dir.file("x.PDF")));
}

TEST_F(Bridge, PairsAreRegisteredUnderTheirAliases) {
  ResultSetDataSet data(Employee());
  ReportSource pairs({{QStringLiteral("Datos"), data}});
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Tarjeta.fr3"), {}, pairs, false, CompanyVariables(), dir.file("p")));
  EXPECT_TRUE(PdfText(dir.file("p")).contains(QStringLiteral("1042 MARÍA PEÑA")));
}

TEST_F(Bridge, QuotesAndSpanishLettersInVariablesPrintAsGiven) {
  struct {
    QString value, printed;
  } cases[] = {
      {Text::Quoted(QStringLiteral("D'ANGELO Y ASOCIADOS")), QStringLiteral("D'ANGELO Y ASOCIADOS")},
      {QStringLiteral("'D'ANGELO'"), QStringLiteral("D'ANGELO")},  // quotes not doubled by the caller
      {QStringLiteral("'ÑANDÚ, ÁGUILA & CÍA'"), QStringLiteral("ÑANDÚ, ÁGUILA & CÍA")},
      {QStringLiteral("Semanal"), QStringLiteral("Semanal")},        // an unquoted word is its own text
      {QStringLiteral("01/12/2025"), QStringLiteral("01/12/2025")},  // an unquoted date stays a date
      {QStringLiteral("256"), QStringLiteral("256")},
      {QStringLiteral("'[PAGE]'"), QStringLiteral("[PAGE]")},        // a value is never parsed again
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Tarjeta.fr3"), {}, Employee(), false,
                                     {{"ZELK", "NombreE", c.value}}, dir.file("q")));
    EXPECT_TRUE(PdfText(dir.file("q")).contains(c.printed)) << c.value.toStdString();
  }
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());
}

TEST_F(Bridge, ReorderedColumnsLeaveVisibleMarkers) {
  frReportManager engine;
  AssignDataSource(engine, ReportSource(Employee(QStringLiteral("X"), true)));
  ASSERT_TRUE(engine.LoadFromFile(QStringLiteral("FReports/Tarjeta.fr3")));
  ASSERT_TRUE(engine.PrepareReport());
  EXPECT_TRUE(engine.Problems().contains(QStringLiteral("Nombre desconocido: CODIGO.001")));
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Tarjeta.fr3"), {}, Employee(QStringLiteral("X"), true), false,
                                   CompanyVariables(), dir.file("r")));
  EXPECT_TRUE(PdfText(dir.file("r")).contains(QStringLiteral("Empleado: ¿CODIGO.001? ¿NOMBRE.002?")));
}

TEST_F(Bridge, MissingTemplateAnsweredNoCancels) {
  MsgSeam::QueueAnswer(false);
  EXPECT_FALSE(GeneraFastReports(QStringLiteral("NoExiste.fr3"), {}, Employee(), false, CompanyVariables()));
  const auto boxes = MsgSeam::Taken();
  ASSERT_EQ(boxes.size(), 2);
  EXPECT_EQ(boxes[0].kind, MsgKind::YesNo);
  EXPECT_EQ(boxes[0].text, QStringLiteral("¿ No Existe el reporte, desea crear uno nuevo ?"));
  EXPECT_EQ(boxes[0].title, QStringLiteral("Seleccione"));
  EXPECT_EQ(boxes[1].kind, MsgKind::Stop);
  EXPECT_EQ(boxes[1].text, QStringLiteral("Proceso Cancelado"));
  EXPECT_EQ(boxes[1].title, QStringLiteral("Atencion"));
  EXPECT_TRUE(shown.isEmpty());
  MsgSeam::QueueAnswer(false);
  EXPECT_FALSE(GeneraFastReportsPDF(QStringLiteral("NoExiste.fr3"), {}, Employee(), false, CompanyVariables(), dir.file("n")));
  EXPECT_FALSE(QFileInfo::exists(dir.file("n.PDF")));
}

TEST_F(Bridge, MissingTemplateAnsweredYesOpensTheEditorAndWritesNoFile) {
  MsgSeam::QueueAnswer(true);
  EXPECT_TRUE(GeneraFastReportsPDF(QStringLiteral("Nuevo.fr3"), {}, Employee(), false, CompanyVariables(), dir.file("n")));
  EXPECT_EQ(shown, QStringList{QStringLiteral("ReportDesigner")});
  EXPECT_EQ(designerText, ReportDesigner::NewTemplateText());
  EXPECT_FALSE(QFileInfo::exists(dir.file("n.PDF")));
}

TEST_F(Bridge, NoDataCancelsWithItsMessage) {
  EXPECT_FALSE(GeneraFastReports(QStringLiteral("Tarjeta.fr3"), {}, {}, false, CompanyVariables()));
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken()[0].kind, MsgKind::Stop);
  EXPECT_EQ(MsgSeam::Taken()[0].text, QStringLiteral("No paso datos a imprimir"));
  EXPECT_EQ(MsgSeam::Taken()[0].title, QStringLiteral("Proceso cancelado"));
  EXPECT_TRUE(shown.isEmpty());
}

TEST_F(Bridge, DesignFlagOpensTheEditorOnTheTemplate) {
  EXPECT_TRUE(GeneraFastReports(QStringLiteral("Tarjeta.fr3"), {}, Employee(), true, CompanyVariables()));
  EXPECT_EQ(shown, QStringList{QStringLiteral("ReportDesigner")});
  EXPECT_EQ(designerText, QString::fromUtf8(kCard));
}

TEST_F(Bridge, EditorPreviewsLiveAndSavesTheTemplate) {
  frReportManager engine;
  AssignDataSource(engine, ReportSource(Employee()));
  engine.LoadFromFile(QStringLiteral("FReports/Tarjeta.fr3"));
  engine.AddVariable(QStringLiteral("ZELK"), QStringLiteral("NombreE"), QStringLiteral("'EMPRESA'"));
  ReportModal::SetHookForTests([](QDialog& d) {
    auto* designer = qobject_cast<ReportDesigner*>(&d);
    EXPECT_EQ(designer->PreviewPages(), 1);
    designer->SetText(QStringLiteral("<report><title"));  // broken text keeps the last preview
    EXPECT_TRUE(designer->Status().startsWith(QStringLiteral("Plantilla no válida: línea")));
    EXPECT_EQ(designer->PreviewPages(), 1);
    designer->SetText(designer->Text() + QStringLiteral(" height=\"5\"><text x=\"0\" y=\"0\" w=\"50\" h=\"5\">[NombreE] [NOMBRE.002]</text></title></report>"));
    EXPECT_EQ(designer->Status(), QStringLiteral("1 página(s)"));
    designer->findChild<QPushButton*>(QStringLiteral("btnGuardar"))->click();
    if (!qEnvironmentVariableIsEmpty("REPORTS_KEEP_PDF"))
      Render::ToPng(designer, qEnvironmentVariable("REPORTS_KEEP_PDF") + QStringLiteral("/ReportDesigner.png"));
    return 1;
  });
  engine.DesignReport();
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Tarjeta.fr3"), {}, Employee(), false,
                                   {{"ZELK", "NombreE", "'EMPRESA'"}}, dir.file("d")));
  EXPECT_TRUE(PdfText(dir.file("d")).contains(QStringLiteral("EMPRESA MARÍA PEÑA")));
}

TEST_F(Bridge, BadTemplatesAreReportedAndNothingIsWritten) {
  struct {
    const char* content;
    const char* message;
  } cases[] = {
      {"", "FRH/1  Plantilla no válida (plantilla vacía): FReports/Malo.fr3"},
      {"<report><title height=\"5\">", "FRH/1  Plantilla no válida (línea 1: "},
      {"<informe/>", "FRH/1  Plantilla no válida (línea 1: se esperaba <report>"},
  };
  for (const auto& c : cases) {
    MsgSeam::Clear();
    PdfTools::WriteTemplate(QStringLiteral("Malo.fr3"), QString::fromUtf8(c.content));
    EXPECT_FALSE(GeneraFastReportsPDF(QStringLiteral("Malo.fr3"), {}, Employee(), false, CompanyVariables(), dir.file("m")));
    EXPECT_FALSE(QFileInfo::exists(dir.file("m.PDF")));
    ASSERT_FALSE(MsgSeam::Taken().isEmpty()) << c.content;
    EXPECT_EQ(MsgSeam::Taken()[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(MsgSeam::Taken()[0].text.startsWith(QString::fromUtf8(c.message))) << MsgSeam::Taken()[0].text.toStdString();
    EXPECT_TRUE(GeneraFastReports(QStringLiteral("Malo.fr3"), {}, Employee(), false, CompanyVariables()));
  }
  EXPECT_TRUE(shown.isEmpty());  // no preview of a template that could not be read
}

TEST_F(Bridge, UnwritablePdfIsReportedAndAnswersFalse) {
  EXPECT_FALSE(GeneraFastReportsPDF(QStringLiteral("Tarjeta.fr3"), {}, Employee(), false, CompanyVariables(),
                                    dir.file("no/hay/carpeta")));
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_TRUE(MsgSeam::Taken()[0].text.startsWith(QStringLiteral("FRH/5  No se pudo escribir el archivo PDF")));
  EXPECT_TRUE(MsgSeam::Taken()[0].text.endsWith(dir.file("no/hay/carpeta.PDF")));
}

TEST_F(Bridge, CallbackErrorsGoToTheEnginesBoxOnceAndTheRunGoesOn) {
  FailingDataSet data(Employee());
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Tarjeta.fr3"), {}, ReportSource(data), false, CompanyVariables(), dir.file("e")));
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken()[0].kind, MsgKind::Stop);
  EXPECT_EQ(MsgSeam::Taken()[0].title, QStringLiteral("Error"));
  EXPECT_EQ(MsgSeam::Taken()[0].text, QStringLiteral("ADODB/3021  Registro actual eliminado: Fields"));
  EXPECT_TRUE(PdfText(dir.file("e")).contains(QStringLiteral("Empleado: 1042")));
}

TEST_F(Bridge, EngineBoxTextsFillMissingPartsWithQuestionMarks) {
  TError warning;
  warning.severity = 1;
  warning.subSystem.clear();
  warning.description = QStringLiteral("Aviso");
  frReportManager engine;
  engine.SetUserDataSet(QStringLiteral("Datos"), QStringLiteral("A.001;"), [] {}, [] {}, [] {},
                        [] { return true; }, [warning](const QString&) -> QVariant { throw warning; });
  PdfTools::WriteTemplate(QStringLiteral("A.fr3"),
                          QStringLiteral("<report><title height=\"5\"><text x=\"0\" y=\"0\" w=\"50\" h=\"5\">[A.001]</text></title></report>"));
  ASSERT_TRUE(engine.LoadFromFile(QStringLiteral("FReports/A.fr3")));
  ASSERT_TRUE(engine.PrepareReport());
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken()[0].kind, MsgKind::Alert);
  EXPECT_EQ(MsgSeam::Taken()[0].title, QStringLiteral("Warning"));
  EXPECT_EQ(MsgSeam::Taken()[0].text, QStringLiteral("?\?\?/?\?\?  Aviso: ?\?\?"));
}

TEST_F(Bridge, ErrorsTheProgramRaisesInCallbacksKeepTheirOrigin) {
  struct Case {
    const char* name;
    std::function<void()> raise;  // what the value callback does
    MsgKind kind;
    QString title, text;
  };
  auto raised = [](int severity, const char* subSystem, int code, const char* description, const char* operation,
                   const char* file) {
    return [=] {
      TError e;
      e.severity = severity;
      e.subSystem = QString::fromLatin1(subSystem);
      e.subCode = code;
      e.description = QString::fromUtf8(description);
      e.operation = QString::fromLatin1(operation);
      e.filename = QString::fromUtf8(file);
      ErrorSys::Raise(e);
    };
  };
  const Case cases[] = {
      {"a database error", raised(2, "BD", 2812, "Could not find stored procedure 'x'.", "TRecordSet:Open", ""),
       MsgKind::Stop, QStringLiteral("Error"), QStringLiteral("BD/2812  Could not find stored procedure 'x'.: TRecordSet:Open")},
      {"a warning with a file", raised(1, "ADODB", 3021, "Registro actual eliminado", "Fields", "recibos.db"),
       MsgKind::Alert, QStringLiteral("Warning"), QStringLiteral("ADODB/3021  Registro actual eliminado: recibos.db")},
      {"no code", raised(2, "BASE", 0, "Argumento no válido", "SUBSTR", ""), MsgKind::Stop, QStringLiteral("Error"),
       QStringLiteral("BASE/?\?\?  Argumento no válido: SUBSTR")},
      {"an exception of a library", [] { throw std::runtime_error("bad_alloc"); }, MsgKind::Stop, QStringLiteral("Error"),
       QStringLiteral("?\?\?/?\?\?  bad_alloc: ?\?\?")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MsgSeam::Clear();
    frReportManager engine;
    const auto raise = c.raise;
    engine.SetUserDataSet(QStringLiteral("Datos"), QStringLiteral("A.001;"), [] {}, [] {}, [] {}, [] { return true; },
                          [raise](const QString&) -> QVariant {
                            raise();
                            return {};
                          });
    PdfTools::WriteTemplate(QStringLiteral("A.fr3"),
                            QStringLiteral("<report><title height=\"5\"><text x=\"0\" y=\"0\" w=\"50\" h=\"5\">[A.001]</text></title></report>"));
    ASSERT_TRUE(engine.LoadFromFile(QStringLiteral("FReports/A.fr3")));
    ASSERT_TRUE(engine.PrepareReport());
    ASSERT_EQ(MsgSeam::Taken().size(), 1);
    EXPECT_EQ(MsgSeam::Taken()[0].kind, c.kind);
    EXPECT_EQ(MsgSeam::Taken()[0].title, c.title);
    EXPECT_EQ(MsgSeam::Taken()[0].text, c.text);
  }
}

TEST_F(Bridge, MissingPictureShowsAMarkerNotACrash) {
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("Tarjeta.fr3"), {}, Employee(), false,
                                   {{"ZELK", "NombreE", "'X'"}, {"ZELK", "Logo", "'/no/existe/logo.png'"}},
                                   dir.file("l")));
  const QString text = PdfText(dir.file("l"));
  EXPECT_TRUE(text.contains(QStringLiteral("Imagen no encontrada:"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("logo.png"))) << text.toStdString();
}

}  // namespace
