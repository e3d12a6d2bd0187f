#include "screens/receipts/TRecibos.h"

#include <QDir>
#include <QFile>

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/mdlNomina.h"
#include "data/mdlOperacion.h"
#include "mail/TEnviaMail.h"
#include "reports/GeneraFastReports.h"
#include "screens/reports/TMuestraXML.h"
#include "screens/shared/TempFiles.h"
#include "toolkit/Controls.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/FileNames.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

namespace {

const QString kSinRecibos = QStringLiteral(
    "Debe cargar los datos a consultar, aplicar el filto y presionar el boton Cargar Recibos");
const QString kSelecciona = QStringLiteral("Seleccione un recibo para enviar por mail.");
const QString kSinReporte = QStringLiteral("El Reporte no puede ser generado, no se encontro información.");


QString iniVariable(const char* key) {
  return TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("VARIABLES"), QString::fromLatin1(key));
}

// Writes bytes to a file of the working directory; false when it could not be written.
bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QVariant& v) {
  return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : ToText(v).toUtf8();
}

}  // namespace

TRecibos::TRecibos(QWidget* parent) : TSessionForm(parent) {}
TRecibos::~TRecibos() = default;

QString TRecibos::RfcSinMediaCarta() { return AllTrim(qEnvironmentVariable("PORTAL_RFC_SIN_MEDIA_CARTA")); }

