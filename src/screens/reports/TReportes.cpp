#include "screens/reports/TReportes.h"

#include <QFile>
#include <QRandomGenerator>

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/StatementValues.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "data/mdlOperacion.h"
#include "mail/TEnviaMail.h"
#include "reports/GeneraFastReports.h"
#include "screens/shared/MailToEmployee.h"
#include "screens/shared/TempFiles.h"
#include "toolkit/Controls.h"
#include "toolkit/FileNames.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

namespace {

const QString kVista = QStringLiteral("Vista");
const QString kMail = QStringLiteral("Mail");
const QString kSinPermiso = QStringLiteral("No tiene permisos para ver este reporte.");
const QString kSinPermisoMail = QStringLiteral("No tiene permisos de ver este reporte");
const QString kSinInformacion = QStringLiteral("El Reporte no puede ser generado, no se encontro información.");

}  // namespace

const TReportes::Documento TReportes::kDocumentos[10] = {
    {&TReportes::optInfoGral, "", false, &TReportes::InformacionGeneral},
    {&TReportes::optCursosTrabajador, "R10", false, &TReportes::CursosPorTrabajador},
    {&TReportes::optConstanciaTrabajo, "R2", false, &TReportes::ConstanciaTrabajo},
    {&TReportes::optConstanciaVacaciones, "R3", false, &TReportes::ConstanciaVacaciones},
    {&TReportes::optCartaAntiguedad, "R6", false, &TReportes::CartaAntiguedad},
    {&TReportes::optInfonavit, "R7", true, &TReportes::Infonavit},
    {&TReportes::optPrestamosFA, "R9", true, &TReportes::FondoAhorro},
    {&TReportes::optPrestamosOtros, "R8", true, &TReportes::OtrasDeducciones},
    {&TReportes::optMovimientosIMSS, "R4", true, &TReportes::MovimientosIMSS},
    {&TReportes::optMovimientosSueldo, "R5", true, &TReportes::MovimientosSueldo},
};

TReportes::TReportes(QWidget* parent) : TSessionForm(parent) {}
TReportes::~TReportes() = default;

void TReportes::CreateForm() {
  SetBounds(272, 141, 896, 614);
  SetClientSize(880, 575);
  cText = QStringLiteral("Reportes");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(0, 0, 870, 566);
  oImage1->oPicture = QStringLiteral("Imprimirv2");

  // The background draws the faces of the three buttons.
  auto flat = [this](const char* name, int x, int y, int w, int h) {
    TBtnBmp* b = TBtnBmp::New(oImage1, QString::fromLatin1(name));
    b->SetBounds(x, y, w, h);
    b->lFlat = true;
    return b;
  };
  btnGenerar = flat("btnGenerar", 276, 348, 122, 118);
  btnGenerar->OnClick = [this] { btnGenerarClick(); };
  btnSalir = flat("btnSalir", 748, 460, 90, 74);
  btnSalir->OnClick = [this] { btnSalirClick(); };

  oGroupBox1 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(32, 72, 794, 274);

  struct Place {
    const char* name;
    const char* caption;
    int x, y, w;
  };
  const Place places[10] = {
      {"optInfoGral", "Información General", 80, 24, 274},
      {"optCursosTrabajador", "Cursos Tomados", 80, 72, 274},
      {"optConstanciaTrabajo", "Constancia Laboral", 80, 120, 274},
      {"optConstanciaVacaciones", "Formato Vacaciones", 80, 168, 274},
      {"optCartaAntiguedad", "Constancia Antigüedad", 80, 216, 274},
      {"optInfonavit", "Prestamos Infonavit", 444, 20, 274},
      {"optPrestamosFA", "Prestamos de Fondo de Ahorro", 444, 70, 294},
      {"optPrestamosOtros", "Otros Prestamos", 444, 120, 274},
      {"optMovimientosIMSS", "Movimientos del IMSS", 444, 170, 274},
      {"optMovimientosSueldo", "Movimientos de Sueldo", 444, 220, 274},
  };
  const QFont font14 = TFont::Create(QStringLiteral("MS Sans Serif"), 14);
  for (int i = 0; i < 10; ++i) {
    TRadio* r = TRadio::New(oGroupBox1, QString::fromLatin1(places[i].name));
    r->SetBounds(places[i].x, places[i].y, places[i].w, 26);
    r->cText = QString::fromUtf8(places[i].caption);
    r->oFont = font14;
    this->*kDocumentos[i].boton = r;
  }
  optInfoGral->lChecked = true;

  btnEnviaMail = flat("btnEnviaMail", 452, 352, 122, 118);
  btnEnviaMail->OnClick = [this] { btnEnviaMailClick(); };
}

