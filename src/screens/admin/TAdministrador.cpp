#include "screens/admin/TAdministrador.h"

#include <QFileInfo>
#include <QImageReader>

#include "app/AppData.h"
#include "data/Scramble.h"
#include "data/mdlOperacion.h"
#include "screens/admin/TExcepciones.h"
#include "screens/login/TRegistro.h"
#include "screens/shared/FilePicker.h"
#include "toolkit/Controls.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/IdleLogout.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

namespace {

const QString kGuardados = QStringLiteral("Datos guardados");
const QString kNoGuardados = QStringLiteral("Los datos no pudieron ser guardados");
const QString kTerminado = QStringLiteral("Proceso terminado");
const QString kSinCambios = QStringLiteral("No pudieron realizarse los cambios.");

// The terminal switches of [VARIABLES], in the order they are written.
struct Switch {
  TCheckBox* TAdministrador::*box;
  const char* key;
};
const Switch kSwitches[] = {
    {&TAdministrador::chkSalirActivado, "SalirActivado"},   {&TAdministrador::chkUltimosRecibos, "UltimosRecibos"},
    {&TAdministrador::chkModifica, "Modifica"},             {&TAdministrador::chkSolicitudConFirmas, "SolicitudConFirmas"},
    {&TAdministrador::chkFondo, "FDA"},                     {&TAdministrador::chkXMLPDF, "PDF"},
};

QString variable(const char* key) {
  return TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("VARIABLES"), QString::fromLatin1(key));
}

QString text(const QVariant& v) { return Text::RTrim(ToText(v)); }

TLabel* label(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& caption,
              bool bold = false) {
  TLabel* l = TLabel::New(parent, QString::fromLatin1(name));
  l->SetBounds(x, y, w, h);
  if (bold) l->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 10, 0, 700);
  l->cText = caption;
  return l;
}

TEdit* edit(QWidget* parent, const char* name, int x, int y, int w, int h) {
  TEdit* e = TEdit::New(parent, QString::fromLatin1(name));
  e->SetBounds(x, y, w, h);
  return e;
}

TCheckBox* check(QWidget* parent, const char* name, int x, int y, int w, const QString& caption) {
  TCheckBox* c = TCheckBox::New(parent, QString::fromLatin1(name));
  c->SetBounds(x, y, w, 18);
  c->cText = caption;
  return c;
}

TBtnBmp* button(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& caption,
                const char* picture) {
  TBtnBmp* b = TBtnBmp::New(parent, QString::fromLatin1(name));
  b->SetBounds(x, y, w, h);
  b->cText = caption;
  b->oBitmaps = QString::fromLatin1(picture);
  return b;
}

}  // namespace

const QString TAdministrador::kSeleccioneRegistro = QStringLiteral("Debe seleccionar un registro a eliminar");

void TAdministrador::CreateForm() {
  SetBounds(367, 101, 992, 691);
  SetClientSize(976, 652);
  cText = QStringLiteral("Administrador");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };
  OnClose = [this] {
    // The administrator never reaches the menu: closing leads to a fresh login.
    TForm::New<TRegistro>()->Show();
    return true;
  };

  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(0, 12, 962, 622);
  oImage1->oPicture = QStringLiteral("Administrador");
  oLabel10 = label(oImage1, "oLabel10", 28, 84, 151, 17, QStringLiteral("Seleccionar Empresa"), true);
  cmbEmpresas = TComboBox::New(oImage1, QStringLiteral("cmbEmpresas"));
  cmbEmpresas->SetBounds(180, 80, 346, 21);
  cmbEmpresas->OnChange = [this](TComboBox*) { cmbEmpresasChange(); };
  chkTodasLasEmpresas = check(oImage1, "chkTodasLasEmpresas", 556, 83, 18, QString());
  lblTodaslasEmpresas = label(oImage1, "lblTodaslasEmpresas", 576, 84, 248, 17,
                              QStringLiteral("Guardar para TODAS las empresas"), true);

  Otros = TFolder::New(oImage1, QStringLiteral("Otros"));
  Otros->SetBounds(16, 108, 906, 398);
  creaPaginaVacaciones(Otros->AddPage(QStringLiteral("Configuración de Vacaciones"), QStringLiteral("FolderPage1")));
  creaPaginaCorreo(Otros->AddPage(QStringLiteral("Configuracion Correo Electronico"), QStringLiteral("FolderPage2")));
  creaPaginaOtros(Otros->AddPage(QStringLiteral("Otros"), QStringLiteral("FolderPage3")));
  creaPaginaPoliticas(Otros->AddPage(QStringLiteral("Politicas"), QStringLiteral("FolderPage4")));
  creaPaginaFlujos(Otros->AddPage(QStringLiteral("Flujo de Autorizaciones"), QStringLiteral("FolderPage5")));
  creaPaginaConsolidar(Otros->AddPage(QStringLiteral("Consolidar Información"), QStringLiteral("FolderPage6")));
  Otros->OnChange = [this](TFolder*) {
    const int page = Otros->nOption();
    if (page == 1) FolderPage1Show();
    else FolderPagesShow();
    if (page == 5) CargaConfiguracionParametrosFlujo();
  };

  btnSalir = TBtnBmp::New(oImage1, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(844, 516, 90, 86);
  btnSalir->lFlat = true;
  btnSalir->lTabStop = false;  // the background draws the exit button; this one only takes the touch
  btnSalir->OnClick = [this] { btnSalirClick(); };
}