void TRecibos::CreateForm() {
  SetBounds(363, 189, 895, 615);
  SetClientSize(879, 576);
  cText = QStringLiteral("Recibos");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };
  OnClose = [this] { return FormClose(); };

  const QFont font10 = TFont::Create(QStringLiteral("MS Sans Serif"), 10);
  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(0, 0, 862, 562);
  oImage1->oPicture = QStringLiteral("Recibos");

  oGroupBox3 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox3"));
  oGroupBox3->SetBounds(12, 68, 346, 54);
  oGroupBox3->cText = QStringLiteral("Recibo De");
  auto radio = [this](const char* name, int x, int w, const QString& text) {
    TRadio* r = TRadio::New(oGroupBox3, QString::fromLatin1(name));
    r->SetBounds(x, 20, w, 18);
    r->cText = text;
    return r;
  };
  oNomina = radio("oNomina", 12, 62, QStringLiteral("Nómina"));
  oNomina->lChecked = true;
  oAguinaldo = radio("oAguinaldo", 84, 74, QStringLiteral("Aguinaldo"));
  oOtro = radio("oOtro", 168, 50, QStringLiteral("Otro"));
  oAhorro = radio("oAhorro", 224, 110, QStringLiteral("Fondo de Ahorro"));

  oGroupBox4 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox4"));
  oGroupBox4->SetBounds(360, 36, 478, 86);
  oGroupBox4->cText = QStringLiteral("Filtros");
  auto label = [this](const char* name, int x, int y, int w, int h, const QString& text) {
    TLabel* l = TLabel::New(oGroupBox4, QString::fromLatin1(name));
    l->SetBounds(x, y, w, h);
    l->cText = text;
    return l;
  };
  auto combo = [this](const char* name, int x, int y, int w, int h) {
    TComboBox* c = TComboBox::New(oGroupBox4, QString::fromLatin1(name));
    c->SetBounds(x, y, w, h);
    return c;
  };
  label("oLabel47", 12, 28, 20, 27, QStringLiteral("Año\r\n"));
  cmbYearRecibo = combo("cmbYearRecibo", 40, 24, 90, 21);
  cmbYearRecibo->OnChange = [this] { cmbYearReciboChange(); };
  label("oLabel94", 144, 27, 61, 14, QStringLiteral("Tipo Nómina"));
  cmbTipoNominaRecibo = combo("cmbTipoNominaRecibo", 212, 24, 110, 21);
  cmbTipoNominaRecibo->OnChange = [this] { cmbTipoNominaReciboChange(); };
  label("oLabel49", 168, 56, 37, 14, QStringLiteral("Periodo"));
  cmbPeriodoRecibo = combo("cmbPeriodoRecibo", 213, 52, 46, 21);
  label("oLabel50", 261, 56, 9, 14, QStringLiteral("al"));
  cmbPeriodoRecibo2 = combo("cmbPeriodoRecibo2", 276, 52, 46, 21);
  btnCargaRecibos = TBtnBmp::New(oGroupBox4, QStringLiteral("btnCargaRecibos"));
  btnCargaRecibos->SetBounds(328, 24, 134, 53);
  btnCargaRecibos->cText = QStringLiteral("Cargar Recibos");
  btnCargaRecibos->oBitmaps = QStringLiteral("BUSCAR");
  btnCargaRecibos->OnClick = [this] { btnCargaRecibosClick(); };

  oGroupBox2 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox2"));
  oGroupBox2->SetBounds(12, 124, 830, 330);
  oGroupBox2->cText = QStringLiteral("Recibos");
  oGroupBox2->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 12);

  arregloRecibos = TArrayBrowse::New(oGroupBox2, QStringLiteral("arregloRecibos"));
  arregloRecibos->SetBounds(4, 20, 822, 250);
  arregloRecibos->oFont = font10;
  arregloRecibos->lRecordSelector = true;
  arregloRecibos->nRowDividerStyle = 4;
  arregloRecibos->nMarqueeStyle = 4;
  arregloRecibos->nHeaderHeight = 40;
  arregloRecibos->lFilterBar = true;
  arregloRecibos->lAutoOrder = true;
  struct ColumnDef {
    const char* header;
    int width;
    int alignment;  // -1: none set
  };
  const ColumnDef columns[] = {
      {"Nomina", 68, 64},        {"Periodo", 66, 66},      {"Codigo", 79, 66},       {"Tipo Nomina", 94, -1},
      {"Tipo Nomina", 105, -1},  {"Nombre", 199, 64},      {"Inicio", 79, 66},       {"Cierre", 79, 66},
      {"Dias a Pagar", 100, 66}, {"Total Sueldo", 100, 66}, {"Total Perc.", 100, 66}, {"Total Ded.", 100, 66},
      {"Total ISR", 100, 66},    {"Total IMSS", 100, 66},  {"Neto", 100, 66},        {"Mail", 88, 64},
      {"Empresa", 88, 6},
  };
  for (const ColumnDef& c : columns) {
    TArrayBrwColumn* col = arregloRecibos->AddColumn(QString::fromUtf8(c.header), c.width);
    if (c.alignment >= 0) col->nAlignment = c.alignment;
  }
  arregloRecibos->Column(4)->lHide = true;

  auto button = [](QWidget* parent, TBtnBmp*& b, const char* name, int x, int y, const QString& text,
                   const char* picture, const QFont& font) {
    b = TBtnBmp::New(parent, QString::fromLatin1(name));
    b->SetBounds(x, y, 154, 54);
    b->cText = text;
    b->oBitmaps = QString::fromLatin1(picture);
    b->oFont = font;
  };
  button(oGroupBox2, btnImprimeCarta, "btnImprimeCarta", 104, 272, QStringLiteral("Imprimir Recibo Tamaño Carta"),
         "PRINTER1", font10);
  btnImprimeCarta->OnClick = [this] { btnImprimeCartaClick(); };
  button(oGroupBox2, btnImprimirRecibo, "btnImprimirRecibo", 332, 272, QStringLiteral("Imprimir Recibo Media Carta"),
         "PRINTER1", font10);
  btnImprimirRecibo->OnClick = [this] { btnImprimirReciboClick(); };
  button(oGroupBox2, btnListaRecibos, "btnListaRecibos", 560, 272, QStringLiteral("Imprimir Lista Recibos"),
         "PRINTER1", font10);
  btnListaRecibos->OnClick = [this] { btnListaRecibosClick(); };
  button(oImage1, btnGenraCFDI, "btnGenraCFDI", 116, 472, QStringLiteral("Descargar Archivo XML"), "EDITAR", font10);
  btnGenraCFDI->OnClick = [this] { btnGenraCFDIClick(); };
  button(oImage1, btnDescargaArchivoPDF, "btnDescargaArchivoPDF", 344, 472, QStringLiteral("Descargar Archivo PDF"),
         "RESPALDAR", font10);
  btnDescargaArchivoPDF->OnClick = [this] { btnDescargaArchivoPDFClick(); };
  button(oImage1, btnEnviaMail, "btnEnviaMail", 572, 472, QStringLiteral("Enviar archivos \r\nXML y PDF por mail"),
         "ENVIA", font10);
  btnEnviaMail->OnClick = [this] { btnEnviaMailClick(); };

  btnSalir = TBtnBmp::New(oImage1, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(764, 460, 62, 74);
  btnSalir->lFlat = true;
  btnSalir->OnClick = [this] { btnSalirClick(); };
}

