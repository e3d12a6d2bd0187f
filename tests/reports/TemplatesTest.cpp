// Every delivered template filled with data shaped like its procedure's result, exported to PDF
// and read back: page size, company, employee, amounts, page numbers, embedded fonts.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "support/BuildPaths.h"
#include "PdfTools.h"
#include "reports/GeneraFastReports.h"
#include "reports/frReportManager.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TextUtil.h"

namespace {

const QString kCompany = QStringLiteral("INDUSTRIAS PEÑA D'ALBA S.A. DE C.V.");
const QString kRfc = QStringLiteral("IPA010101AB1");
const QString kRegPat = QStringLiteral("Y5412345106");
const QString kEmployee = QStringLiteral("JOSÉ ÁNGEL NÚÑEZ GÜEMES");

ResultSet Rows(const QString& columns, const QList<QVariantList>& rows) {
  ResultSet rs;
  rs.columns = columns.split(u' ', Qt::SkipEmptyParts);
  for (const QVariantList& r : rows) rs.rows << Row(r);
  return rs;
}

QString Q(const QString& s) { return Text::Quoted(s); }

ReportVariables ReceiptVariables() {
  return {{"ZELK", "Nombre.Empresa", Q(kCompany)},   {"ZELK", "RFC.Empresa", Q(kRfc)},
          {"ZELK", "REG_PAT.Empresa", Q(kRegPat)},   {"ZELK", "PeriodoDE", "'01/03/2025'"},
          {"ZELK", "PeriodoA", "'15/03/2025'"},      {"ZELK", "TipoNomina", "'Quincenal'"},
          {"ZELK", "NombreNomina", "'QUINCENAL CONFIANZA'"}, {"ZELK", "PeriodoImprimir", "'5'"},
          {"ZELK", "PaperSize", "'256'"}};
}

ReportVariables CompanyVariables(const QString& logo, const QString& firma, const QString& extraName = "Sueldo",
                                 const QString& extraValue = "'S'") {
  return {{"ZELK", "NombreE", Q(kCompany)},
          {"ZELK", "RegPatE", Q(kRegPat)},
          {"ZELK", "RFCE", Q(kRfc)},
          {"ZELK", "direccionEmpresa", Q("Av. Constitución 1450, Col. Centro, C.P. 64000")},
          {"ZELK", "entidadEmpresa", Q("Monterrey, Nuevo León")},
          {"ZELK", extraName, extraValue},
          {"ZELK", "Logo", Q(logo)},
          {"ZELK", "Firma", Q(firma)}};
}

ResultSet ReceiptRows(int concepts) {
  QList<QVariantList> rows;
  const char* names[] = {"Sueldo", "Horas extra dobles", "Premio de asistencia", "Premio de puntualidad",
                         "Vales de despensa", "ISR", "IMSS", "Crédito Infonavit", "Fondo de ahorro", "Préstamo"};
  double p = 0, d = 0;
  for (int i = 0; i < concepts; ++i) {
    const bool perception = i % 10 < 5;
    const double amount = perception ? 7500.0 / (i + 1) : 350.25 + i;
    (perception ? p : d) += amount;
  }
  for (int i = 0; i < concepts; ++i) {
    const bool perception = i % 10 < 5;
    const double amount = perception ? 7500.0 / (i + 1) : 350.25 + i;
    rows << QVariantList{3, kCompany, kRfc, kRegPat, 1042, kEmployee, "NUGJ850101AB1", "NUGJ850101HNLXXX09",
                         "43018512345", "PRODUCCIÓN", "SUPERVISOR DE LÍNEA", 2025, 5, 1, "Quincenal",
                         "01/03/2025", "15/03/2025", "15/03/2025", 15, 500.0, perception ? "P" : "D",
                         QStringLiteral("%1").arg(i + 1, 3, 10, QChar(u'0')), QString::fromUtf8(names[i % 10]),
                         amount, perception ? amount : 0.0, perception ? 0.0 : amount, p, d, p - d,
                         "6F1C2A9B-1234-4D3E-9ABC-0123456789AB"};
  }
  return Rows("empresa nombre_empresa rfc_empresa registro_patronal codigo nombre rfc curp afiliacion departamento "
              "puesto ayo periodo nomina tipo_nomina inicio cierre fecha_pago dias sueldo_diario tipo concepto "
              "descripcion importe percepcion deduccion total_percepciones total_deducciones neto uuid",
              rows);
}

ResultSet RequestRows() {
  return Rows("empresa codigo nombre puesto departamento fecha_antiguedad anios nombre_empresa rfc_empresa "
              "registro_patronal supervisor fecha",
              {{3, 1042, kEmployee, "SUPERVISOR DE LÍNEA", "PRODUCCIÓN", "16/08/2015", 9, kCompany, kRfc, kRegPat,
                "MARTA O'NEILL RÍOS", "08/12/2026"}});
}

struct Case {
  QString name;
  ResultSet data;
  ReportVariables vars;
  QString pageSize;        // pdfinfo's "W x H" in points
  QStringList expected;    // texts that must be on the document (blanks folded)
};

class Templates : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The delivered templates, copied into a scratch folder that becomes the working directory.
    s_dir = new ScopedWorkDir;
    QDir().mkpath(QStringLiteral("FReports"));
    const QDir source(BuildPaths::Source(QStringLiteral("/FReports")));
    for (const QString& f : source.entryList({QStringLiteral("*.fr3")}, QDir::Files))
      QFile::copy(source.filePath(f), QStringLiteral("FReports/") + f);
    QImage logo(400, 200, QImage::Format_ARGB32);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setBrush(QColor(31, 59, 99));
    p.drawEllipse(20, 20, 160, 160);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 48, QFont::Bold));
    p.drawText(QRect(190, 40, 200, 120), Qt::AlignCenter, QStringLiteral("IPA"));
    p.end();
    logo.save(QStringLiteral("logo.png"));
    QImage firma(300, 100, QImage::Format_ARGB32);
    firma.fill(Qt::transparent);
    QPainter f(&firma);
    f.setPen(QPen(QColor(20, 20, 120), 4));
    f.drawPath([] {
      QPainterPath path(QPointF(10, 70));
      path.cubicTo(60, 0, 90, 120, 150, 40);
      path.cubicTo(190, 0, 230, 110, 290, 30);
      return path;
    }());
    f.end();
    firma.save(QStringLiteral("firma.png"));
  }
  static void TearDownTestSuite() { delete s_dir; }
  void SetUp() override { MsgSeam::Clear(); }

  static QList<Case> Cases();
  static ScopedWorkDir* s_dir;
};
ScopedWorkDir* Templates::s_dir = nullptr;

