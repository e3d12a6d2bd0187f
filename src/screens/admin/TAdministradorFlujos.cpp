// The approval-flow page of the administrator screen: workflow switches, flows, their
// approvers in order and their assigned employees, and the flow listings.
#include "app/AppData.h"
#include "data/TQuery.h"
#include "data/mdlOperacion.h"
#include "reports/GeneraFastReports.h"
#include "screens/admin/MarcaSeleccion.h"
#include "screens/admin/TAdministrador.h"
#include "screens/admin/TAgregaPersonasAsignadas.h"
#include "screens/admin/TEmpleadosDisponibles.h"
#include "screens/admin/TNuevoFlujo.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

namespace {

const QString kSinFlujo = QStringLiteral("Debe agregar un flujo");
const QString kSeleccioneFlujo = QStringLiteral("Seleccione un flujo");
const QString kErrorProceso = QStringLiteral("Error en el proceso");

TBtnBmp* flatButton(QWidget* parent, const char* name, int x, int y, int w, int h, const char* picture) {
  TBtnBmp* b = TBtnBmp::New(parent, QString::fromLatin1(name));
  b->SetBounds(x, y, w, h);
  b->lFlat = true;
  b->oBitmaps = QString::fromLatin1(picture);
  return b;
}

TBtnBmp* captionButton(QWidget* parent, const char* name, int x, int y, const QString& caption, const char* picture) {
  TBtnBmp* b = TBtnBmp::New(parent, QString::fromLatin1(name));
  b->SetBounds(x, y, 130, 42);
  b->cText = caption;
  b->oBitmaps = QString::fromLatin1(picture);
  return b;
}

}  // namespace

