// Every template filled from the embedded demo database with the statements the screens send,
// exported to PDF and read back.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>

#include "PdfTools.h"
#include "data/TQuery.h"
#include "db/DemoDatabase.h"
#include "reports/GeneraFastReports.h"
#include "reports/frReportManager.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TextUtil.h"

namespace {

struct Company {
  QString number, name, rfc, regpat, address, state, logo, firma;
};

class DemoReports : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const auto& built = DemoDatabase::Standard();
    ASSERT_TRUE(built.prepared);
    for (const auto& box : built.boxes) ADD_FAILURE() << "demo build: " << box.text.toStdString();
    s_dir = new ScopedWorkDir;
    ASSERT_TRUE(DemoDatabase::CopyTo(QString::fromLatin1(DemoDatabase::kFile)));
    // Templates as delivered, and the demo pictures the company rows point at.
    for (const QString& sub : {QStringLiteral("FReports"), QStringLiteral("demo")}) {
      const QDir from(QDir(DemoDatabase::StandardTerminal()).filePath(sub));
      QDir().mkpath(sub);
      for (const QString& f : from.entryList(QDir::Files)) QFile::copy(from.filePath(f), sub + u'/' + f);
    }
    s_source = DemoDatabase::Open(QString::fromLatin1(DemoDatabase::kFile));
  }
  static void TearDownTestSuite() {
    s_source.reset();
    delete s_dir;
  }
  void SetUp() override { MsgSeam::Clear(); }

  static Row First(const QString& select) {
    TQuery q(s_source, QStringLiteral("GENERAL"), select);
    return q.RecCount() ? q.GetRows().row(1) : Row();
  }
  static Company CompanyOf(const QVariant& number) {
    const Row r = First(QStringLiteral("select e.empresa, e.nombre_empresa, e.rfc_empresa, e.registro_patronal, "
                                       "e.direccion, e.entidad, coalesce(l.rutaImagen, ''), coalesce(l.rutaFirma, '') "
                                       "from empresas e left join PORTALEMPLEADOLOGO l on l.idempresa = e.empresa "
                                       "where e.empresa = ") + number.toString());
    return {r.col(1).toString(), r.col(2).toString(), r.col(3).toString(), r.col(4).toString(),
            r.col(5).toString(), r.col(6).toString(), r.col(7).toString(), r.col(8).toString()};
  }
  static ReportVariables Common(const Company& c, const QString& last, const QString& lastValue) {
    ReportVariables v = {{"ZELK", "NombreE", Text::Quoted(c.name)},          {"ZELK", "RegPatE", Text::Quoted(c.regpat)},
                         {"ZELK", "RFCE", Text::Quoted(c.rfc)},              {"ZELK", "direccionEmpresa", Text::Quoted(c.address)},
                         {"ZELK", "entidadEmpresa", Text::Quoted(c.state)},  {"ZELK", "Logo", Text::Quoted(c.logo)},
                         {"ZELK", "Firma", Text::Quoted(c.firma)}};
    if (!last.isEmpty()) v << ReportVariable{"ZELK", last, lastValue};
    return v;
  }

  // Runs the statement as the screen does and exports the template; the PDF's text, folded.
  QString Export(const QString& tpl, const QString& statement, const ReportVariables& vars, int* pages = nullptr) {
    auto query = std::make_shared<TQuery>(s_source, QStringLiteral("GENERAL"), statement);
    EXPECT_FALSE(query->Failed()) << statement.toStdString() << (MsgSeam::Taken().isEmpty() ? std::string() : MsgSeam::Taken().last().text.toStdString());
    const QString base = QStringLiteral("demo_") + tpl.section(u'.', 0, 0);
    EXPECT_TRUE(GeneraFastReportsPDF(tpl, {}, query, false, vars, base));
    PdfTools::Keep(ArchivoPDF(base), QStringLiteral("demo_") + tpl.section(u'.', 0, 0));
    if (pages) *pages = PdfTools::Pages(ArchivoPDF(base));
    // Every name the template uses is bound by the procedure's columns or the screen's variables.
    frReportManager engine;
    AssignDataSource(engine, ReportSource(query));
    engine.LoadFromFile(QStringLiteral("FReports/") + tpl);
    for (const ReportVariable& v : vars) engine.AddVariable(v.category, v.name, v.value);
    engine.PrepareReport();
    EXPECT_TRUE(engine.Problems().isEmpty()) << tpl.toStdString() << ": " << engine.Problems().join(u'\n').toStdString();
    EXPECT_TRUE(MsgSeam::Taken().isEmpty());
    return PdfTools::Folded(PdfTools::Text(ArchivoPDF(base)));
  }

  static ScopedWorkDir* s_dir;
  static std::shared_ptr<TDataSource> s_source;
};
ScopedWorkDir* DemoReports::s_dir = nullptr;
std::shared_ptr<TDataSource> DemoReports::s_source;