void TRecibos::FormInitialize() {
  if (!RfcSinMediaCarta().isEmpty() && AllTrim(AppData.RFCEmpresa) == RfcSinMediaCarta())
    btnImprimirRecibo->Hide();
  btnGenraCFDI->Hide();
  btnDescargaArchivoPDF->Hide();
  btnEnviaMail->Hide();
  arregloRecibos->SetArray(Rows());
  arregloRecibos->Refresh();

  objEnviaMail = std::make_unique<TEnviaMail>();
  objEnviaMail->CargaConfiguracionMail(Text::Transform(Text::Val(empresa), QStringLiteral("9999999999")));

  const QString fda = iniVariable("FDA");
  oAhorro->lVisible = !(fda == u"No" || fda.isEmpty());
  if (AllTrim(iniVariable("PDF")).toUpper().startsWith(QStringLiteral("SI"))) {
    btnGenraCFDI->Show();
    btnDescargaArchivoPDF->Show();
    btnEnviaMail->Show();
  }

  cargarAyos();
  if (cmbYearRecibo->nIndex() == 0) MsgInfo(QStringLiteral("No se encontraron años para consultar recibos"));
  else cmbYearReciboChange();
}

void TRecibos::cargarAyos() {
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("exec PortalEmpleadoCargaAyosDeRecibos ") + AppData.oLlaveTemporal + u',' +
                              AppData.Codigo);
  if (rows.isEmpty()) return;
  QStringList years;
  for (const Row& r : rows) years << AllTrim(ToText(r.col(1)));
  cmbYearRecibo->SetItems(years);
  cmbYearRecibo->nIndex = 1;
}

void TRecibos::cmbYearReciboChange() {
  arregloRecibos->SetArray(Rows());
  if (AllTrim(cmbYearRecibo->cText()).isEmpty()) {
    MsgInfo(QStringLiteral("Debe indicar un número de año a consultar"));
    return;
  }
  llenaTiposnom();
  if (cmbTipoNominaRecibo->nIndex() == 0) {
    MsgInfo(QStringLiteral("No se encontraron tipos de nómina para consultar"));
    return;
  }
  cmbTipoNominaReciboChange();
}

void TRecibos::llenaTiposnom() {
  cmbTipoNominaRecibo->Reset();
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("EXEC PortalEmpleadoCargaTipoNominaDeRecibos ") +
                              AllTrim(cmbYearRecibo->cText()) + u',' + AllTrim(AppData.oLlaveTemporal) + u',' + codigo);
  if (rows.isEmpty()) return;
  for (const Row& r : rows) cmbTipoNominaRecibo->AddItem(AllTrim(ToText(r.col(1))));
  cmbTipoNominaRecibo->nIndex = 1;
}

void TRecibos::cmbTipoNominaReciboChange() {
  if (cmbTipoNominaRecibo->nIndex() == 0) MsgInfo(QStringLiteral("Debe indicar un tipo de nómina a consultar"));
  else llenaPeriodos();
}

int TRecibos::numeroDe(const QString& entry) { return static_cast<int>(Text::Val(entry.left(2))); }