void TAdministrador::creaPaginaFlujos(TFolderPage* page) {
  grupoConfiguracion = TGroupBox::New(page, QStringLiteral("grupoConfiguracion"));
  grupoConfiguracion->SetBounds(4, 2, 894, 58);
  grupoConfiguracion->cText = QStringLiteral("Configuración");
  auto check = [this](const char* name, int x, int w, const QString& caption) {
    TCheckBox* c = TCheckBox::New(grupoConfiguracion, QString::fromLatin1(name));
    c->SetBounds(x, 24, w, 18);
    c->cText = caption;
    return c;
  };
  chkAutorizaPrimeroSupervisor = check("chkAutorizaPrimeroSupervisor", 24, 184, QStringLiteral("Autoriza primero el supervisor"));
  chkEnvioSolicitud = check("chkEnvioSolicitud", 212, 190, QStringLiteral("Envío de solicitud por E-mail"));
  chkAutorizaPorCorreo = check("chkAutorizaPorCorreo", 408, 150, QStringLiteral("Autoriza por correo"));
  chkAutorizaPorCorreo->Hide();
  lblURL = TLabel::New(grupoConfiguracion, QStringLiteral("lblURL"));
  lblURL->SetBounds(730, 26, 70, 14);
  lblURL->cText = QStringLiteral("URL del Sitio:");
  lblURL->Hide();
  txtURL = TEdit::New(grupoConfiguracion, QStringLiteral("txtURL"));
  txtURL->SetBounds(804, 24, 58, 20);
  txtURL->Hide();
  btnGuardarParametrosFlujo = captionButton(grupoConfiguracion, "btnGuardarParametrosFlujo", 580, 12,
                                            QStringLiteral("Guardar"), "guardar");
  btnGuardarParametrosFlujo->SetBounds(580, 12, 130, 42);
  btnGuardarParametrosFlujo->OnClick = [this] { btnGuardarParametrosFlujoClick(); };

  oGroupBox10 = TGroupBox::New(page, QStringLiteral("oGroupBox10"));
  oGroupBox10->SetBounds(4, 62, 890, 76);
  oGroupBox10->cText = QStringLiteral("Flujos");
  auto* l1 = TLabel::New(oGroupBox10, QStringLiteral("oLabel26"));
  l1->SetBounds(8, 20, 100, 14);
  l1->cText = QStringLiteral("Tipo de Solicitud");
  cmbTipoSolicitud = TComboBox::New(oGroupBox10, QStringLiteral("cmbTipoSolicitud"));
  cmbTipoSolicitud->SetBounds(112, 16, 150, 21);
  cmbTipoSolicitud->OnChange = [this](TComboBox*) { cmbTipoSolicitudChange(); };
  auto* l2 = TLabel::New(oGroupBox10, QStringLiteral("oLabel27"));
  l2->SetBounds(8, 48, 100, 14);
  l2->cText = QStringLiteral("Flujo de Solicitud");
  cmbFlujo = TComboBox::New(oGroupBox10, QStringLiteral("cmbFlujo"));
  cmbFlujo->SetBounds(112, 44, 282, 21);
  cmbFlujo->OnChange = [this](TComboBox*) { cmbFlujoChange(); };
  btnAgregarFlujoNuevo = captionButton(oGroupBox10, "btnAgregarFlujoNuevo", 432, 20, QStringLiteral("Nuevo Flujo"), "perfilmas");
  btnAgregarFlujoNuevo->OnClick = [this] { btnAgregarFlujoNuevoClick(); };
  btnModificarNombreFlujo =
      captionButton(oGroupBox10, "btnModificarNombreFlujo", 578, 20, QStringLiteral("Modificar Nombre "), "editar");
  btnModificarNombreFlujo->OnClick = [this] { btnModificarNombreFlujoaClick(); };
  btnReporteFlujos = TButton::New(oGroupBox10, QStringLiteral("btnReporteFlujos"));
  btnReporteFlujos->SetBounds(724, 20, 130, 42);
  btnReporteFlujos->cText = QStringLiteral("Reporte ");
  btnReporteFlujos->OnClick = [this](TButton*) { btnReporteFlujosClick(); };

  autorizan = TGroupBox::New(page, QStringLiteral("autorizan"));
  autorizan->SetBounds(4, 140, 418, 226);
  autorizan->cText = QStringLiteral("Personas que autorizan:");
  arregloAutorizan = TArrayBrowse::New(autorizan, QStringLiteral("arregloAutorizan"));
  arregloAutorizan->SetBounds(8, 20, 362, 198);
  arregloAutorizan->nRowHeight = 28;
  arregloAutorizan->nMarqueeStyle = 4;
  arregloAutorizan->nRowDividerStyle = 4;
  TArrayBrwColumn* c = arregloAutorizan->AddColumn(QStringLiteral("Empresa"), 60);
  c->cPicture = QStringLiteral("9999999999");
  c->lHide = true;
  c = arregloAutorizan->AddColumn(QStringLiteral("TipoSol"), 40);
  c->cPicture = QStringLiteral("999");
  c->lHide = true;
  c = arregloAutorizan->AddColumn(QStringLiteral("Código"), 80);
  c->cPicture = QStringLiteral("9999999999");
  arregloAutorizan->AddColumn(QStringLiteral("Nombre"), 200);
  arregloAutorizan->AddColumn(QStringLiteral("Orden"), 50)->nAlignment = 2;
  btnMasAutorizan = flatButton(autorizan, "btnMasAutorizan", 372, 16, 38, 38, "masFlujo");
  btnMasAutorizan->OnClick = [this] { btnMasAutorizanClick(); };
  btnMenosFlujo = flatButton(autorizan, "btnMenosFlujo", 372, 56, 38, 38, "menosFlujo");
  btnMenosFlujo->OnClick = [this] { btnMenosFlujoClick(); };
  btnFlujoSubir = flatButton(autorizan, "btnFlujoSubir", 372, 132, 38, 42, "fechaarriba");
  btnFlujoSubir->OnClick = [this] { btnFlujoSubirClick(); };
  btnAbajoFlujo = flatButton(autorizan, "btnAbajoFlujo", 372, 176, 38, 34, "fechaabajo");
  btnAbajoFlujo->OnClick = [this] { btnAbajoFlujoClick(); };

  asignado = TGroupBox::New(page, QStringLiteral("asignado"));
  asignado->SetBounds(428, 140, 470, 226);
  asignado->cText = QStringLiteral("Personas asignadas al flujo seleccionado:");
  arregloAsignado = TArrayBrowse::New(asignado, QStringLiteral("arregloAsignado"));
  arregloAsignado->SetBounds(12, 16, 418, 198);
  arregloAsignado->nRowHeight = 28;
  arregloAsignado->nMarqueeStyle = 4;
  arregloAsignado->nRowDividerStyle = 4;
  arregloAsignado->AddColumn(QStringLiteral("Empresa"), 56)->cPicture = QStringLiteral("99999999");
  arregloAsignado->AddColumn(QStringLiteral("Código"), 76)->cPicture = QStringLiteral("9999999999");
  arregloAsignado->AddColumn(QStringLiteral("Nombre"), 178);
  arregloAsignado->AddColumn(QStringLiteral("TipoSol"), 30)->lHide = true;
  arregloAsignado->AddColumn(QStringLiteral("IdFlujo"), 30)->lHide = true;
  c = arregloAsignado->AddColumn(QStringLiteral("Seleccion"), 70);
  c->nAlignment = 6;
  MarcaSeleccion::Prepara(c);
  c->OnDataDblClick = [this](TArrayBrwColumn*) { arregloAsignadoColumn6DataDblClick(); };
  btnAgregarAsignadas = flatButton(asignado, "btnAgregarAsignadas", 432, 16, 34, 38, "masFlujo");
  btnAgregarAsignadas->OnClick = [this] { btnAgregarAsignadasClick(); };
  btnMenosAsignadas = flatButton(asignado, "btnMenosAsignadas", 432, 56, 34, 38, "menosFlujo");
  btnMenosAsignadas->OnClick = [this] { btnMenosAsignadasClick(); };
}

