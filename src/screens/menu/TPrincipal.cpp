#include "screens/menu/TPrincipal.h"

#include <QFile>

#include "app/AppData.h"
#include "data/TDataSource.h"
#include "data/ResultShapes.h"
#include "data/mdlConexion.h"
#include "data/mdlOperacion.h"
#include "screens/employee/TInformacionGeneral.h"
#include "screens/employee/TInformacionNomina.h"
#include "screens/login/TPassword.h"
#include "screens/login/TRegistro.h"
#include "screens/receipts/TRecibos.h"
#include "screens/reports/TPoliticas.h"
#include "screens/reports/TReportes.h"
#include "screens/requests/TAutorizaciones.h"
#include "screens/requests/TSolicitudes.h"
#include "printing/PrintJobs.h"
#include "screens/shared/TempFiles.h"
#include "screens/time/TAusentismos.h"
#include "screens/time/TFiltroVacaciones.h"
#include "screens/time/TTiempoExtra.h"
#include "toolkit/Controls.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/IdleLogout.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

TPrincipal::TPrincipal(QWidget* parent) : TForm(parent) {}

void TPrincipal::CreateForm() {
  SetBounds(264, 91, 1026, 740);
  SetClientSize(1010, 701);
  cText = QStringLiteral("ZELK Sistemas - Portal del Empleado");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  oIcon = Application::Icon();
  lParentIcon = false;
  lCentered = true;
  lCloseBox = false;
  OnInitialize = [this] { FormInitialize(); };
  OnClose = [this] { return FormClose(); };
  OnBeforeCreate = [this] { FormBeforeCreate(); };
  OnCreate = [this] { FormCreate(); };
  OnShow = [] {};

  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(0, 0, 1006, 694);
  oImage1->oPicture = QStringLiteral("portalDelEmpleado_MEnufinal");
  oImage1->lStretch = true;

  auto label = [this](const char* name, int x, int y, int w, int h, const QString& text) {
    TLabel* l = TLabel::New(oImage1, QString::fromLatin1(name));
    l->SetBounds(x, y, w, h);
    l->cText = text;
    return l;
  };
  oLabel1 = label("oLabel1", 752, 648, 159, 14, QStringLiteral("Ultima actualización: 26/01/2024"));
  oLabel1->nClrText = 16777215;
  oLabel1->lMultiline = true;
  lblEmpresa = label("lblEmpresa", 424, 12, 140, 21, QStringLiteral("Nombre Empresa"));
  lblEmpresa->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 12, 0, 700);
  lblEmpresa->nClrText = 0;
  lblEmpresa->lMultiline = false;  // one line: a long name widens it to the right, never moves it
  lblCodigo = label("lblCodigo", 120, 100, 62, 25, QStringLiteral("Codigo"));
  lblCodigo->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 14);
  lblCodigo->nClrText = 0;
  lblCodigo->lMultiline = false;
  lblNombre = label("lblNombre", 152, 136, 70, 25, QStringLiteral("Nombre"));
  lblNombre->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 14);
  lblNombre->nClrText = 0;
  lblNombre->lMultiline = false;

  auto button = [this](TBtnBmp*& b, const char* name, int x, int y, int w, int h, void (TPrincipal::*click)()) {
    b = TBtnBmp::New(oImage1, QString::fromLatin1(name));
    b->SetBounds(x, y, w, h);
    b->lFlat = true;
    b->lTabStop = false;  // touch buttons: no focus frame over the pictures
    b->OnClick = [this, click] { (this->*click)(); };
  };
  button(btnAutorizaciones, "btnAutorizaciones", 548, 40, 114, 118, &TPrincipal::btnAutorizacionesClick);
  button(btnPoliticas, "btnPoliticas", 676, 36, 98, 118, &TPrincipal::btnPoliticasClick);
  button(btnConducta, "btnConducta", 788, 44, 106, 98, &TPrincipal::btnConductaClick);
  button(btnCambiaPassword, "btnCambiaPassword", 904, 40, 90, 98, &TPrincipal::btnCambiaPasswordClick);
  button(btnVacaciones, "btnVacaciones", 36, 176, 190, 162, &TPrincipal::btnVacacionesClick);
  button(btnAusentismo, "btnAusentismo", 272, 176, 198, 170, &TPrincipal::btnAusentismoClick);
  button(btnRecibos, "btnRecibos", 524, 172, 198, 170, &TPrincipal::btnRecibosaClick);
  button(btnReportes, "btnReportes", 776, 176, 190, 170, &TPrincipal::btnReportesClick);
  button(btnTiempoExtra, "btnTiempoExtra", 44, 392, 194, 166, &TPrincipal::btnTiempoExtraClick);
  button(btnInformacionGeneral, "btnInformacionGeneral", 280, 392, 186, 162, &TPrincipal::btnInformacionGeneralClick);
  button(btnDatosNomina, "btnDatosNomina", 520, 384, 198, 174, &TPrincipal::btnDatosNominaClick);
  button(btnSolicitudes, "btnSolicitudes", 776, 384, 194, 174, &TPrincipal::btnSolicitudesClick);
  button(btnSalir, "btnSalir", 920, 596, 78, 74, &TPrincipal::btnSalirClick);
}