void TRecibos::llenaPeriodos() {
  cmbPeriodoRecibo->Reset();
  cmbPeriodoRecibo2->Reset();
  if (cmbTipoNominaRecibo->cText().isEmpty()) return;
  const QString year = cmbYearRecibo->cText();
  if (year == u"0") {
    MsgInfo(QStringLiteral("No se encuentran años para consultar"));
    return;
  }
  const int tipo = numeroDe(cmbTipoNominaRecibo->cText());
  if (tipo == 0) {
    MsgInfo(QStringLiteral("No se encuentran tipos de nómina para consultar"));
    return;
  }
  const Rows rows = AppData.oNomina->obtenPeriodosRecibos(year, tipo, AppData.Codigo);
  if (rows.isEmpty()) {
    MsgInfo(QStringLiteral("No se encuentran periodos cerrados para consultar"));
    return;
  }
  const int n = static_cast<int>(rows.size());
  const int first = iniVariable("UltimosRecibos") == u"Si" ? std::max(1, n - 5) : 1;
  QStringList periods;
  for (int i = first; i <= n; ++i) periods << Text::Transform(rows.row(i).col(1), QStringLiteral("9999"));
  cmbPeriodoRecibo->SetItems(periods);
  cmbPeriodoRecibo2->SetItems(periods);
  cmbPeriodoRecibo->nIndex = 1;
  cmbPeriodoRecibo2->nIndex = cmbPeriodoRecibo2->Len();
  if (!year.isEmpty() && !cmbTipoNominaRecibo->cText().isEmpty() && !cmbPeriodoRecibo->cText().isEmpty() &&
      !cmbPeriodoRecibo2->cText().isEmpty())
    cargarListado();
}

TRecibos::Flags TRecibos::banderas() const {
  return {oAguinaldo->lChecked() ? QStringLiteral("AGI") : QString(),
          oAhorro->lChecked() ? QStringLiteral("FDO") : QString(), oOtro->lChecked() ? QStringLiteral("OTR") : QString()};
}

void TRecibos::cargarListado() {
  const Flags f = banderas();
  const Rows rows = AppData.oNomina->obtenListadoRecibos(
      f.agi, f.fdo, f.otr, numeroDe(cmbTipoNominaRecibo->cText()), cmbYearRecibo->cText(),
      numeroDe(cmbPeriodoRecibo->cText()), numeroDe(cmbPeriodoRecibo2->cText()), Text::Val(AppData.Codigo));
  arregloRecibos->SetArray(rows);
}

void TRecibos::btnCargaRecibosClick() {
  if (AllTrim(cmbTipoNominaRecibo->cText()).isEmpty()) {
    MsgInfo(QStringLiteral("Debe indicar tipo de nómina a consultar"));
    return;
  }
  if (AllTrim(cmbPeriodoRecibo->cText()).isEmpty() || AllTrim(cmbPeriodoRecibo2->cText()).isEmpty()) {
    MsgInfo(QStringLiteral("Debe indicar un rango de periodos a consultar"));
    return;
  }
  arregloRecibos->SetArray(Rows());
  cargarListado();
}

int TRecibos::ObtenTipoNomina(const QString& nombre) {
  static const char* const kNames[] = {"Semanal", "Decenal", "Catorcenal", "Quincenal", "Mensual", "Especial"};
  for (int i = 0; i < 6; ++i)
    if (nombre.startsWith(QString::fromLatin1(kNames[i]))) return i + 1;
  return 0;
}

Row TRecibos::seleccionado() const { return arregloRecibos->CurrentRow(); }