void TAdministrador::creaPaginaVacaciones(TFolderPage* page) {
  Opcion1 = TGroupBox::New(page, QStringLiteral("Opcion1"));
  Opcion1->SetBounds(20, 8, 822, 314);
  const QString a = QStringLiteral("A) Saldos de Aniversarios cumplidos: \"A\"");
  const QString b = QStringLiteral("B) Días Proporcionales desde ultimo aniversario cumplido a la fecha: \"B\"");
  const QString c = QStringLiteral("C) Vacaciones disfrutadas en el ejercicio: \"C\"");
  const QString d = QStringLiteral("D) Vacaciones programadas: \"D\"");
  const QString crlf = QStringLiteral("\r\n");

  label(Opcion1, "oLabel4", 17, 6, 420, 17, QStringLiteral("Opción 1: Solo mostrar saldos de aniversarios cumplidos"),
        true);
  optOpcion1 = TRadio::New(Opcion1, QStringLiteral("optOpcion1"));
  optOpcion1->SetBounds(17, 24, 254, 18);
  optOpcion1->cText = QStringLiteral("A) Saldos de Aniversarios cumplidos");
  label(Opcion1, "oLabel7", 17, 44, 440, 26,
        QStringLiteral("NOTA: Esta opción no toma en cuenta días proporcionales a los que ya tiene derecho el empleado "
                       "del ejercicio en curso"));

  label(Opcion1, "oLabel3", 17, 72, 120, 17, QStringLiteral("Opción 2:"), true);
  optOpcion2 = TRadio::New(Opcion1, QStringLiteral("optOpcion2"));
  optOpcion2->SetBounds(17, 88, 442, 48);
  optOpcion2->cText = a + crlf + b + crlf + c;
  label(Opcion1, "oLabel2", 36, 138, 300, 16, QStringLiteral("Saldo Total (A+B-C)"), true);
  label(Opcion1, "oLabel9", 468, 72, 344, 120,
        QStringLiteral("NOTA: Al seleccionar esta opción, mostrará al empleado el total del saldo a que tiene derecho al "
                       "día de hoy sin tomar en cuenta programaciones de vacaciones existentes para el periodo actual o "
                       "futuros en la función P del sistema de nómina, el saldo total de personas con programaciones no "
                       "cuadrará con el saldo total mostrado en la última columna del reporte de listado general de la "
                       "función P del sistema de nómina, donde si se toman en cuenta periodos programados."));

  label(Opcion1, "oLabel12", 17, 194, 120, 17, QStringLiteral("Opción 3:"), true);
  optOpcion3 = TRadio::New(Opcion1, QStringLiteral("optOpcion3"));
  optOpcion3->SetBounds(17, 212, 442, 64);
  optOpcion3->cText = a + crlf + b + crlf + c + crlf + d + crlf;
  label(Opcion1, "oLabel1", 36, 280, 300, 16, QStringLiteral("Saldo Total(A+B-C-D)= \"F\""), true);
  label(Opcion1, "oLabel8", 468, 194, 344, 100,
        QStringLiteral("NOTA: Al seleccionar esta opción, mostrará al empleado el total del saldo a que tiene derecho al "
                       "día de hoy descontando días programados de vacaciones en el periodo actual o futuros en la "
                       "función P del sistema de nómina. El saldo total que se muestra al empleado será igual al saldo "
                       "total de la última columna del reporte de listado general de la función P del sistema de "
                       "nómina."));

  btnGuardar = button(page, "btnGuardar", 372, 328, 150, 38, QStringLiteral("Guardar"), "correcto");
  btnGuardar->OnClick = [this] { btnGuardarClick(); };
}

