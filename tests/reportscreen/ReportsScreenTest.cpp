// The reports screen on the demo database: each document previewed and mailed with the
// employee's own figures, the permissions that offer or refuse them, and its messages.
#include <gtest/gtest.h>

#include <functional>

#include "support/BuildPaths.h"
#include "ScreenSession.h"
#include "data/StatementJournal.h"
#include "mail/TEnviaMail.h"
#include "reports/ReportModal.h"
#include "reports/ReportPreview.h"
#include "screens/reports/TReportes.h"
#include "toolkit/Render.h"

namespace {

const QString kSinInformacion = QStringLiteral("El Reporte no puede ser generado, no se encontro información.");
const QString kSinPermiso = QStringLiteral("No tiene permisos para ver este reporte.");
const QString kSinCorreo = QStringLiteral(
    "Usted no tiene un correo electrónico registrado para el envío. \r Revisar con el departamento de Recursos Humanos.");

// The preview the screen opens, written to `pdf`; false when none was opened.
class PreviewSeam {
 public:
  explicit PreviewSeam(const QString& pdf) {
    ReportModal::SetHookForTests([this, pdf](QDialog& dialog) {
      if (auto* preview = dynamic_cast<ReportPreview*>(&dialog)) {
        m_pages = preview->PageCount();
        QFile::remove(pdf);
        preview->SaveAs(pdf);
        m_text = PdfTools::Folded(PdfTools::Text(pdf));
      }
      return 0;
    });
  }
  ~PreviewSeam() { ReportModal::SetHookForTests({}); }
  int pages() const { return m_pages; }
  QString text() const { return m_text; }

 private:
  int m_pages = 0;
  QString m_text;
};

QString screensDir() {
  const QString out = BuildPaths::Binary(QStringLiteral("/screens"));
  QDir().mkpath(out);
  return out;
}

struct Document {
  TRadio* TReportes::*radio;
  const char* procedure;
  const char* title;
  // Figures of employee 1 of company 1 the document must print.
  const char* figures;
};

const Document kDocuments[] = {
    {&TReportes::optInfoGral, "peInformacionGeneral", "INFORMACIÓN GENERAL",
     "select curp, afiliacion, rfc, sueldo_diario from empleados where empresa = 1 and codigo = 1"},
    {&TReportes::optCursosTrabajador, "peCursosPorTrabajador", "CURSOS TOMADOS",
     "select curso, strftime('%d/%m/%Y', fecha) from cursos where empresa = 1 and codigo = 1"},
    {&TReportes::optConstanciaTrabajo, "peConstanciaTrabajo", "CONSTANCIA LABORAL",
     "select afiliacion, rfc, sueldo_diario from empleados where empresa = 1 and codigo = 1"},
    {&TReportes::optConstanciaVacaciones, "peSolicitudVacaciones", "FORMATO DE VACACIONES",
     "select strftime('%d/%m/%Y', fchantigua) from empleados where empresa = 1 and codigo = 1"},
    {&TReportes::optCartaAntiguedad, "peConstanciaAntiguedad", "CONSTANCIA DE ANTIGÜEDAD",
     "select strftime('%d/%m/%Y', fchantigua) from empleados where empresa = 1 and codigo = 1"},
    {&TReportes::optInfonavit, "pePrestamoInfonavit", "CRÉDITOS INFONAVIT",
     "select folio, importe, saldo from prestamos where empresa = 1 and codigo = 1 and clase = 'INF'"},
    {&TReportes::optPrestamosFA, "peFondoDEAhorro", "FONDO DE AHORRO",
     "select folio, importe, saldo from prestamos where empresa = 1 and codigo = 1 and clase = 'FDA'"},
    {&TReportes::optPrestamosOtros, "pePrestamosOtrasDeducciones", "OTROS PRÉSTAMOS",
     "select folio, importe, saldo from prestamos where empresa = 1 and codigo = 1 and clase = 'OTR'"},
    {&TReportes::optMovimientosIMSS, "peMovimientosIMSS", "MOVIMIENTOS AFILIATORIOS",
     "select movimiento, sueldo_nuevo from movimientos where empresa = 1 and codigo = 1 and clase = 'IMSS'"},
    {&TReportes::optMovimientosSueldo, "peMovimientosSueldo", "MOVIMIENTOS DE SUELDO",
     "select movimiento, sueldo_nuevo from movimientos where empresa = 1 and codigo = 1 and clase = 'SUELDO'"},
};

void expectFigures(const QString& text, const QStringList& figures, const std::string& where) {
  for (const QString& f : figures) EXPECT_TRUE(text.contains(f)) << where << ": " << f.toStdString() << "\n" << text.left(1500).toStdString();
}

}  // namespace