const QString kLetter = QStringLiteral("612 x 792");
const QString kHalfLetter = QStringLiteral("612 x 396");
const QString kLandscape = QStringLiteral("792 x 612");

QList<Case> Templates::Cases() {
  const QString logo = QDir::current().filePath(QStringLiteral("logo.png"));
  const QString firma = QDir::current().filePath(QStringLiteral("firma.png"));
  const ReportVariables company = CompanyVariables(logo, firma);
  const ReportVariables seniority = CompanyVariables(logo, firma, QStringLiteral("saldoAnterior"), QStringLiteral("'12'"));
  const ReportVariables listing = {{"ZELK", "NombreE", Q(kCompany)}, {"ZELK", "RegPatE", Q(kRegPat)},
                                   {"ZELK", "RFCE", Q(kRfc)}, {"ZELK", "Logo", Q(logo)}};
  const ResultSet loans = Rows("codigo folio fecha importe descuento saldo",
                               {{1042, "INF-2291", "02/02/2021", 185000.0, 1250.5, 120500.75},
                                {1042, "INF-3310", "10/01/2024", 45000.0, 600.0, 30000.0}});
  const ResultSet moves = Rows("codigo fecha movimiento sueldo_anterior sueldo_nuevo",
                               {{1042, "16/08/2015", "ALTA", 0.0, 350.0}, {1042, "01/01/2025", "AUMENTO", 450.0, 500.0}});
  QList<QVariantList> flows;
  for (int i = 1; i <= 3; ++i) flows << QVariantList{1, "PRODUCCIÓN", i, 2000 + i, QStringLiteral("APROBADOR %1").arg(i), "1042, 1043, 1050", 3};
  flows << QVariantList{2, "OFICINAS", 1, 2100, "MARTA O'NEILL", "1100", 1};
  const ResultSet flowRows = Rows("idflujo flujo orden aprobador nombre_aprobador empleados total_empleados", flows);
  const ReportVariables flowVars = {{"ZELK", "NombreE", Q(QStringLiteral("       3 ") + kCompany)}};

  return {
      {"ReciboPortalCarta.fr3", ReceiptRows(10), ReceiptVariables(), kLetter,
       {"RECIBO DE NÓMINA", kCompany, "R.F.C.: " + kRfc, "Registro patronal: " + kRegPat, kEmployee,
        "Periodo 5 del 01/03/2025 al 15/03/2025", "QUINCENAL CONFIANZA - Quincenal", "Sueldo 7,500.00",
        "NETO A PAGAR", "Firma del trabajador", "Página 1 de 1"}},
      {"ReciboPortalMediaCarta.fr3", ReceiptRows(7), ReceiptVariables(), kHalfLetter,  // the most concepts of a demo receipt
       {"RECIBO DE NÓMINA", kCompany, kEmployee, "NETO A PAGAR", "Página 1 de 1"}},
      {"ReciboPortalFDO.fr3", ReceiptRows(2), ReceiptVariables(), kLetter,
       {"RECIBO DE FONDO DE AHORRO", kCompany, kEmployee, "Página 1 de 1"}},
      {"listadoRecibos.fr3",
       Rows("nomina periodo codigo tipo_nomina nombre_nomina nombre inicio cierre dias total_sueldo "
            "total_percepciones total_deducciones total_isr total_imss neto mail empresa nombre_empresa ayo",
            {{1, 4, 1042, "Quincenal", "QUINCENAL CONFIANZA", kEmployee, "16/02/2025", "28/02/2025", 13, 6500.0, 7100.0,
              1100.5, 800.25, 180.1, 5999.5, "", 3, kCompany, 2025},
             {1, 5, 1042, "Quincenal", "QUINCENAL CONFIANZA", kEmployee, "01/03/2025", "15/03/2025", 15, 7500.0, 8100.0,
              1200.5, 900.25, 190.1, 6899.5, "", 3, kCompany, 2025}}),
       {{"ZELK", "Nombre.Empresa", Q(kCompany)}, {"ZELK", "RFC.Empresa", Q(kRfc)}, {"ZELK", "REG_PAT.Empresa", Q(kRegPat)}},
       kLandscape, {"LISTADO DE RECIBOS DE NÓMINA", kCompany, kEmployee, "12,899.00", "Página 1 de 1"}},
      {"peVacaciones.fr3",
       Rows("codigo aniversario fecha_disfrute dias_tabulados dias_disfrutados dias_antiguedad prima_pct prima_importe "
            "prima_dias descansos festivos estado nombre fecha_antiguedad",
            {{1042, 9, "02/01/2025", 20, 5, 9, 25, 625.0, 1.25, 2, 0, "DISFRUTADA", kEmployee, "16/08/2015"},
             {1042, 9, "14/04/2025", 20, 3, 9, 25, 375.0, 0.75, 0, 1, "PROGRAMADA", kEmployee, "16/08/2015"}}),
       listing, kLetter, {"HISTORIAL DE VACACIONES", kCompany, kEmployee, "1,000.00", "Página 1 de 1"}},
      {"VacAusAnual2.fr3",
       Rows("mes vacaciones faltas incapacidades permisos ayo codigo",
            {{1, 5, 0, 0, 1, 2025, 1042}, {2, 0, 1, 3, 0, 2025, 1042}, {12, 2, 0, 0, 0, 2025, 1042}}),
       {{"ZELK", "Nombre.Empresa", Q(kCompany)}, {"ZELK", "Registro.Patronal", Q(kRegPat)},
        {"ZELK", "R.F.C.Empresa", Q(kRfc)}, {"ZELK", "Periodo", "5"}, {"ZELK", "Nomina", "Quincenal"},
        {"ZELK", "Inicio", "01/03/2025"}, {"ZELK", "Cierre", "15/03/2025"}, {"ZELK", "Logo", Q(logo)}},
       kLetter, {"RESUMEN ANUAL", kCompany, "Registro patronal: " + kRegPat, "Enero", "Diciembre",
                 "Periodo: 5 (01/03/2025 al 15/03/2025)", "Página 1 de 1"}},
      {"peAusentismos.fr3",
       Rows("mes dias concepto descripcion justificar fecha ayo codigo nombre",
            {{2, 1, "FI", "FALTA INJUSTIFICADA", "N", "03/02/2025", 2025, 1042, kEmployee},
             {2, 3, "INC", "INCAPACIDAD POR ENFERMEDAD", "SI - INCAPACIDAD IMSS", "10/02/2025", 2025, 1042, kEmployee}}),
       listing, kLetter,
       {"LISTADO DE AUSENTISMOS", kCompany, "Empleado: 1042 " + kEmployee, "INCAPACIDAD POR ENFERMEDAD 3 Sí", "Total de días 4",
        "Página 1 de 1"}},
      {"peTiempoExtra.fr3",
       Rows("periodo mes concepto descripcion horas fecha ayo codigo nombre",
            {{4, 2, "HE2", "HORAS EXTRA DOBLES", 3.0, "20/02/2025", 2025, 1042, kEmployee},
             {5, 3, "HE3", "HORAS EXTRA TRIPLES", 1.5, "05/03/2025", 2025, 1042, kEmployee}}),
       listing, kLetter,
       {"LISTADO DE TIEMPO EXTRA", kCompany, "Empleado: 1042 " + kEmployee, "HORAS EXTRA TRIPLES", "Total de horas 4.5",
        "Página 1 de 1"}},
      {"peSolicitudVacaciones.fr3", RequestRows(),
       {{"Quintara", "Empresa", Q(kCompany)}, {"Quintara", "Registro Patronal", Q(kRegPat)}, {"Quintara", "RFC", Q(kRfc)},
        {"Quintara", "direccionEmpresa", Q("Av. Constitución 1450")}, {"Quintara", "entidadEmpresa", Q("Monterrey, Nuevo León")},
        {"Quintara", "DiasSolicitar", "'     6'"}, {"Quintara", "Fecha", "'5/1/2026'"}, {"Quintara", "DiasSaldo", "'    14.0'"},
        {"Quintara", "DiasDisponibles", "'     8.0'"}, {"ZELK", "Logo", Q(logo)}},
       kLetter, {"SOLICITUD DE VACACIONES", kCompany, kEmployee, "Días que solicito 6", "A partir del día 05/01/2026",
                 "Solicita", "Autoriza jefe inmediato", "MARTA O'NEILL RÍOS", "Página 1 de 1"}},
      {"peSolicitudVacacionesSF.fr3", RequestRows(),
       {{"Quintara", "Empresa", Q(kCompany)}, {"Quintara", "Registro Patronal", Q(kRegPat)}, {"Quintara", "RFC", Q(kRfc)},
        {"Quintara", "DiasSolicitar", "'     2'"}, {"Quintara", "Fecha", "'12/1/2026'"}, {"Quintara", "DiasSaldo", "'14.0'"},
        {"Quintara", "DiasDisponibles", "'12.0'"}, {"ZELK", "Logo", Q(logo)}},
       kLetter, {"SOLICITUD DE VACACIONES", kCompany, kEmployee, "Días que solicito 2", "Página 1 de 1"}},
      {"rptSolicitudVacacionesIDSolicitud.fr3", RequestRows(),
       {{"ZELK", "NombreE", Q(kCompany)}, {"ZELK", "RegPatE", Q(kRegPat)}, {"ZELK", "RFCE", Q(kRfc)},
        {"ZELK", "Codigo", "'      1042'"}, {"ZELK", "NombreTrabajador", Q(kEmployee)}, {"ZELK", "DiasAntiguedad", "'14'"},
        {"ZELK", "DiasSolicita", "'3'"}, {"ZELK", "Apartir", "' 20260105'"}, {"ZELK", "Logo", Q(logo)},
        {"ZELK", "ImporteSolicita", "'0'"}, {"ZELK", "Firma", Q(firma)}, {"ZELK", "Motivo", Q("Viaje familiar a Oaxaca")},
        {"ZELK", "titulo", "'Solicitud de Vacaciones '"}, {"ZELK", "tipo", "1"}},
       kLetter, {"Solicitud de Vacaciones", kCompany, "No. de empleado: 1042", kEmployee, "Días solicitados 3",
                 "Viaje familiar a Oaxaca", "Recursos Humanos", "Página 1 de 1"}},
      {"peInformacionGeneral.fr3",
       Rows("empresa codigo nombre ap_paterno ap_materno rfc curp afiliacion fecha_alta puesto departamento "
            "nombre_empresa sueldo_diario domicilio colonia poblacion codpostal estado_civil telefono fecha_nacimiento "
            "email sexo edad nacionalidad umf banco cuenta tipo_nomina horario padre madre hijos conyuge municipio "
            "localidad rfc_empresa registro_patronal",
            {{3, 1042, "JOSÉ ÁNGEL", "NÚÑEZ", "GÜEMES", "NUGJ850101AB1", "NUGJ850101HNLXXX09", "43018512345", "16/08/2015",
              "SUPERVISOR DE LÍNEA", "PRODUCCIÓN", kCompany, 500.0, "Calle Encino 12", "Del Valle", "San Pedro", "66220",
              "Casado", "8112345678", "01/01/1985", "jose@example.com", "H", 41, "Mexicana", "32", "BANORTE",
              "0123456789", "Quincenal", "MATUTINO", "PEDRO NÚÑEZ", "ROSA GÜEMES", 2, "LAURA RÍOS", "San Pedro Garza García",
              "San Pedro", kRfc, kRegPat}}),
       company, kLetter, {"INFORMACIÓN GENERAL", kCompany, "JOSÉ ÁNGEL NÚÑEZ GÜEMES", "$500.00", "LAURA RÍOS", "Página 1 de 1"}},
      {"peCursosTrabajador.fr3",
       Rows("codigo fecha curso horas instructor",
            {{1042, "10/03/2024", "SEGURIDAD E HIGIENE", 8.0, "ING. ROBERTO SÁNCHEZ"}, {1042, "05/06/2024", "PRIMEROS AUXILIOS", 12.0, "CRUZ ROJA"}}),
       company, kLetter, {"CURSOS TOMADOS", kCompany, "PRIMEROS AUXILIOS", "total de horas 20.0", "Página 1 de 1"}},
      {"peConstanciaTrabajo.fr3",
       Rows("codigo nombre rfc afiliacion puesto departamento fecha_alta sueldo_diario sueldo_mensual nombre_empresa "
            "direccion_empresa fecha",
            {{1042, kEmployee, "NUGJ850101AB1", "43018512345", "SUPERVISOR DE LÍNEA", "PRODUCCIÓN", "16/08/2015", 500.0,
              15200.0, kCompany, "Av. Constitución 1450", "08/12/2026"}}),
       company, kLetter, {"CONSTANCIA LABORAL", kCompany, kEmployee, "$500.00", "QUINIENTOS PESOS 00/100 M.N.",
                          "Recursos Humanos", "Página 1 de 1"}},
      {"peCartaAntiguedad.fr3",
       Rows("codigo nombre fecha_antiguedad anios meses puesto nombre_empresa fecha",
            {{1042, kEmployee, "16/08/2015", 11, 3, "SUPERVISOR DE LÍNEA", kCompany, "08/12/2026"}}),
       seniority, kLetter, {"CONSTANCIA DE ANTIGÜEDAD", kCompany, kEmployee, "11 año(s) y 3 mes(es)", "saldo de 12 día(s)",
                            "Página 1 de 1"}},
      {"pePrestamosInfonavit.fr3", loans, company, kLetter, {"CRÉDITOS INFONAVIT", kCompany, "INF-3310", "230,000.00", "Página 1 de 1"}},
      {"pePrestamosFondoAhorro.fr3", loans, company, kLetter, {"FONDO DE AHORRO", kCompany, "150,500.75", "Página 1 de 1"}},
      {"pePrestamosOtrasDeducciones.fr3", loans, company, kLetter, {"OTROS PRÉSTAMOS", kCompany, "1,850.50", "Página 1 de 1"}},
      {"peMovimientosIMSS.fr3", moves, company, kLetter, {"MOVIMIENTOS AFILIATORIOS", kCompany, "AUMENTO", "500.00", "Página 1 de 1"}},
      {"peMovimientosSueldo.fr3", moves, company, kLetter, {"MOVIMIENTOS DE SUELDO", kCompany, "450.00", "Página 1 de 1"}},
      {"rptReporteDeFlujos_Vacaciones.fr3", flowRows, flowVars, kLetter,
       {"REPORTE DE FLUJOS DE VACACIONES", kCompany, "Flujo 1: PRODUCCIÓN", "Flujo 2: OFICINAS", "MARTA O'NEILL", "Página 1 de 1"}},
      {"rptReporteDeFlujos_Ausentismo.fr3", flowRows, flowVars, kLetter, {"REPORTE DE FLUJOS DE PERMISOS", "APROBADOR 3", "Página 1 de 1"}},
      {"rptReporteDeFlujos_Prestamos.fr3", flowRows, flowVars, kLetter, {"REPORTE DE FLUJOS DE PRÉSTAMOS", "4 aprobador(es)", "Página 1 de 1"}},
  };
}