void TAdministrador::creaPaginaCorreo(TFolderPage* page) {
  Configur = TGroupBox::New(page, QStringLiteral("Configur"));
  Configur->SetBounds(232, 16, 458, 294);
  label(Configur, "oLabel13", 8, 15, 86, 14, QStringLiteral("Servidor Correo"));
  txtServidor = edit(Configur, "txtServidor", 96, 12, 338, 20);
  label(Configur, "oLabel14", 8, 43, 86, 14, QStringLiteral("Cuenta"));
  txtDireccion1 = edit(Configur, "txtDireccion1", 96, 40, 338, 20);
  label(Configur, "oLabel15", 8, 70, 86, 14, QStringLiteral("Puerto"));
  txtPuerto = edit(Configur, "txtPuerto", 96, 67, 42, 20);
  txtPuerto->lNumeric = true;

  oGroupBox5 = TGroupBox::New(Configur, QStringLiteral("oGroupBox5"));
  oGroupBox5->SetBounds(8, 92, 438, 158);
  chkAutenticacion = check(oGroupBox5, "chkAutenticacion", 12, 16, 220, QStringLiteral("Requiere Autenticación"));
  label(oGroupBox5, "oLabel16", 12, 45, 70, 14, QStringLiteral("Tipo Aut"));
  cmbTipoAut = TComboBox::New(oGroupBox5, QStringLiteral("cmbTipoAut"));
  cmbTipoAut->SetBounds(88, 41, 330, 21);
  cmbTipoAut->SetItems({QStringLiteral("Automatically"), QStringLiteral("AUTH LOGIN"),
                        QStringLiteral("AUTH NTLM(Secure Password Authentication)"), QStringLiteral("AUTH CRAM-MD5"),
                        QStringLiteral("AUTH PLAIN"), QStringLiteral("AUTH MSN")});
  cmbTipoAut->nIndex = 1;
  label(oGroupBox5, "oLabel17", 12, 73, 70, 14, QStringLiteral("Usuario"));
  txtauser = TMaskEdit::New(oGroupBox5, QStringLiteral("txtauser"));
  txtauser->SetBounds(88, 70, 330, 20);
  txtauser->nMaxLength = 50;
  label(oGroupBox5, "oLabel18", 12, 101, 70, 14, QStringLiteral("Password"));
  txtPassword = edit(oGroupBox5, "txtPassword", 88, 98, 330, 20);
  txtPassword->lPassword = true;
  label(oGroupBox5, "oLabel19", 12, 130, 100, 14, QStringLiteral("Tipo de Conexión"));
  optSSLSi = check(oGroupBox5, "optSSLSi", 120, 128, 60, QStringLiteral("SSL"));
  optSSLNo = check(oGroupBox5, "optSSLNo", 190, 128, 60, QStringLiteral("TSL"));

  label(Configur, "oLabel20", 8, 263, 86, 14, QStringLiteral("Mail RH"));
  txtRHMail = edit(Configur, "txtRHMail", 96, 260, 338, 20);
  txtIdConfiguracion = edit(Configur, "txtIdConfiguracion", 300, 67, 60, 20);
  txtIdConfiguracion->Hide();

  btnGuardarMail = button(page, "btnGuardarMail", 384, 312, 150, 38, QStringLiteral("Guardar"), "correcto");
  btnGuardarMail->OnClick = [this] { btnGuardarMailClick(); };
}