int TAdministrador::ObtenIdTipoSolicitud(const QString& nombre) {
  const QString n = AllTrim(nombre);
  if (n == u"VACACIONES") return 1;
  if (n == u"PERMISOS") return 2;
  if (n == u"PRESTAMOS") return 3;
  if (n == u"TIEMPO EXTRA") return 4;
  return 0;
}

QString TAdministrador::cmbTipoSolicitud_text() const { return cmbTipoSolicitud->cText(); }

QString TAdministrador::NombreFlujo() const {
  // The placeholder shown while the type has no flow is not a flow.
  if (cmbFlujo->nIndex() == 0 || cmbFlujo->cText() == kSinFlujo) return QString();
  return AllTrim(cmbFlujo->cText());
}

QString TAdministrador::IdFlujo() {
  const QString nombre = NombreFlujo();
  return nombre.isEmpty() ? QStringLiteral("0") : m_adm.IdFlujo(empresa, TipoSolicitud(), nombre);
}

void TAdministrador::CargaConfiguracionParametrosFlujo() {
  arregloAutorizan->SetArray(Rows());
  arregloAsignado->SetArray(Rows());
  chkAutorizaPrimeroSupervisor->lChecked = false;
  chkEnvioSolicitud->lChecked = false;
  chkAutorizaPorCorreo->lChecked = false;
  txtURL->Value = QString();
  const Rows rows = m_adm.ConfiguracionFlujo(empresa);
  if (!rows.isEmpty()) {
    const Row& r = rows.row(1);
    chkAutorizaPrimeroSupervisor->lChecked = AllTrim(ToText(r.col(2))) == u"1";
    chkEnvioSolicitud->lChecked = AllTrim(ToText(r.col(3))) == u"1";
    chkAutorizaPorCorreo->lChecked = AllTrim(ToText(r.col(4))) == u"1";
    txtURL->Value = AllTrim(ToText(r.col(5)));
  }
  Flujos();
  PersonasAutorizan();
  PersonasEnFlujo();
}

void TAdministrador::Flujos() {
  const Rows rows = AppData.oOperacion->cargaFlujos(TipoSolicitud(), empresa);
  QStringList names;
  for (const Row& r : rows) names << Text::RTrim(ToText(r.col(4)));
  if (names.isEmpty()) {
    cmbFlujo->SetItems({kSinFlujo});
    return;
  }
  cmbFlujo->SetItems(names);
  cmbFlujo->nIndex = 1;
}