TEST_F(DemoReports, ReportsScreenDocuments) {
  struct Doc {
    const char* tpl;
    const char* procedure;
    const char* needs;  // a table whose rows the document lists, to pick an employee who has some
    const char* title;
  } docs[] = {
      {"peInformacionGeneral.fr3", "peInformacionGeneral", "empleados", "INFORMACIÓN GENERAL"},
      {"peCursosTrabajador.fr3", "peCursosPorTrabajador", "cursos", "CURSOS TOMADOS"},
      {"peConstanciaTrabajo.fr3", "peConstanciaTrabajo", "empleados", "CONSTANCIA LABORAL"},
      {"peConstanciaVacaciones.fr3", "peSolicitudVacaciones", "empleados", "FORMATO DE VACACIONES"},
      {"pePrestamosInfonavit.fr3", "pePrestamoInfonavit", "prestamos where clase = 'INF'", "CRÉDITOS INFONAVIT"},
      {"pePrestamosFondoAhorro.fr3", "peFondoDEAhorro", "prestamos where clase = 'FDA'", "FONDO DE AHORRO"},
      {"pePrestamosOtrasDeducciones.fr3", "pePrestamosOtrasDeducciones", "prestamos where clase = 'OTR'", "OTROS PRÉSTAMOS"},
      {"peMovimientosIMSS.fr3", "peMovimientosIMSS", "movimientos where clase = 'IMSS'", "MOVIMIENTOS AFILIATORIOS"},
      {"peMovimientosSueldo.fr3", "peMovimientosSueldo", "movimientos where clase = 'SUELDO'", "MOVIMIENTOS DE SUELDO"},
  };
  for (const Doc& d : docs) {
    SCOPED_TRACE(d.tpl);
    const Row who = First(QStringLiteral("select empresa, codigo from %1 order by empresa, codigo limit 1").arg(QString::fromUtf8(d.needs)));
    ASSERT_TRUE(who.col(1).isValid());
    const Company c = CompanyOf(who.col(1));
    const QString statement = QStringLiteral(" exec %1 %2,%3").arg(QString::fromUtf8(d.procedure), who.col(1).toString(),
                                                                    Text::PadL(who.col(2).toString(), 10));
    const QString text = Export(QString::fromUtf8(d.tpl), statement, Common(c, "Sueldo", "'S'"));
    EXPECT_TRUE(text.contains(QString::fromUtf8(d.title))) << text.toStdString();
    EXPECT_TRUE(text.contains(c.name)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Página 1 de "))) << text.toStdString();
  }
}

TEST_F(DemoReports, SeniorityLetter) {
  const Row who = First(QStringLiteral("select empresa, codigo from empleados order by empresa, codigo limit 1"));
  const Company c = CompanyOf(who.col(1));
  const QString text = Export(QStringLiteral("peCartaAntiguedad.fr3"),
                              QStringLiteral(" exec peConstanciaAntiguedad %1,%2").arg(who.col(1).toString(), who.col(2).toString()),
                              Common(c, "saldoAnterior", "'6'"));
  EXPECT_TRUE(text.contains(QStringLiteral("CONSTANCIA DE ANTIGÜEDAD")));
  EXPECT_TRUE(text.contains(QStringLiteral("saldo de 6 día(s)")));
  EXPECT_TRUE(text.contains(c.name));
}

TEST_F(DemoReports, PayrollReceiptsAndTheirListing) {
  const Row r = First(QStringLiteral("select r.empresa, r.codigo, r.nomina, r.ayo, r.periodo, r.tiponom, r.neto "
                                     "from recibos r where r.clase = 'NOR' order by r.empresa, r.codigo, r.ayo desc limit 1"));
  ASSERT_TRUE(r.col(1).isValid());
  const Company c = CompanyOf(r.col(1));
  const ReportVariables vars = {{"ZELK", "Nombre.Empresa", Text::Quoted(c.name)}, {"ZELK", "RFC.Empresa", Text::Quoted(c.rfc)},
                                {"ZELK", "REG_PAT.Empresa", Text::Quoted(c.regpat)}, {"ZELK", "PeriodoDE", "'01/01/2025'"},
                                {"ZELK", "PeriodoA", "'15/01/2025'"}, {"ZELK", "TipoNomina", "'Quincenal'"},
                                {"ZELK", "NombreNomina", "'NOMINA'"}, {"ZELK", "PeriodoImprimir", "'1'"},
                                {"ZELK", "PaperSize", "'256'"}};
  const QString statement =
      QStringLiteral("exec pePortalPatronObtenDetalleRecibosFunU @nomina=%1, @año=%2, @periodo=%3, @codigo=%4, "
                     "@tiponom=%5, @empresa=%6, @cUsuario='%4'")
          .arg(r.col(3).toString(), r.col(4).toString(), r.col(5).toString(), r.col(2).toString(),
               Text::PadL(r.col(6).toString(), 8), Text::PadL(r.col(1).toString(), 8));
  const QString neto = QStringLiteral("NETO A PAGAR $");
  for (const char* tpl : {"ReciboPortalCarta.fr3", "ReciboPortalMediaCarta.fr3", "ReciboPortalFDO.fr3"}) {
    SCOPED_TRACE(tpl);
    const QString text = Export(QString::fromUtf8(tpl), statement, vars);
    EXPECT_TRUE(text.contains(c.name)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("R.F.C.: ") + c.rfc));
    EXPECT_TRUE(text.contains(neto)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Página 1 de ")));
  }
  // The listing, under a session key that records the company as the login does.
  ASSERT_TRUE(s_source->Execute(QStringLiteral("exec PortalPatronInsertaEmpresasSeleccionadas  4242,") + r.col(1).toString()));
  const QString listing = Export(
      QStringLiteral("listadoRecibos.fr3"),
      QStringLiteral("exec pePortalPatronObtenListadoRecibos %1,%2,1,99,'','','',4242,%3,'',%4")
          .arg(r.col(6).toString(), r.col(4).toString(), Text::PadL(r.col(2).toString(), 7), r.col(1).toString()),
      {{"ZELK", "Nombre.Empresa", Text::Quoted(c.name)}, {"ZELK", "RFC.Empresa", Text::Quoted(c.rfc)},
       {"ZELK", "REG_PAT.Empresa", Text::Quoted(c.regpat)}});
  EXPECT_TRUE(listing.contains(QStringLiteral("LISTADO DE RECIBOS DE NÓMINA")));
  EXPECT_TRUE(listing.contains(QStringLiteral("Totales (")));
  EXPECT_FALSE(listing.contains(QStringLiteral("Totales (0 recibos)"))) << listing.toStdString();
}

TEST_F(DemoReports, VacationAbsenceAndOvertimeListings) {
  struct Doc {
    const char* tpl;
    const char* statement;
    const char* needs;
    const char* title;
  } docs[] = {
      {"peVacaciones.fr3", " exec peListadoVacacionesPantalla %1,%2,'T','20000101','20991231',''", "vacaciones", "HISTORIAL DE VACACIONES"},
      {"peAusentismos.fr3", " exec peListadoAusentismo %1,%2,'T','20000101','20991231',''", "ausentismos", "LISTADO DE AUSENTISMOS"},
      {"peTiempoExtra.fr3", " exec peListadoTiempoExtra %1,%2,'T','20000101','20991231',''", "tiempo_extra", "LISTADO DE TIEMPO EXTRA"},
  };
  for (const Doc& d : docs) {
    SCOPED_TRACE(d.tpl);
    const Row who = First(QStringLiteral("select empresa, codigo from %1 order by empresa, codigo limit 1").arg(QString::fromUtf8(d.needs)));
    ASSERT_TRUE(who.col(1).isValid());
    const Company c = CompanyOf(who.col(1));
    const ReportVariables vars = {{"ZELK", "NombreE", Text::Quoted(c.name)}, {"ZELK", "RegPatE", Text::Quoted(c.regpat)},
                                  {"ZELK", "RFCE", Text::Quoted(c.rfc)}, {"ZELK", "Logo", Text::Quoted(c.logo)}};
    const QString text = Export(QString::fromUtf8(d.tpl), QString::fromUtf8(d.statement).arg(who.col(1).toString(), who.col(2).toString()), vars);
    EXPECT_TRUE(text.contains(QString::fromUtf8(d.title)));
    EXPECT_TRUE(text.contains(c.name));
  }
  const Row who = First(QStringLiteral("select empresa, codigo, strftime('%Y', fecha) from ausentismos limit 1"));
  const Company c = CompanyOf(who.col(1));
  const QString text = Export(QStringLiteral("VacAusAnual2.fr3"),
                              QStringLiteral("EXECUTE GetAbsentimsForYear %1,%2,%3").arg(who.col(1).toString(), who.col(2).toString(), who.col(3).toString()),
                              {{"ZELK", "Nombre.Empresa", Text::Quoted(c.name)}, {"ZELK", "RegPatE", Text::Quoted(c.regpat)},
                               {"ZELK", "RFCE", Text::Quoted(c.rfc)}, {"ZELK", "Periodo", "1"}, {"ZELK", "Nomina", "1"},
                               {"ZELK", "Inicio", "01/01/2025"}, {"ZELK", "Cierre", "15/01/2025"}, {"ZELK", "Logo", Text::Quoted(c.logo)}});
  EXPECT_TRUE(text.contains(QStringLiteral("Diciembre")));
  EXPECT_TRUE(text.contains(QStringLiteral("Registro patronal: ") + c.regpat));
}

TEST_F(DemoReports, RequestFormsAndFlowListings) {
  const Row who = First(QStringLiteral("select empresa, codigo from empleados order by empresa, codigo limit 1"));
  const Company c = CompanyOf(who.col(1));
  const QString statement = QStringLiteral(" exec peSolicitudVacaciones %1,%2").arg(who.col(1).toString(), who.col(2).toString());
  const ReportVariables quintara = {{"Quintara", "Empresa", Text::Quoted(c.name)}, {"Quintara", "Registro Patronal", Text::Quoted(c.regpat)},
                                    {"Quintara", "RFC", Text::Quoted(c.rfc)}, {"Quintara", "direccionEmpresa", Text::Quoted(c.address)},
                                    {"Quintara", "entidadEmpresa", Text::Quoted(c.state)}, {"Quintara", "DiasSolicitar", "'     3'"},
                                    {"Quintara", "Fecha", "'12/1/2026'"}, {"Quintara", "DiasSaldo", "'    12.0'"},
                                    {"Quintara", "DiasDisponibles", "'     9.0'"}, {"ZELK", "Logo", Text::Quoted(c.logo)}};
  for (const char* tpl : {"peSolicitudVacaciones.fr3", "peSolicitudVacacionesSF.fr3"}) {
    const QString text = Export(QString::fromUtf8(tpl), statement, quintara);
    EXPECT_TRUE(text.contains(QStringLiteral("Días que solicito 3"))) << tpl;
    EXPECT_TRUE(text.contains(c.name)) << tpl;
  }
  const QString request = Export(QStringLiteral("rptSolicitudVacacionesIDSolicitud.fr3"), statement,
                                 {{"ZELK", "NombreE", Text::Quoted(c.name)}, {"ZELK", "RegPatE", Text::Quoted(c.regpat)},
                                  {"ZELK", "RFCE", Text::Quoted(c.rfc)}, {"ZELK", "Codigo", Text::Quoted(who.col(2).toString())},
                                  {"ZELK", "NombreTrabajador", "'EMPLEADO DEMO'"}, {"ZELK", "DiasSolicita", "'2'"},
                                  {"ZELK", "Apartir", "' 20260112'"}, {"ZELK", "ImporteSolicita", "'0'"},
                                  {"ZELK", "Logo", Text::Quoted(c.logo)}, {"ZELK", "Firma", Text::Quoted(c.firma)},
                                  {"ZELK", "titulo", "'Solicitud de Vacaciones '"}, {"ZELK", "tipo", "1"},
                                  {"ZELK", "Motivo", "'Asuntos familiares'"}});
  EXPECT_TRUE(request.contains(QStringLiteral("A partir del día 12/01/2026")));
  const Row flow = First(QStringLiteral("select empresa, TipoSol from PortalEmpleadoFlujo order by empresa limit 1"));
  ASSERT_TRUE(flow.col(1).isValid());
  const QString flows = Export(QStringLiteral("rptReporteDeFlujos_Vacaciones.fr3"),
                               QStringLiteral("EXECUTE dbo.PortalEmpleado_ListadoFlujosAsignados %1,%2").arg(flow.col(1).toString(), flow.col(2).toString()),
                               {{"ZELK", "NombreE", Text::Quoted(Text::PadL(flow.col(1).toString(), 8) + u' ' + CompanyOf(flow.col(1)).name)}});
  EXPECT_TRUE(flows.contains(QStringLiteral("Flujo ")));
}

}  // namespace