void TAdministrador::creaPaginaOtros(TFolderPage* page) {
  auto* opciones = TGroupBox::New(page, QStringLiteral("oGroupBox6"));
  opciones->SetBounds(20, 8, 820, 118);
  opciones->cText = QStringLiteral("Opciones");
  chkSalirActivado = check(opciones, "chkSalirActivado", 24, 26, 300, QStringLiteral("Salir Activado"));
  chkUltimosRecibos = check(opciones, "chkUltimosRecibos", 24, 56, 300, QStringLiteral("Ultimos Recibos"));
  chkModifica = check(opciones, "chkModifica", 24, 86, 300, QStringLiteral("Modifica Datos Empleado"));
  chkSolicitudConFirmas = check(opciones, "chkSolicitudConFirmas", 420, 26, 320, QStringLiteral("Solicitud Con Firmas"));
  chkFondo = check(opciones, "chkFondo", 420, 56, 320, QStringLiteral("Mostrar Fondo de Ahorro"));
  chkXMLPDF = check(opciones, "chkXMLPDF", 420, 86, 320, QStringLiteral("Ver/Enviar Recibos en XML/PDF"));

  auto* imagenes = TGroupBox::New(page, QStringLiteral("oGroupBox8"));
  imagenes->SetBounds(20, 134, 820, 180);
  imagenes->cText = QStringLiteral("Imagenes");
  label(imagenes, "oLabel21", 16, 34, 110, 14, QStringLiteral("Imagen Logo"));
  txtLogo = edit(imagenes, "txtLogo", 130, 30, 580, 22);
  btnBuscarLogo = button(imagenes, "btnBuscarLogo", 720, 18, 64, 48, QString(), "buscar2");
  btnBuscarLogo->OnClick = [this] { btnBuscarLogoClick(); };
  label(imagenes, "oLabel22", 130, 56, 300, 14, QStringLiteral("* Imagen en formato .jpg"));
  label(imagenes, "oLabel23", 16, 112, 110, 14, QStringLiteral("Imagen Firma RH"));
  txtFirma = edit(imagenes, "txtFirma", 130, 108, 580, 22);
  btnFirma = button(imagenes, "btnFirma", 720, 96, 64, 48, QString(), "buscar2");
  btnFirma->OnClick = [this] { btnFirmaClick(); };

  btnGuardarOtros = button(page, "btnGuardarOtros", 372, 322, 150, 38, QStringLiteral("Guardar"), "correcto");
  btnGuardarOtros->OnClick = [this] { btnGuardarOtrosClick(); };
}

void TAdministrador::creaPaginaPoliticas(TFolderPage* page) {
  oGroupBox7 = TGroupBox::New(page, QStringLiteral("oGroupBox7"));
  oGroupBox7->SetBounds(20, 4, 860, 356);
  arregloPoliticas = TArrayBrowse::New(oGroupBox7, QStringLiteral("arregloPoliticas"));
  arregloPoliticas->SetBounds(8, 16, 844, 190);
  arregloPoliticas->nHeaderHeight = 36;
  arregloPoliticas->nRowHeight = 28;
  arregloPoliticas->lFilterBar = true;
  arregloPoliticas->lAutoOrder = true;
  arregloPoliticas->nMarqueeStyle = 4;
  arregloPoliticas->nRowDividerStyle = 4;
  arregloPoliticas->AddColumn(QStringLiteral("Id"), 40)->lHide = true;
  arregloPoliticas->AddColumn(QStringLiteral("empresa"), 40)->lHide = true;
  arregloPoliticas->AddColumn(QStringLiteral("Nombre"), 360);
  arregloPoliticas->AddColumn(QStringLiteral("Nombre Archivo"), 440);
  arregloPoliticas->OnChange = [this](TArrayBrowse*) { arregloPoliticasaChange(); };
  // The first row is highlighted from the start: touching it loads it too.
  arregloPoliticas->OnClick = [this](TArrayBrowse*) { arregloPoliticasaChange(); };

  label(oGroupBox7, "oLabel24", 8, 222, 60, 14, QStringLiteral("Nombre"));
  txtNombrePolitica = edit(oGroupBox7, "txtNombrePolitica", 72, 218, 560, 22);
  label(oGroupBox7, "oLabel25", 8, 256, 60, 14, QStringLiteral("Archivo"));
  txtRutaPolitica = edit(oGroupBox7, "txtRutaPolitica", 72, 252, 560, 22);
  btnBuscaPoliticas = button(oGroupBox7, "btnBuscaPoliticas", 640, 240, 64, 48, QString(), "buscar2");
  btnBuscaPoliticas->OnClick = [this] { btnBuscaPoliticasClick(); };
  txtIdPolitica = edit(oGroupBox7, "txtIdPolitica", 720, 218, 40, 20);
  txtIdPolitica->Hide();
  txtIdPolitica->Value = QStringLiteral("0");

  btnNuevo = button(oGroupBox7, "btnNuevo", 230, 298, 130, 48, QStringLiteral("Nuevo"), "perfilmas");
  btnNuevo->OnClick = [this] { btnNuevoClick(); };
  btnGuardarPolitcas = button(oGroupBox7, "btnGuardarPolitcas", 370, 298, 130, 48, QStringLiteral("Guardar"), "correcto");
  btnGuardarPolitcas->OnClick = [this] { btnGuardarPolitcasClick(); };
  btnEliminarPoliticas =
      button(oGroupBox7, "btnEliminarPoliticas", 510, 298, 130, 48, QStringLiteral("Eliminar"), "perfilmenos");
  btnEliminarPoliticas->OnClick = [this] { btnEliminarPoliticasClick(); };
}