class ReportsScreen : public OnBothDbPaths {};

TEST_P(ReportsScreen, OpenedFromTheMenuOffersEveryDocumentToAFullProfile) {
  ScreenSession s;
  ASSERT_NE(s.menu, nullptr);
  bool opened = false;
  TForm::SetModalHook([&](TForm& form) {
    auto* r = qobject_cast<TReportes*>(&form);
    ASSERT_NE(r, nullptr);
    opened = true;
    EXPECT_TRUE(r->optInfoGral->lChecked());
    for (const Document& d : kDocuments) EXPECT_TRUE((r->*d.radio)->lEnabled()) << d.procedure;
    EXPECT_EQ(r->sueldo, QStringLiteral("S"));
    EXPECT_TRUE(r->objEnviaMail->ValidaDatosServidor());
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join("|").toStdString();
    Render::ToPng(r, screensDir() + "/reportes.png");
    r->btnSalir->Press();
  });
  s.menu->btnReportes->Press();
  TForm::SetModalHook(nullptr);
  EXPECT_TRUE(opened);
}

TEST_P(ReportsScreen, EachDocumentIsPreviewedAndMailedWithTheEmployeesOwnFigures) {
  TestSmtp::SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  ScreenSession s;
  ScreenSession::MailTo(server.port());
  TReportes* r = s.Open<TReportes>();
  const QString saldo = Text::AllTrim(Text::ToText(
      RowsOf("exec dbo.PortalEmpleado_EmpresasEscritorio " + AppData.Codigo + ",'" + AppData.oPassword + "'").row(1).col(12)));
  int mailed = 0;
  for (const Document& d : kDocuments) {
    const std::string name = d.procedure;
    (r->*d.radio)->lChecked = true;
    QStringList figures = Printed(QString::fromLatin1(d.figures));
    ASSERT_FALSE(figures.isEmpty()) << name << ": the demo employee has rows for every document";
    figures << QString::fromUtf8(d.title) << AppData.NombreEmpresa;
    if (d.radio == &TReportes::optCartaAntiguedad) figures << QStringLiteral("saldo de %1 día(s)").arg(saldo);

    // Preview: exactly the document's statement, for this company and employee.
    StatementJournal::Clear();
    MsgSeam::Clear();
    {
      PreviewSeam preview(screensDir() + "/reporte-" + QString::fromLatin1(d.procedure) + ".pdf");
      r->btnGenerar->Press();
      EXPECT_GE(preview.pages(), 1) << name;
      expectFigures(preview.text(), figures, name + " preview");
    }
    QStringList statements;
    if (d.radio == &TReportes::optCartaAntiguedad)
      statements << "exec dbo.PortalEmpleado_EmpresasEscritorio          1,'***'";  // the journal hides passwords
    statements << QStringLiteral(" exec %1        1,         1").arg(QString::fromLatin1(d.procedure));
    EXPECT_EQ(StatementJournal::Statements(), statements) << name;
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << name << MsgSeam::Texts().join("|").toStdString();

    // Mail: the PDF reaches the employee and human resources, and leaves nothing behind.
    MsgSeam::Clear();
    r->btnEnviaMail->Press();
    EXPECT_EQ(MsgSeam::Texts(), QStringList{"Correo Enviado"}) << name;
    const auto messages = server.messages();
    ASSERT_EQ(messages.size(), ++mailed) << name;
    const auto& m = messages.last();
    EXPECT_EQ(m.rcptTos, (QStringList{AppData.email, "rh@norte.demo.local"})) << name;
    EXPECT_EQ(m.subject, QStringLiteral("Portal del Empleado - Reportes"));
    EXPECT_EQ(m.body.trimmed(), QStringLiteral("Reporte generado y enviado desde el Portal del Empleado ZELK"));
    ASSERT_EQ(m.attachments.size(), 1) << name;
    EXPECT_TRUE(m.attachments[0].fileName.startsWith(Text::AllTrim(AppData.RFCEmpresa))) << m.attachments[0].fileName.toStdString();
    EXPECT_TRUE(m.attachments[0].fileName.endsWith(".PDF")) << m.attachments[0].fileName.toStdString();
    EXPECT_TRUE(m.attachments[0].bytes.startsWith("%PDF")) << name;
    expectFigures(PdfBytesText(m.attachments[0].bytes), figures, name + " mail");
    EXPECT_TRUE(s.Leftovers().isEmpty()) << name << " " << s.Leftovers().join(",").toStdString();
    EXPECT_TRUE(r->objEnviaMail->attachFiles.isEmpty());
  }
  delete r;
}