void TAdministrador::PersonasAutorizan() {
  const QString flujo = IdFlujo();
  arregloAutorizan->SetArray(flujo == u"0" ? Rows()
                                           : AppData.oOperacion->cargaPersonasAutorizan(TipoSolicitud(), flujo, empresa));
  arregloAutorizan->Refresh();
}

void TAdministrador::PersonasEnFlujo() {
  const QString flujo = IdFlujo();
  Rows rows = flujo == u"0" ? Rows() : AppData.oOperacion->cargaPersonasEnFlujo(TipoSolicitud(), flujo, empresa);
  for (Row& r : rows) {
    r.values = r.values.mid(0, 5);
    r.setCol(6, MarcaSeleccion::kNoMarcado);
  }
  arregloAsignado->SetArray(rows);
  arregloAsignado->Refresh();
}

void TAdministrador::cmbTipoSolicitudChange() {
  if (cmbTipoSolicitud->nIndex() == 0) return;
  Flujos();
  PersonasAutorizan();
  PersonasEnFlujo();
}

void TAdministrador::cmbFlujoChange() {
  PersonasAutorizan();
  PersonasEnFlujo();
}

void TAdministrador::btnGuardarParametrosFlujoClick() {
  // Trimmed here, so that leading blanks never push the address past what the server keeps.
  const QString url = AllTrim(txtURL->Value());
  if (!cabe(url, kLargoURL, QStringLiteral("La URL del sitio"))) return;
  const bool ok = m_adm.GuardaConfiguracionFlujo(empresa, chkAutorizaPrimeroSupervisor->lChecked(),
                                                 chkEnvioSolicitud->lChecked(), chkAutorizaPorCorreo->lChecked(), url);
  MsgInfo(ok ? QStringLiteral("Datos guardados") : QStringLiteral("Los datos no pudieron ser guardados"));
}

void TAdministrador::btnAgregarFlujoNuevoClick() {
  auto* dlg = TForm::New<TNuevoFlujo>(this, [this](TNuevoFlujo& d) {
    d.CNX = CNX;
    d.empresa = empresa;
    d.nombreSolicitud = AllTrim(cmbTipoSolicitud->cText());
    d.tipoSolicitud = QString::number(TipoSolicitud());
    d.accion = QStringLiteral("Insertar");
  });
  dlg->ShowModal();
  Flujos();
  if (!NombreFlujo().isEmpty()) cmbFlujo->nIndex = cmbFlujo->Len();
  PersonasAutorizan();
  PersonasEnFlujo();
}

void TAdministrador::btnModificarNombreFlujoaClick() {
  if (NombreFlujo().isEmpty()) {
    MsgInfo(kSeleccioneFlujo);
    return;
  }
  const QString nombre = NombreFlujo();
  const QString id = IdFlujo();
  auto* dlg = TForm::New<TNuevoFlujo>(this, [&](TNuevoFlujo& d) {
    d.CNX = CNX;
    d.empresa = empresa;
    d.nombreSolicitud = AllTrim(cmbTipoSolicitud->cText());
    d.tipoSolicitud = QString::number(TipoSolicitud());
    d.accion = QStringLiteral("Modificar");
    d.nombreFlujo = nombre;
    d.idFlujo = id;
  });
  dlg->ShowModal();
  Flujos();
  PersonasAutorizan();
  PersonasEnFlujo();
}

void TAdministrador::btnMasAutorizanClick() {
  if (NombreFlujo().isEmpty()) {
    MsgInfo(kSeleccioneFlujo);
    return;
  }
  const QString id = IdFlujo();
  auto* dlg = TForm::New<TEmpleadosDisponibles>(this, [&](TEmpleadosDisponibles& d) {
    d.CNX = CNX;
    d.empresa = empresa;
    d.idFlujo = id;
    d.idTipoSolicitud = QString::number(TipoSolicitud());
  });
  dlg->ShowModal();
  PersonasAutorizan();
}