void TAdministrador::creaPaginaConsolidar(TFolderPage* page) {
  oGroupBox11 = TGroupBox::New(page, QStringLiteral("oGroupBox11"));
  oGroupBox11->SetBounds(20, 8, 860, 350);
  chkEmpTodas = check(oGroupBox11, "chkEmpTodas", 12, 20, 520,
                      QStringLiteral("Mostrar a los trabajadores recibos de todas las empresas"));
  chkEmpTodas->lChecked = true;
  arregloConsolidar = TArrayBrowse::New(oGroupBox11, QStringLiteral("arregloConsolidar"));
  arregloConsolidar->SetBounds(12, 48, 600, 290);
  arregloConsolidar->nRowHeight = 28;
  arregloConsolidar->nMarqueeStyle = 4;
  arregloConsolidar->nRowDividerStyle = 4;
  arregloConsolidar->AddColumn(QStringLiteral("Empresa"), 90)->cPicture = QStringLiteral("99999999");
  arregloConsolidar->AddColumn(QStringLiteral("Código"), 110)->cPicture = QStringLiteral("9999999999");
  arregloConsolidar->AddColumn(QStringLiteral("Nombre"), 360);
  btnAgregarExcepcion =
      button(oGroupBox11, "btnAgregarExcepcion", 630, 60, 210, 48, QStringLiteral("Agregar Excepcion"), "usuariomas");
  btnAgregarExcepcion->OnClick = [this] { btnMArcarTodoClick(); };
  btnDesmarcar = button(oGroupBox11, "btnDesmarcar", 630, 118, 210, 48, QStringLiteral("Eliminar Excepción"), "perfilmenos");
  btnDesmarcar->OnClick = [this] { btnDesmarcarClick(); };
  btnConsolidar = button(oGroupBox11, "btnConsolidar", 630, 176, 210, 48, QStringLiteral("Guardar"), "correcto");
  btnConsolidar->OnClick = [this] { btnConsolidarClick(); };
}

void TAdministrador::FormInitialize() {
  // Walked away from: close without saving, back to a fresh login.
  IdleLogout::SetHome(this, [this] { Close(); });
  if (!CNX) CNX = clsConexion::New();
  cmbTipoSolicitud->SetItems({QStringLiteral("VACACIONES"), QStringLiteral("PERMISOS"), QStringLiteral("PRESTAMOS")});
  cmbTipoSolicitud->nIndex = 1;
  CargaEmpresas();
  CargaGeneral();
  VerficaEmpresasRecibos();
  Consolidar();
  Otros->nOption = 1;
  FolderPage1Show();
}

void TAdministrador::CargaEmpresas() {
  m_empresas = m_adm.CargaEmpresas();
  QStringList items;
  for (const Row& r : m_empresas) items << text(r.col(1));
  cmbEmpresas->SetItems(items);
  if (!items.isEmpty()) cmbEmpresas->nIndex = 1;
}

void TAdministrador::CargaGeneral() {
  const QString entry = cmbEmpresas->cText();
  empresa = AllTrim(entry.section(u'-', 0, 0));
  NombreEmpresa = entry.section(u'-', 1);
  obtenOpciones();
  llenaDatosMail();
  cargaOtros();
  CargaPoliticas();
  btnNuevoClick();  // no policy of the previous company stays in the fields
  CargaLogo();
  CargaConfiguracionParametrosFlujo();
}