TEST_P(ReportsScreen, WithoutTheSalaryPermissionTheFiveMoneyListingsAreRefused) {
  TestSmtp::SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  ScreenSession s(QStringLiteral("2"), QStringLiteral("1234"));  // every profile option, no salaries
  ASSERT_NE(s.menu, nullptr);
  ScreenSession::MailTo(server.port());
  TReportes* r = s.Open<TReportes>();
  EXPECT_EQ(r->sueldo, QStringLiteral("N"));
  const struct {
    TRadio* TReportes::*radio;
    bool refused;
  } cases[] = {
      {&TReportes::optInfoGral, false},       {&TReportes::optCursosTrabajador, false},
      {&TReportes::optConstanciaTrabajo, false}, {&TReportes::optConstanciaVacaciones, false},
      {&TReportes::optCartaAntiguedad, false}, {&TReportes::optInfonavit, true},
      {&TReportes::optPrestamosFA, true},     {&TReportes::optPrestamosOtros, true},
      {&TReportes::optMovimientosIMSS, true}, {&TReportes::optMovimientosSueldo, true},
  };
  int mailed = 0;
  for (const auto& c : cases) {
    TRadio* radio = r->*c.radio;
    const std::string name = radio->objectName().toStdString();
    EXPECT_TRUE(radio->lEnabled()) << name;
    radio->lChecked = true;
    MsgSeam::Clear();
    StatementJournal::Clear();
    PreviewSeam preview(screensDir() + "/reporte-sin-sueldo.pdf");
    r->btnGenerarClick();
    r->btnEnviaMailClick();
    if (c.refused) {
      EXPECT_EQ(MsgSeam::Texts(), (QStringList{kSinPermiso, kSinPermiso})) << name;
      EXPECT_EQ(preview.pages(), 0) << name;
      for (const QString& st : StatementJournal::Statements()) EXPECT_FALSE(st.contains(" exec pe")) << name << st.toStdString();
    } else {
      EXPECT_EQ(MsgSeam::Texts(), QStringList{"Correo Enviado"}) << name;
      EXPECT_GE(preview.pages(), 1) << name;
      ++mailed;
    }
    EXPECT_EQ(server.messages().size(), mailed) << name;
    EXPECT_TRUE(s.Leftovers().isEmpty()) << name;
  }
  // The documents that are allowed hide the salary figures.
  const auto messages = server.messages();
  ASSERT_EQ(messages.size(), 5);
  const QString sueldo = Printed("select sueldo_diario from empleados where empresa = 1 and codigo = 2").first();
  const QString general = PdfBytesText(messages[0].attachments.value(0).bytes);
  EXPECT_TRUE(general.contains("*****")) << general.toStdString();
  EXPECT_FALSE(general.contains(sueldo)) << sueldo.toStdString();
  EXPECT_FALSE(PdfBytesText(messages[2].attachments.value(0).bytes).contains(sueldo));
  delete r;
}

TEST_P(ReportsScreen, TheProfileDecidesWhichDocumentsAreOffered) {
  const struct {
    const char* employee;
    QStringList offered;
  } cases[] = {
      {"9", {"optInfoGral", "optCursosTrabajador", "optConstanciaTrabajo", "optConstanciaVacaciones", "optCartaAntiguedad"}},
      {"8", {"optInfoGral", "optConstanciaTrabajo", "optConstanciaVacaciones"}},
      {"3", {"optInfoGral"}},
  };
  for (const auto& c : cases) {
    ScreenSession s(QString::fromLatin1(c.employee), QStringLiteral("1234"));
    ASSERT_NE(s.menu, nullptr) << c.employee;
    TReportes* r = s.Open<TReportes>();
    QStringList offered;
    for (TRadio* radio : r->oGroupBox1->findChildren<TRadio*>())
      if (radio->lEnabled()) offered << radio->objectName();
    EXPECT_EQ(offered, c.offered) << c.employee;
    Render::ToPng(r, screensDir() + "/reportes-empleado-" + c.employee + ".png");
    delete r;
  }
}