void TRecibos::ImprimeReciboNormal(const QString& tipo) {
  if (arregloRecibos->Len() == 0) {
    MsgInfo(kSinRecibos);
    return;
  }
  const Row r = seleccionado();
  const QString year = cmbYearRecibo->cText();
  const int tipoNomina = ObtenTipoNomina(ToText(r.col(4)));

  QString rfc, registro, nombre, numero;
  const Rows company = ResultShapes::RowsOf(
      QStringLiteral(" select rfc_empresa,registro_patronal, nombre_empresa,empresa  from empresas where empresa= ") +
      ToText(r.col(17)));
  if (!company.isEmpty()) {
    const Row& c = company.row(1);
    rfc = ToText(c.col(1));
    registro = ToText(c.col(2));
    nombre = ToText(c.col(3));
    numero = Text::Transform(Text::Val(c.col(4)), QStringLiteral("99999999"));
  }

  QString plantilla;
  if (oAhorro->lChecked()) plantilla = QStringLiteral("ReciboPortalFDO.fr3");
  else if (tipo == u"MediaCarta") plantilla = QStringLiteral("ReciboPortalMediaCarta.fr3");
  else plantilla = QStringLiteral("ReciboPortalCarta.fr3");

  const QString zelk = QStringLiteral("ZELK");
  const ReportVariables variables = {
      {zelk, QStringLiteral("Nombre.Empresa"), Text::Quoted(nombre)},
      {zelk, QStringLiteral("RFC.Empresa"), Text::Quoted(rfc)},
      {zelk, QStringLiteral("REG_PAT.Empresa"), Text::Quoted(registro)},
      {zelk, QStringLiteral("PeriodoDE"), Text::Quoted(ToText(r.col(7)))},
      {zelk, QStringLiteral("PeriodoA"), Text::Quoted(ToText(r.col(8)))},
      {zelk, QStringLiteral("TipoNomina"), Text::Quoted(ToText(r.col(4)))},
      {zelk, QStringLiteral("NombreNomina"), Text::Quoted(ToText(r.col(5)))},
      {zelk, QStringLiteral("PeriodoImprimir"),
       Text::Quoted(AllTrim(Text::Transform(r.col(2), QStringLiteral("999999999"))))},
      {zelk, QStringLiteral("PaperSize"), QStringLiteral("'256'")},
  };

  if (AppData.Codigo.isEmpty() || Text::Val(AppData.Codigo) <= 0) {
    MsgStop(QStringLiteral("No ha seleccionado ningun recibo a imprimir."), QStringLiteral("Atención!!"));
    return;
  }
  const auto query = AppData.oNomina->obtenReportesRecibo(
      r.col(1), year, r.col(2), AppData.Codigo, Text::Transform(tipoNomina, QStringLiteral("99999999")), numero);
  if (!query) {
    MsgStop(kSinReporte, QStringLiteral("Atención"));
    return;
  }
  GeneraFastReports(plantilla, ReportSource(), ReportSource(query), false, variables);
}

void TRecibos::btnListaRecibosClick() {
  const Flags f = banderas();
  const QString year = cmbYearRecibo->cText();
  const int tipo = numeroDe(cmbTipoNominaRecibo->cText());
  const int desde = numeroDe(cmbPeriodoRecibo->cText());
  const int hasta = numeroDe(cmbPeriodoRecibo2->cText());
  if (arregloRecibos->Len() == 0) {
    MsgInfo(kSinRecibos);
    return;
  }
  const auto query =
      AppData.oNomina->obtenReportesListadoRecibos(f.agi, f.fdo, f.otr, tipo, year, desde, hasta, AppData.Codigo);
  const QString zelk = QStringLiteral("ZELK");
  const ReportVariables variables = {
      {zelk, QStringLiteral("Nombre.Empresa"), Text::Quoted(AppData.NombreEmpresa)},
      {zelk, QStringLiteral("RFC.Empresa"), Text::Quoted(AppData.RFCEmpresa)},
      {zelk, QStringLiteral("REG_PAT.Empresa"), Text::Quoted(AppData.RegistroPatronalEmpresa)},
  };
  if (!query) {
    MsgStop(kSinReporte, QStringLiteral("Atención"));
    return;
  }
  GeneraFastReports(QStringLiteral("listadoRecibos.fr3"), ReportSource(), ReportSource(query), false, variables);
}

bool TRecibos::ValidaExisteCFDI(const QVariant& empresaRecibo) {
  const Row r = seleccionado();
  return AppData.oOperacion->existeRecibo(empresaRecibo, codigo, r.col(1), r.col(2), cmbYearRecibo->cText());
}

Row TRecibos::archivosCFDI(const QVariant& empresaRecibo) {
  const Row r = seleccionado();
  const Rows rows = AppData.oOperacion->obtenArchivosCFDI(empresaRecibo, codigo, r.col(1), r.col(2), cmbYearRecibo->cText());
  return rows.isEmpty() ? Row() : rows.row(1);
}

// The selected receipt's invoice files, after the checks the XML and PDF buttons share.
bool TRecibos::archivosSeleccionados(Row* files) {
  if (arregloRecibos->Len() == 0) {
    MsgInfo(kSelecciona);
    return false;
  }
  const QVariant empresaRecibo = seleccionado().col(17);
  if (!ValidaExisteCFDI(empresaRecibo)) {
    MsgInfo(QStringLiteral("No existe archivo CFDI para este registro."));
    return false;
  }
  *files = archivosCFDI(empresaRecibo);
  return true;
}