bool TAdministrador::cabe(const QString& valor, int largo, const QString& campo) {
  if (valor.size() <= largo) return true;
  MsgInfo(QStringLiteral("%1 no puede tener más de %2 caracteres").arg(campo).arg(largo));
  return false;
}

bool TAdministrador::todasLasEmpresas() const {
  return chkTodasLasEmpresas->lChecked() && chkTodasLasEmpresas->lEnabled();
}

// The all-companies box shows on every page whose save it governs (vacation option, mail,
// policies), so that no save reaches every company unseen.
void TAdministrador::FolderPage1Show() {
  chkTodasLasEmpresas->Show();
  lblTodaslasEmpresas->Show();
}

void TAdministrador::FolderPagesShow() {
  const int page = Otros->nOption();
  const bool governs = page == 2 || page == 4;
  chkTodasLasEmpresas->lVisible = governs;
  lblTodaslasEmpresas->lVisible = governs;
}

// Page 1 ------------------------------------------------------------------------------------

void TAdministrador::obtenOpciones() {
  const Rows rows = m_adm.OpcionVacaciones(empresa);
  if (rows.isEmpty()) return;
  const int opcion = static_cast<int>(Text::Val(rows.row(1).col(1)));
  (opcion == 2 ? optOpcion2 : opcion == 3 ? optOpcion3 : optOpcion1)->lChecked = true;
}

void TAdministrador::btnGuardarClick() {
  QString opcion;
  if (optOpcion1->lChecked()) opcion = QStringLiteral("1");
  else if (optOpcion2->lChecked()) opcion = QStringLiteral("2");
  else if (optOpcion3->lChecked()) opcion = QStringLiteral("3");
  else {
    MsgInfo(QStringLiteral("Seleccione una opción"));
    return;
  }
  bool ok = true;
  if (todasLasEmpresas()) {
    for (const Row& r : m_empresas) ok = m_adm.GuardaOpcionVacaciones(AllTrim(ToText(r.col(2))), opcion) && ok;
  } else {
    ok = m_adm.GuardaOpcionVacaciones(empresa, opcion);
  }
  MsgInfo(ok ? kTerminado : kNoGuardados);
}

// Page 2 ------------------------------------------------------------------------------------

void TAdministrador::llenaDatosMail() {
  const Rows rows = AppData.oOperacion->obtenConfiguraEmail(empresa);
  // A company without a row shows empty fields: saving must not copy another company's account.
  const Row r = rows.isEmpty() ? Row() : rows.row(1);
  txtServidor->Value = text(r.col(1));
  txtDireccion1->Value = text(r.col(2));
  txtPuerto->Value = AllTrim(ToText(r.col(3)));
  chkAutenticacion->lChecked = AllTrim(ToText(r.col(7))) == u"Si";
  txtauser->Value = text(r.col(5));
  txtPassword->Value = Desencripta(ToText(r.col(6)));
  const int tipo = cmbTipoAut->items().indexOf(AllTrim(ToText(r.col(8))));
  cmbTipoAut->nIndex = tipo >= 0 ? tipo + 1 : 1;
  optSSLSi->lChecked = AllTrim(ToText(r.col(11))) == u"Si";
  optSSLNo->lChecked = AllTrim(ToText(r.col(12))) == u"Si";
  txtRHMail->Value = text(r.col(13));
  txtIdConfiguracion->Value = text(r.col(15));
}

void TAdministrador::btnGuardarMailClick() {
  const QString puerto = AllTrim(txtPuerto->Value());
  bool numero = false;
  const int n = puerto.toInt(&numero);
  if (!puerto.isEmpty() && (!numero || n < 1 || n > 65535)) {
    MsgInfo(QStringLiteral("El puerto debe ser un número entre 1 y 65535"));
    return;
  }
  // The scrambling works on single bytes of the Windows code page.
  if (!Text::IsCp1252(txtPassword->Value())) {
    MsgInfo(QStringLiteral("La contraseña contiene caracteres que no pueden guardarse"));
    return;
  }
  ConfiguracionMail m;
  m.servidor = txtServidor->Value();
  m.cuenta = txtDireccion1->Value();
  m.puerto = puerto;
  m.usuario = txtauser->Value();
  m.password = EncriptaPWD(txtPassword->Value());
  m.autenticacion = chkAutenticacion->lChecked();
  m.tipoAutenticacion = cmbTipoAut->cText();
  m.ssl = optSSLSi->lChecked();
  m.tls = optSSLNo->lChecked();
  m.mailRH = txtRHMail->Value();
  if (todasLasEmpresas()) {
    for (const Row& r : m_empresas)
      MsgInfo(m_adm.GuardaConfiguracionMail(AllTrim(ToText(r.col(2))), m) ? kGuardados : kNoGuardados);
  } else {
    MsgInfo(m_adm.GuardaConfiguracionMail(empresa, m) ? kGuardados : kNoGuardados);
  }
}