TEST_F(Templates, EveryTemplateOpenedByTheScreensIsDelivered) {
  const QStringList opened = {
      "peInformacionGeneral.fr3", "peCursosTrabajador.fr3", "peConstanciaTrabajo.fr3", "peConstanciaVacaciones.fr3",
      "peCartaAntiguedad.fr3", "pePrestamosInfonavit.fr3", "pePrestamosFondoAhorro.fr3", "pePrestamosOtrasDeducciones.fr3",
      "peMovimientosIMSS.fr3", "peMovimientosSueldo.fr3", "ReciboPortalFDO.fr3", "ReciboPortalMediaCarta.fr3",
      "ReciboPortalCarta.fr3", "listadoRecibos.fr3", "peVacaciones.fr3", "VacAusAnual2.fr3", "peAusentismos.fr3",
      "peTiempoExtra.fr3", "peSolicitudVacaciones.fr3", "peSolicitudVacacionesSF.fr3",
      "rptSolicitudVacacionesIDSolicitud.fr3", "rptReporteDeFlujos_Vacaciones.fr3",
      "rptReporteDeFlujos_Ausentismo.fr3", "rptReporteDeFlujos_Prestamos.fr3"};
  for (const QString& name : opened) EXPECT_TRUE(QFile::exists(QStringLiteral("FReports/") + name)) << name.toStdString();
}