void TRecibos::btnGenraCFDIClick() {
  Row files;
  if (!archivosSeleccionados(&files)) return;
  const QString xml = ToText(files.col(8));
  if (xml.isEmpty()) {
    MsgInfo(QStringLiteral("No existe el archivo"));
    return;
  }
  TForm::New<TMuestraXML>(this, [&xml](TMuestraXML& v) { v.datos = xml; })->ShowModal();
}

void TRecibos::btnDescargaArchivoPDFClick() {
  Row files;
  if (!archivosSeleccionados(&files)) return;
  const QByteArray pdf = bytesOf(files.col(10));
  // A stored name is only ever a plain name inside the program's folder.
  const QString name = FileNames::Safe(ToText(files.col(11)));
  const QString path = QDir::current().filePath(QStringLiteral("TEMP") + name);
  if (pdf.isEmpty() || name.isEmpty() || !writeFile(path, pdf) || !QFile::exists(path)) {
    MsgInfo(QStringLiteral("No existe el archivo"));
    return;
  }
  aHWnd = DocumentOpener::Open(path);
}

void TRecibos::btnEnviaMailClick() {
  if (arregloRecibos->Len() == 0) {
    MsgInfo(kSelecciona);
    return;
  }
  const QString destino = AppData.email;
  const QVariant empresaRecibo = ToText(seleccionado().col(17));
  if (destino.isEmpty()) {
    MsgInfo(QStringLiteral("El trabajador no tiene un correo electronico registrado"));
    return;
  }
  if (!ValidaExisteCFDI(empresaRecibo)) {
    MsgInfo(QStringLiteral("No existe archivo CFDI para este registro. "));
    return;
  }
  const Row files = archivosCFDI(empresaRecibo);
  // The attachments keep their stored names; a name with nothing usable left is no file.
  const QString xmlName = FileNames::Safe(ToText(files.col(9)));
  const QString pdfName = FileNames::Safe(ToText(files.col(11)));
  if (xmlName.isEmpty() || pdfName.isEmpty()) {
    MsgInfo(QStringLiteral("No existe el archivo"));
    return;
  }
  // A folder of their own inside the program's folder, so that no stored name can replace a
  // file of the terminal; it goes with the send.
  const TempFiles::MailFolder folder;
  const QString xmlPath = folder.FilePath(xmlName);
  const QString pdfPath = folder.FilePath(pdfName);
  const QString xml = ToText(files.col(8));
  const QByteArray pdf = bytesOf(files.col(10));
  // A program folder that takes no files (read-only, full) stops the send here, not at the server.
  if (!folder.IsValid() || (!xml.isEmpty() && !writeFile(xmlPath, xml.toUtf8())) || (!pdf.isEmpty() && !writeFile(pdfPath, pdf))) {
    MsgInfo(QStringLiteral("El correo no puede ser enviado por el momento."));
    return;
  }

  if (!objEnviaMail->ValidaDatosServidor()) {
    MsgInfo(QStringLiteral("Faltan datos de configuración del mail de envío"));
    return;
  }
  objEnviaMail->titulo = QStringLiteral("Portal del Empleado - Recibo de nómina");
  objEnviaMail->correoDeEmpleado = destino;
  objEnviaMail->AddAttach(xmlPath);
  objEnviaMail->AddAttach(pdfPath);
  objEnviaMail->TextoMail = QStringLiteral("Documentos enviados desde el Portal del Empleado ZELK");
  if (objEnviaMail->EnviaMail()) MsgInfo(QStringLiteral("Correo Enviado"));
  else MsgInfo(QStringLiteral("El correo no puede ser enviado por el momento."));
  QFile::remove(xmlPath);
  QFile::remove(pdfPath);
  objEnviaMail->attachFiles.clear();
}

void TRecibos::btnSalirClick() { Close(); }

bool TRecibos::FormClose() {
  TempFiles::CloseViewersAndDelete();
  return true;
}