// Page 3 ------------------------------------------------------------------------------------

void TAdministrador::cargaOtros() {
  for (const Switch& s : kSwitches)
    if (variable(s.key) == u"Si") (this->*s.box)->lChecked = true;
  if (variable("EmpresaAnterior") == u"Si") chkEmpTodas->lChecked = true;
}

void TAdministrador::btnGuardarOtrosClick() {
  const TIni ini(QStringLiteral("config.ini"));
  for (const Switch& s : kSwitches)
    if (!ini.SetEntry(QStringLiteral("VARIABLES"), QString::fromLatin1(s.key),
                      (this->*s.box)->lChecked() ? QStringLiteral("Si") : QStringLiteral("No"))) {
      // The folder takes no file now: the rest is left as it was, logo and signature too.
      MsgInfo(QStringLiteral("Error al guardar"));
      return;
    }
  if (!GuardaLogo()) return;  // its failure is already shown
  MsgInfo(QStringLiteral("Proceso Terminado"));
}

void TAdministrador::CargaLogo() {
  const Rows rows = m_adm.Logo(empresa);
  txtLogo->Value = rows.isEmpty() ? QString() : text(rows.row(1).col(1));
  txtFirma->Value = rows.isEmpty() ? QString() : text(rows.row(1).col(2));
}

bool TAdministrador::GuardaLogo() {
  const QString imagen = QStringLiteral("La ruta de la imagen");
  if (!cabe(txtLogo->Value(), kLargoRuta, imagen) || !cabe(txtFirma->Value(), kLargoRuta, imagen)) return false;
  if (m_adm.GuardaLogo(empresa, txtLogo->Value(), txtFirma->Value())) return true;
  MsgInfo(QStringLiteral("Error al guardar"));
  return false;
}

QString TAdministrador::ProblemaImagen(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile()) return QStringLiteral("No se encontró el archivo seleccionado");
  if (info.size() > kMaxImagen)
    return QStringLiteral("La imagen no debe medir más de %1 MB").arg(kMaxImagen / (1024 * 1024));
  QImageReader reader(path);
  if (!reader.canRead() || !reader.size().isValid())
    return QStringLiteral("El archivo seleccionado no es una imagen");
  return QString();
}

QString TAdministrador::eligeImagen(TEdit* field, const QString& titulo) {
  const QString path =
      FilePicker::Elige(this, {titulo,
                               {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.png"),
                                QStringLiteral("*.bmp"), QStringLiteral("*.JPG"), QStringLiteral("*.JPEG"),
                                QStringLiteral("*.PNG"), QStringLiteral("*.BMP")},
                               field->Value()});
  if (path.isEmpty()) return QString();
  const QString problema = ProblemaImagen(path);
  if (!problema.isEmpty()) {
    MsgInfo(problema);  // the field keeps its path
    return QString();
  }
  field->Value = path;
  return path;
}

void TAdministrador::btnBuscarLogoClick() { eligeImagen(txtLogo, QStringLiteral("Imagen Logo")); }
void TAdministrador::btnFirmaClick() { eligeImagen(txtFirma, QStringLiteral("Imagen Firma RH")); }

// Page 4 ------------------------------------------------------------------------------------

void TAdministrador::CargaPoliticas() {
  arregloPoliticas->SetArray(m_adm.Politicas(empresa));
  arregloPoliticas->Refresh();
}

void TAdministrador::arregloPoliticasaChange() {
  if (arregloPoliticas->Len() == 0) return;
  const Row r = arregloPoliticas->CurrentRow();
  txtIdPolitica->Value = AllTrim(ToText(r.col(2)));
  txtNombrePolitica->Value = text(r.col(3));
  txtRutaPolitica->Value = text(r.col(4));
  // A policy's identifier belongs to its company: it is changed for that company only.
  chkTodasLasEmpresas->lEnabled = false;
}