TEST_F(Templates, EachFillsAndReadsBackFromPdf) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name.toStdString());
    MsgSeam::Clear();
    const QString base = QStringLiteral("salida_") + c.name.section(u'.', 0, 0);
    ASSERT_TRUE(GeneraFastReportsPDF(c.name, {}, c.data, false, c.vars, base));
    const QString pdf = ArchivoPDF(base);
    PdfTools::Keep(pdf, c.name.section(u'.', 0, 0));
    EXPECT_EQ(PdfTools::PageSize(pdf), c.pageSize);
    const QString text = PdfTools::Folded(PdfTools::Text(pdf));
    for (const QString& expected : c.expected) EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(u'¿')) << "unbound name or faulty expression\n" << text.toStdString();
    EXPECT_TRUE(MsgSeam::Taken().isEmpty());
    // Nothing the template names is missing from what its screen passes.
    frReportManager engine;
    AssignDataSource(engine, ReportSource(c.data));
    engine.LoadFromFile(QStringLiteral("FReports/") + c.name);
    for (const ReportVariable& v : c.vars) engine.AddVariable(v.category, v.name, v.value);
    engine.PrepareReport();
    EXPECT_TRUE(engine.Problems().isEmpty()) << engine.Problems().join(u'\n').toStdString();
    QFile::remove(pdf);
  }
}