void TReportes::FormInitialize() {
  Permisos();
  objEnviaMail = std::make_unique<TEnviaMail>();
  sueldo = ToText(AppData.oOperacion->permisoVerSueldos());
  objEnviaMail->CargaConfiguracionMail(Text::Transform(Text::Val(empresa), QStringLiteral("9999999999")));
}

void TReportes::Permisos() {
  for (const Documento& d : kDocumentos) {
    if (*d.opcion == '\0') continue;
    if (Text::Val(AppData.oOperacion->permisoEmpleadoPerfil(QStringLiteral("R"), QString::fromLatin1(d.opcion))) == 0)
      (this->*d.boton)->lEnabled = false;
  }
}

bool TReportes::GeneraReporte(const QString& tipo, const QString& archivo) {
  for (const Documento& d : kDocumentos) {
    if (!(this->*d.boton)->lChecked()) continue;
    if (d.sueldo && sueldo != u"S") {
      MsgInfo(kSinPermiso);
      return false;
    }
    return (this->*d.metodo)(tipo, archivo);
  }
  return false;
}

QString TReportes::consulta(const char* procedimiento) const {
  return QStringLiteral(" exec ") + QString::fromLatin1(procedimiento) + u' ' + StatementValues::Held(empresa) + u',' +
         AppData.Codigo;
}

bool TReportes::documento(const char* procedimiento, const char* plantilla, const QString& tipo,
                          const QString& archivo) {
  return GeneraReporteFR(QString::fromLatin1(plantilla), consulta(procedimiento), tipo, archivo);
}

bool TReportes::InformacionGeneral(const QString& tipo, const QString& archivo) {
  return documento("peInformacionGeneral", "peInformacionGeneral.fr3", tipo, archivo);
}
bool TReportes::CursosPorTrabajador(const QString& tipo, const QString& archivo) {
  return documento("peCursosPorTrabajador", "peCursosTrabajador.fr3", tipo, archivo);
}
bool TReportes::ConstanciaTrabajo(const QString& tipo, const QString& archivo) {
  return documento("peConstanciaTrabajo", "peConstanciaTrabajo.fr3", tipo, archivo);
}
bool TReportes::ConstanciaVacaciones(const QString& tipo, const QString& archivo) {
  return documento("peSolicitudVacaciones", "peConstanciaVacaciones.fr3", tipo, archivo);
}
bool TReportes::Infonavit(const QString& tipo, const QString& archivo) {
  return documento("pePrestamoInfonavit", "pePrestamosInfonavit.fr3", tipo, archivo);
}
bool TReportes::FondoAhorro(const QString& tipo, const QString& archivo) {
  return documento("peFondoDEAhorro", "pePrestamosFondoAhorro.fr3", tipo, archivo);
}
bool TReportes::OtrasDeducciones(const QString& tipo, const QString& archivo) {
  return documento("pePrestamosOtrasDeducciones", "pePrestamosOtrasDeducciones.fr3", tipo, archivo);
}
bool TReportes::MovimientosIMSS(const QString& tipo, const QString& archivo) {
  return documento("peMovimientosIMSS", "peMovimientosIMSS.fr3", tipo, archivo);
}
bool TReportes::MovimientosSueldo(const QString& tipo, const QString& archivo) {
  return documento("peMovimientosSueldo", "peMovimientosSueldo.fr3", tipo, archivo);
}

bool TReportes::GeneraReporteFR(const QString& nombreReporte, const QString& consulta, const QString& tipo,
                                const QString& archivo) {
  static const QStringList salario = {QStringLiteral("peMovimientosIMSS.fr3"), QStringLiteral("peMovimientosSueldo.fr3"),
                                      QStringLiteral("pePrestamosOtrasDeducciones.fr3"),
                                      QStringLiteral("pePrestamosFondoAhorro.fr3"),
                                      QStringLiteral("pePrestamosInfonavit.fr3")};
  if (tipo == kMail && sueldo != u"S" && salario.contains(nombreReporte)) {
    MsgInfo(kSinPermisoMail);
    return false;
  }
  return produce(nombreReporte, consulta, tipo, archivo, QStringLiteral("Sueldo"), sueldo);
}