void TAdministrador::btnMenosFlujoClick() {
  if (arregloAutorizan->Len() == 0) {
    MsgInfo(kSeleccioneRegistro);
    return;
  }
  if (NombreFlujo().isEmpty()) {
    MsgInfo(kSeleccioneFlujo);
    return;
  }
  const Row r = arregloAutorizan->CurrentRow();
  if (!m_adm.EliminaAprobador(empresa, TipoSolicitud(), r.col(3), IdFlujo())) {
    MsgInfo(kErrorProceso);
    return;
  }
  MsgInfo(QStringLiteral("Registro eliminado"));
  PersonasAutorizan();
}

void TAdministrador::MueveAprobador(int paso) {
  const int r = arregloAutorizan->nArrayAt();
  const int n = r + paso;
  // The first approver cannot go up nor the last one down.
  if (r < 1 || n < 1 || n > arregloAutorizan->Len()) return;
  const Rows rows = arregloAutorizan->aArrayData();
  const Row& fila = rows.row(r);
  const Row& vecino = rows.row(n);
  const QString flujo = IdFlujo();
  const int tipo = TipoSolicitud();
  bool ok = m_adm.NuevoOrden(empresa, tipo, fila.col(3), vecino.col(5), flujo);
  if (ok && !m_adm.NuevoOrden(empresa, tipo, vecino.col(3), fila.col(5), flujo)) {
    // Undo the first half so that no two approvers share a step.
    m_adm.NuevoOrden(empresa, tipo, fila.col(3), fila.col(5), flujo);
    ok = false;
  }
  if (!ok) MsgInfo(kErrorProceso);
  PersonasAutorizan();
  PersonasEnFlujo();
  if (ok) arregloAutorizan->nArrayAt = n;  // the moved approver stays selected
}

void TAdministrador::btnAgregarAsignadasClick() {
  if (NombreFlujo().isEmpty()) {
    MsgInfo(kSeleccioneFlujo);
    return;
  }
  const QString id = IdFlujo();
  auto* dlg = TForm::New<TAgregaPersonasAsignadas>(this, [&](TAgregaPersonasAsignadas& d) {
    d.CNX = CNX;
    d.empresa = empresa;
    d.idflujo = id;
    d.idTipoSolicitud = QString::number(TipoSolicitud());
  });
  dlg->ShowModal();
  PersonasAutorizan();
  PersonasEnFlujo();
}

void TAdministrador::arregloAsignadoColumn6DataDblClick() { MarcaSeleccion::Alterna(arregloAsignado); }

void TAdministrador::btnMenosAsignadasClick() {
  if (arregloAsignado->Len() == 0) {
    MsgInfo(kSeleccioneRegistro);
    return;
  }
  if (NombreFlujo().isEmpty()) {
    MsgInfo(kSeleccioneFlujo);
    return;
  }
  const QString flujo = IdFlujo();
  bool ok = true;
  for (const Row& r : arregloAsignado->aArrayData())
    if (MarcaSeleccion::Marcado(r)) ok = m_adm.EliminaDeFlujo(r.col(1), r.col(2), flujo, TipoSolicitud()) && ok;
  MsgInfo(ok ? QStringLiteral("Proceso terminado") : kErrorProceso);
  PersonasEnFlujo();
}

void TAdministrador::btnReporteFlujosClick() {
  const int tipo = TipoSolicitud();
  QString plantilla;
  if (tipo == 1) plantilla = QStringLiteral("rptReporteDeFlujos_Vacaciones.fr3");
  else if (tipo == 2) plantilla = QStringLiteral("rptReporteDeFlujos_Ausentismo.fr3");
  else if (tipo == 3) plantilla = QStringLiteral("rptReporteDeFlujos_Prestamos.fr3");
  else return;
  auto query = std::make_shared<TQuery>(AppData.oAdo, QStringLiteral("GENERAL"), mdlAdministracion::ListadoFlujos(empresa, tipo));
  if (query->RecCount() == 0) {
    MsgInfo(QStringLiteral("El Reporte no puede ser generado, no se encontro información."));
    return;
  }
  GeneraFastReports(plantilla, ReportSource(), ReportSource(query), false,
                    {{QStringLiteral("ZELK"), QStringLiteral("NombreE"), Text::Quoted(cmbEmpresas->cText())}});
  query->Close();
}