void TAdministrador::LimpiaPoliticas() {
  txtIdPolitica->Value = QStringLiteral("0");
  txtNombrePolitica->Value = QString();
  txtRutaPolitica->Value = QString();
}

void TAdministrador::btnNuevoClick() {
  LimpiaPoliticas();
  chkTodasLasEmpresas->lEnabled = true;
}

void TAdministrador::btnBuscaPoliticasClick() {
  const QString path = FilePicker::Elige(this, {QStringLiteral("Archivo de la política"), {}, txtRutaPolitica->Value()});
  if (path.isEmpty()) return;
  txtRutaPolitica->Value = path;
  if (!DocumentOpener::CanShow(path)) MsgInfo(DocumentOpener::SinVisorEnTerminales());
}

void TAdministrador::btnGuardarPolitcasClick() {
  const QString nombre = AllTrim(txtNombrePolitica->Value());
  const QString ruta = AllTrim(txtRutaPolitica->Value());
  if (nombre.isEmpty() || ruta.isEmpty()) {
    MsgInfo(QStringLiteral("Debe indicar el nombre y el archivo de la política"));
    return;
  }
  if (!cabe(nombre, kLargoNombrePolitica, QStringLiteral("El nombre de la política")) ||
      !cabe(ruta, kLargoRuta, QStringLiteral("El archivo de la política")))
    return;
  const QString id = AllTrim(txtIdPolitica->Value()).isEmpty() ? QStringLiteral("0") : AllTrim(txtIdPolitica->Value());
  if (!todasLasEmpresas()) {
    if (!m_adm.GuardaPolitica(empresa, id, nombre, ruta)) {
      MsgInfo(kSinCambios);
      return;
    }
    MsgInfo(kTerminado);
    CargaPoliticas();
    LimpiaPoliticas();
    return;
  }
  bool ok = true;
  for (const Row& r : m_empresas) ok = m_adm.GuardaPolitica(AllTrim(ToText(r.col(2))), id, nombre, ruta) && ok;
  if (!ok) MsgInfo(kSinCambios);
}

void TAdministrador::btnEliminarPoliticasClick() {
  const QString id = AllTrim(txtIdPolitica->Value());
  if (id.isEmpty() || id == u"0") {
    MsgInfo(kSeleccioneRegistro);
    return;
  }
  if (!m_adm.EliminaPolitica(empresa, id)) {
    MsgInfo(kSinCambios);
    return;
  }
  MsgInfo(kTerminado);
  CargaPoliticas();
  LimpiaPoliticas();
}

// Page 6 ------------------------------------------------------------------------------------

void TAdministrador::VerficaEmpresasRecibos() {
  const Rows rows = m_adm.EmpresasTodas();
  if (!rows.isEmpty()) chkEmpTodas->lChecked = AllTrim(ToText(rows.row(1).col(1))) != u"N";
}

void TAdministrador::Consolidar() {
  arregloConsolidar->SetArray(m_adm.Excepciones(true));
  arregloConsolidar->Refresh();
}

void TAdministrador::btnMArcarTodoClick() {
  auto* dlg = TForm::New<TExcepciones>(this, [this](TExcepciones& d) {
    d.CNX = CNX;
    d.empresa = empresa;
  });
  dlg->ShowModal();
  // Leaving the list without a choice adds nobody.
  if (!dlg->vempresa.isValid() || !dlg->vCodigo.isValid()) return;
  m_adm.MantenimientoConsolidar(dlg->vempresa, dlg->vCodigo);
  Consolidar();
}

void TAdministrador::btnDesmarcarClick() {
  const Row r = arregloConsolidar->CurrentRow();
  if (r.count() == 0) {
    MsgInfo(kSeleccioneRegistro);
    return;
  }
  m_adm.MantenimientoConsolidar(r.col(1), r.col(2));
  Consolidar();
}

void TAdministrador::btnConsolidarClick() {
  MsgInfo(m_adm.GuardaEmpresasTodas(chkEmpTodas->lChecked()) ? QStringLiteral("Información guardada.")
                                                              : QStringLiteral("La información no pudo ser guardada."));
}

void TAdministrador::btnSalirClick() { Close(); }