bool TReportes::CartaAntiguedad(const QString& tipo, const QString& archivo) {
  QString saldoAnterior = QStringLiteral("0");
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("exec dbo.PortalEmpleado_EmpresasEscritorio ") + AppData.Codigo +
                                         QStringLiteral(",'") + StatementValues::InQuotes(AppData.oPassword) + u'\'');
  if (!rows.isEmpty()) saldoAnterior = AllTrim(ToText(rows.row(1).col(12)));
  return produce(QStringLiteral("peCartaAntiguedad.fr3"), consulta("peConstanciaAntiguedad"), tipo, archivo,
                 QStringLiteral("saldoAnterior"), saldoAnterior);
}

// The common variables, with the document's own one: "Sueldo" last, or "saldoAnterior"
// before the pictures for the seniority letter.
bool TReportes::produce(const QString& nombreReporte, const QString& consulta, const QString& tipo,
                        const QString& archivo, const QString& ultimaVariable, const QString& valor) {
  const auto query = std::make_shared<TQuery>(AppData.oAdo, QStringLiteral("GENERAL"), consulta);
  if (query->Failed()) return false;  // the data source has shown why
  if (query->RecCount() == 0) {
    // Nothing to show: no empty document is previewed or mailed.
    MsgStop(kSinInformacion, QStringLiteral("Atención"));
    return false;
  }
  const QString zelk = QStringLiteral("ZELK");
  ReportVariables variables = {
      {zelk, QStringLiteral("NombreE"), Text::Quoted(AppData.NombreEmpresa)},
      {zelk, QStringLiteral("RegPatE"), Text::Quoted(AppData.RegistroPatronalEmpresa)},
      {zelk, QStringLiteral("RFCE"), Text::Quoted(AppData.RFCEmpresa)},
      {zelk, QStringLiteral("direccionEmpresa"), Text::Quoted(AppData.direccionEmpresa)},
      {zelk, QStringLiteral("entidadEmpresa"), Text::Quoted(AppData.entidadEmpresa)},
  };
  const bool carta = ultimaVariable == u"saldoAnterior";
  if (carta) variables << ReportVariable{zelk, ultimaVariable, Text::Quoted(valor)};
  variables << ReportVariable{zelk, QStringLiteral("Logo"), Text::Quoted(AllTrim(AppData.imagenLogo))}
            << ReportVariable{zelk, QStringLiteral("Firma"), Text::Quoted(AllTrim(AppData.imagenFirma))};
  if (!carta) variables << ReportVariable{zelk, ultimaVariable, Text::Quoted(valor)};

  const ReportSource datos(QList<ReportSource::Pair>{ReportSource::Pair(QStringLiteral("Datos"), *query)});
  bool ok = true;
  if (tipo == kMail)
    ok = GeneraFastReportsPDF(nombreReporte, ReportSource(), datos, false, variables, archivo) &&
         QFile::exists(ArchivoPDF(archivo));
  else
    GeneraFastReports(nombreReporte, ReportSource(), datos, false, variables);
  query->Close();
  return ok;
}

void TReportes::btnGenerarClick() { GeneraReporte(kVista, QString()); }

void TReportes::btnEnviaMailClick() {
  // The PDF lives in a private folder of the program's folder that goes with this call, sent
  // or not: a shared terminal keeps no personal documents.
  const TempFiles::MailFolder folder;
  const QString numero = AllTrim(Text::Transform(QRandomGenerator::global()->bounded(10000), QStringLiteral("9999999999")));
  const QString archivo = folder.FilePath(FileNames::Safe(AllTrim(AppData.RFCEmpresa) + numero));
  if (archivo.isEmpty()) {
    MsgInfo(MailToEmployee::kNoEnviado);
    return;
  }
  if (!GeneraReporte(kMail, archivo)) return;
  MailToEmployee::Send(*objEnviaMail, QStringLiteral("Portal del Empleado - Reportes"),
                       QStringLiteral("Reporte generado y enviado desde el Portal del Empleado ZELK"), ArchivoPDF(archivo));
  QFile::remove(ArchivoPDF(archivo));
}

void TReportes::btnSalirClick() { Close(); }