void TPrincipal::applyBoxes() {
  const QString v = TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("BotonesActivado"));
  const bool on = Text::AllTrim(v).toUpper() == u"SI";
  lMinimizeBox = on;
  lMaximizeBox = on;
  Refresh();
}

void TPrincipal::FormBeforeCreate() { applyBoxes(); }
void TPrincipal::FormCreate() { applyBoxes(); }

void TPrincipal::FormInitialize() {
  DatosEmpresa();
  RevisaPermisos();
  lblCodigo->cText = AppData.Codigo;
  lblNombre->cText = AppData.NombreTrabajador;
  obtenLogoEmpresa();
  AppData.oAdo->Execute(QStringLiteral("PortalEmpleadoInicializaConfiguracionVacaciones ") + AppData.Empresa);
  LlenaVariablesSupervisor();
  // A session left alone ends the way the exit button ends it.
  IdleLogout::SetHome(this, [this] { btnSalirClick(); });
}

void TPrincipal::DatosEmpresa() {
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("exec peGetCompanyInformation ") + AppData.Empresa);
  if (rows.isEmpty()) return;
  const Row& r = rows.row(1);
  lblEmpresa->cText = Text::ToText(r.col(1));
  AppData.NombreEmpresa = Text::ToText(r.col(1));
  AppData.RFCEmpresa = Text::ToText(r.col(2));
  AppData.RegistroPatronalEmpresa = Text::ToText(r.col(3));
  AppData.direccionEmpresa = Text::ToText(r.col(4));
  AppData.entidadEmpresa = Text::ToText(r.col(5));
}

void TPrincipal::RevisaPermisos() {
  mdlOperacion& op = *AppData.oOperacion;
  auto denied = [&op](const char* funcion, const char* opcion) {
    return Text::Val(op.permisoEmpleadoPerfil(QString::fromLatin1(funcion), QString::fromLatin1(opcion))) == 0;
  };
  if (denied("A", "A1")) btnVacaciones->lEnabled = false;
  if (denied("B", "B1")) btnAusentismo->lEnabled = false;
  if (Text::AllTrim(Text::ToText(op.permisoVerSueldos())) == u"N") btnRecibos->lEnabled = false;
  if (denied("C", "C1")) btnRecibos->lEnabled = false;
  if (denied("R", "R1")) btnReportes->lEnabled = false;
  if (denied("E", "E1")) btnTiempoExtra->lEnabled = false;
  if (denied("F", "F1")) btnInformacionGeneral->lEnabled = false;
  if (denied("G", "G1")) btnDatosNomina->lEnabled = false;
  // Any of the three request permissions opens both request screens.
  if (denied("H", "H1") && denied("H", "H2") && denied("H", "H3")) {
    btnSolicitudes->lEnabled = false;
    btnAutorizaciones->lEnabled = false;
  }
}