TEST_F(Templates, EachGivesAValidDocumentForAnEmptyDataSet) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name.toStdString());
    ResultSet empty = c.data;
    empty.rows.clear();
    ASSERT_TRUE(GeneraFastReportsPDF(c.name, {}, empty, false, c.vars, QStringLiteral("vacio")));
    EXPECT_GE(PdfTools::Pages(ArchivoPDF(QStringLiteral("vacio"))), 1);
    EXPECT_TRUE(PdfTools::Text(ArchivoPDF(QStringLiteral("vacio"))).contains(QStringLiteral("Página 1 de 1")));
  }
}

TEST_F(Templates, FontsAreEmbedded) {
  const Case c = Cases().first();
  ASSERT_TRUE(GeneraFastReportsPDF(c.name, {}, c.data, false, c.vars, QStringLiteral("fuentes")));
  const QStringList lines = PdfTools::Fonts(ArchivoPDF(QStringLiteral("fuentes"))).split(u'\n').mid(2);
  int fonts = 0;
  for (const QString& line : lines) {
    if (line.trimmed().isEmpty()) continue;
    ++fonts;
    EXPECT_TRUE(line.contains(QStringLiteral("Liberation")) || line.contains(QStringLiteral("DejaVu"))) << line.toStdString();
    const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
    ASSERT_GE(columns.size(), 6);
    EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << line.toStdString();  // the "emb" column
  }
  EXPECT_GE(fonts, 2);  // regular and bold
}

TEST_F(Templates, LongReceiptContinuesWithItsHeaderAndPageCount) {
  ASSERT_TRUE(GeneraFastReportsPDF(QStringLiteral("ReciboPortalMediaCarta.fr3"), {}, ReceiptRows(40), false,
                                   ReceiptVariables(), QStringLiteral("largo")));
  const QString pdf = ArchivoPDF(QStringLiteral("largo"));
  PdfTools::Keep(pdf, QStringLiteral("ReciboMediaCartaLargo"));
  const int pages = PdfTools::Pages(pdf);
  ASSERT_GE(pages, 2);
  for (int p = 1; p <= pages; ++p) {
    const QString text = PdfTools::PageText(pdf, p);
    EXPECT_TRUE(text.contains(QStringLiteral("Percepciones"))) << p;
    EXPECT_TRUE(text.contains(QStringLiteral("Página %1 de %2").arg(p).arg(pages))) << p;
  }
  EXPECT_TRUE(PdfTools::PageText(pdf, pages).contains(QStringLiteral("NETO A PAGAR")));
}

}  // namespace