struct MessageCase {
  const char* name;
  TRadio* TReportes::*radio;
  std::function<void(ScreenSession&)> before;  // run before the screen opens
  bool mail;                                    // else preview
  QStringList messages;
  const char* printed;                          // a text the previewed document shows
  QString sent = {};                            // a statement the action sends
};

TEST_P(ReportsScreen, BadInputAndFailuresAreReportedAndLeaveNothingBehind) {
  auto sinPrestamo = [](ScreenSession&) {
    AppData.oAdo->Execute("DELETE FROM prestamos WHERE empresa = 1 AND codigo = 1 AND clase = 'INF'");
  };
  const MessageCase cases[] = {
      {"preview without rows", &TReportes::optInfonavit, sinPrestamo, false, {kSinInformacion}, nullptr},
      {"mail without rows", &TReportes::optInfonavit, sinPrestamo, true, {kSinInformacion}, nullptr},
      {"mail without an address", &TReportes::optCursosTrabajador, [](ScreenSession&) { AppData.email.clear(); }, true,
       {kSinCorreo}, nullptr},
      {"mail without configuration", &TReportes::optInfoGral,
       [](ScreenSession&) { AppData.oAdo->Execute("DELETE FROM PortalEmpleadoConfigMail"); }, true,
       {"Faltan datos de configuración del mail de envío"}, nullptr},
      {"mail server down", &TReportes::optMovimientosIMSS,
       [](ScreenSession&) { ScreenSession::MailTo(TestSmtp::SmtpServer::FreePort()); }, true,
       {"*", "El correo no puede ser enviado por el momento."}, nullptr},
      {"missing template, not created", &TReportes::optConstanciaTrabajo,
       [](ScreenSession& s) {
         QFile::remove(s.terminal.file("FReports/peConstanciaTrabajo.fr3"));
         MsgSeam::QueueAnswer(false);
       },
       true, {"¿ No Existe el reporte, desea crear uno nuevo ?", "Proceso Cancelado"}, nullptr},
      {"seniority letter without a company row", &TReportes::optCartaAntiguedad,
       [](ScreenSession&) {
         AppData.oAdo->Execute("CREATE OR ALTER PROCEDURE dbo.PortalEmpleado_EmpresasEscritorio @codigo varchar(20), "
                               "@password varchar(60) AS SELECT 1 WHERE 0");
       },
       false, {}, "saldo de 0 día(s)"},
      {"seniority letter with a quote in the session password", &TReportes::optCartaAntiguedad,
       [](ScreenSession&) { AppData.oPassword = QStringLiteral("x'y"); }, false, {}, "saldo de 0 día(s)",
       // The journal hides the password; a quote left single would have broken the statement.
       "exec dbo.PortalEmpleado_EmpresasEscritorio          1,'***'"},
  };
  for (const auto& c : cases) {
    TestSmtp::SmtpServer server;
    ASSERT_TRUE(server.start()) << server.errorString().toStdString();
    ScreenSession s;
    ScreenSession::MailTo(server.port());
    MsgSeam::Clear();
    if (c.before) c.before(s);
    TReportes* r = s.Open<TReportes>();
    (r->*c.radio)->lChecked = true;
    PreviewSeam preview(screensDir() + "/reporte-caso.pdf");
    StatementJournal::Clear();
    if (c.mail) r->btnEnviaMailClick();
    else r->btnGenerarClick();
    QStringList got = MsgSeam::Texts();
    QStringList want = c.messages;
    if (!want.isEmpty() && want.first() == u"*" && !got.isEmpty()) {
      want.removeFirst();
      got.removeFirst();  // the mail component's own text comes first
    }
    EXPECT_EQ(got, want) << c.name;
    if (!c.sent.isEmpty()) {
      bool ran = false;
      for (const JournalEntry& e : StatementJournal::Entries()) ran = ran || (e.statement == c.sent && e.ok);
      EXPECT_TRUE(ran) << c.name;
    }
    if (c.printed) EXPECT_TRUE(preview.text().contains(QString::fromUtf8(c.printed))) << c.name << preview.text().toStdString();
    else EXPECT_EQ(preview.pages(), 0) << c.name;
    EXPECT_TRUE(server.messages().isEmpty()) << c.name;
    EXPECT_TRUE(s.Leftovers().isEmpty()) << c.name << " " << s.Leftovers().join(",").toStdString();
    delete r;
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, ReportsScreen, BothDbPaths(), DbPathName);