void TPrincipal::obtenLogoEmpresa() {
  const Rows rows = ResultShapes::RowsOf(
      QStringLiteral(" SELECT isnull(rutaImagen,''), isnull(rutaFirma,'') FROM PORTALEMPLEADOLOGO  where idempresa= ") +
      AppData.Empresa);
  if (rows.isEmpty()) return;
  AppData.imagenLogo = Text::AllTrim(Text::ToText(rows.row(1).col(1)));
  AppData.imagenFirma = Text::AllTrim(Text::ToText(rows.row(1).col(2)));
}

void TPrincipal::LlenaVariablesSupervisor() {
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("exec dbo.PortaEmpleado_MarcasAutorizaSup ") + empresa + u',' + AppData.Codigo);
  if (rows.isEmpty()) return;
  const Row& r = rows.row(1);
  AppData.gsAutorizaSupervisores = r.col(2);
  AppData.gsEnviaSolicitudCorreo = r.col(3);
  AppData.gsEmpleadoAutoriza = r.col(4);
  AppData.gsEmpleadoSupervisor = r.col(5);
}

template <class Screen>
void TPrincipal::AbreObjeto(bool withName) {
  auto* screen = TForm::New<Screen>(this, [this, withName](Screen& s) {
    s.CNX = CNX;
    s.empresa = empresa;
    s.codigo = AppData.Codigo;
    if (withName) s.NombreEmpleado = lblNombre->cText();
  });
  screen->ShowModal();
}

void TPrincipal::btnDatosNominaClick() { AbreObjeto<TInformacionNomina>(); }
void TPrincipal::btnInformacionGeneralClick() { AbreObjeto<TInformacionGeneral>(); }
void TPrincipal::btnTiempoExtraClick() { AbreObjeto<TTiempoExtra>(); }
void TPrincipal::btnAusentismoClick() { AbreObjeto<TAusentismos>(); }
void TPrincipal::btnRecibosaClick() { AbreObjeto<TRecibos>(); }
void TPrincipal::btnReportesClick() { AbreObjeto<TReportes>(); }
void TPrincipal::btnVacacionesClick() { AbreObjeto<TFiltroVacaciones>(true); }
void TPrincipal::btnPoliticasClick() { AbreObjeto<TPoliticas>(true); }

void TPrincipal::btnAutorizacionesClick() {
  TForm::New<TAutorizaciones>(this, [this](TAutorizaciones& s) {
    s.CNX = CNX;
    s.empresa = empresa;
  })->ShowModal();
}

void TPrincipal::btnSolicitudesClick() {
  TForm::New<TSolicitudes>(this, [this](TSolicitudes& s) {
    s.CNX = CNX;
    s.empresa = empresa;
  })->ShowModal();
}

void TPrincipal::btnCambiaPasswordClick() { CambiaPassword(); }

void TPrincipal::CambiaPassword() {
  if (!MsgNoYes(QStringLiteral("¿Desea cambiar su password ahora?"))) return;
  AbreObjeto<TPassword>();
}

void TPrincipal::btnConductaClick() {
  if (QFile::exists(QStringLiteral("Conducta.pdf"))) DocumentOpener::Open(QStringLiteral("Conducta.pdf"));
  else MsgInfo(QStringLiteral("No existe el archivo"));
}

void TPrincipal::btnSalirClick() {
  TempFiles::CloseViewersAndDelete();
  PrintJobs::CancelWaiting();
  AppData.oAdo->Execute(QStringLiteral(" exec PortalPatronBorraEmpresasSeleccionadas ") + AppData.oLlaveTemporal);
  Close();
  TForm::New<TRegistro>()->Show();
}

bool TPrincipal::FormClose() {
  if (AppData.oConexion) AppData.oConexion->CierraConexion();
  return true;
}
