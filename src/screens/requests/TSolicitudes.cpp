#include "screens/requests/TSolicitudes.h"

#include <QPalette>

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/StatementValues.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "data/mdlOperacion.h"
#include "reports/GeneraFastReports.h"
#include "screens/requests/TSolicitarDetalle.h"
#include "screens/shared/BalancePanels.h"
#include "screens/shared/TiposSolicitud.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

TSolicitudes::TSolicitudes(QWidget* parent) : TSessionForm(parent) {}
TSolicitudes::~TSolicitudes() = default;

void TSolicitudes::CreateForm() {
  SetBounds(322, 131, 890, 601);
  SetClientSize(874, 562);
  cText = QStringLiteral("Solicitudes");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  const QFont font10 = TFont::Create(QStringLiteral("MS Sans Serif"), 10);
  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(0, 0, 862, 554);
  oImage1->oPicture = QStringLiteral("Solicitudes");

  auto label = [&font10](QWidget* parent, const char* name, int x, int y, int w, int h, const QString& text) {
    TLabel* l = TLabel::New(parent, QString::fromLatin1(name));
    l->SetBounds(x, y, w, h);
    l->cText = text;
    l->oFont = font10;
    return l;
  };

  oGroupBox3 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox3"));
  oGroupBox3->SetBounds(8, 64, 442, 58);
  oLabel6 = label(oImage1, "oLabel6", 28, 88, 105, 17, QStringLiteral("Tipo de Solicitud:"));
  cmbTipoSolicitud = TComboBox::New(oImage1, QStringLiteral("cmbTipoSolicitud"));
  cmbTipoSolicitud->SetBounds(156, 84, 214, 21);
  cmbTipoSolicitud->OnChange = [this] { cmbTipoSolicitudChange(); };

  oGroupBox1 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(8, 128, 442, 182);
  oLabel4 = label(oGroupBox1, "oLabel4", 16, 18, 120, 17, QStringLiteral("Solicitudes Abiertas"));
  cmbSolicitudes = TComboBox::New(oGroupBox1, QStringLiteral("cmbSolicitudes"));
  cmbSolicitudes->SetBounds(144, 16, 214, 21);
  cmbSolicitudes->OnChange = [this] { cmbSolicitudesChange(); };
  oLabel3 = label(oGroupBox1, "oLabel3", 16, 54, 118, 17, QStringLiteral("Estatus de Solicitud"));
  txtEstatus = TMaskEdit::New(oGroupBox1, QStringLiteral("txtEstatus"));
  txtEstatus->SetBounds(144, 52, 214, 20);
  txtEstatus->lEnabled = false;
  lblDiasSolicitados = label(oGroupBox1, "lblDiasSolicitados", 16, 94, 99, 17, QStringLiteral("Días Solicitados"));
  txtDiasSolicitados = TMaskEdit::New(oGroupBox1, QStringLiteral("txtDiasSolicitados"));
  txtDiasSolicitados->SetBounds(144, 92, 90, 20);
  txtDiasSolicitados->lEnabled = false;
  lblImporte = label(oGroupBox1, "lblImporte", 16, 92, 46, 17, QStringLiteral("Importe"));
  txtImporte = TMaskEdit::New(oGroupBox1, QStringLiteral("txtImporte"));
  txtImporte->SetBounds(144, 91, 90, 20);
  txtImporte->nAlignment = 2;
  txtImporte->cPicture = QStringLiteral("99999999.99");
  txtImporte->nMaxLength = 11;
  txtImporte->Value = QStringLiteral("0");
  oLabel5 = label(oGroupBox1, "oLabel5", 16, 139, 114, 17, QStringLiteral("Motivo de Solicitud"));
  txtMotivo = TEdit::New(oGroupBox1, QStringLiteral("txtMotivo"));
  txtMotivo->SetBounds(144, 128, 214, 46);
  txtMotivo->lMultiline = true;
  txtMotivo->lEnabled = false;

  // The detail is shown, not typed into: disabled, with the dark text of an enabled field.
  for (TEdit* e : {static_cast<TEdit*>(txtEstatus), static_cast<TEdit*>(txtDiasSolicitados), txtMotivo}) {
    QPalette shown = e->Editor()->palette();
    shown.setColor(QPalette::Disabled, QPalette::Text, shown.color(QPalette::Active, QPalette::Text));
    e->Editor()->setPalette(shown);
  }

  auto button = [this](TBtnBmp*& b, const char* name, int y, const char* picture) {
    b = TBtnBmp::New(oGroupBox1, QString::fromLatin1(name));
    b->SetBounds(380, y, 58, 42);
    b->oBitmaps = QString::fromLatin1(picture);
  };
  button(btnNueva, "btnNueva", 12, "perfilmas");
  btnNueva->OnClick = [this] { btnNuevaClick(); };
  button(btnBorrar, "btnBorrar", 58, "perfilmenos");
  btnBorrar->OnClick = [this] { btnBorrarClick(); };
  // No caption and no picture of its own: the key face is drawn on the background beneath.
  button(btnImprimir, "btnImprimir", 104, "");
  btnImprimir->lFlat = true;
  btnImprimir->OnClick = [this] { btnImprimirClick(); };

  oGroupBox2 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox2"));
  oGroupBox2->SetBounds(8, 312, 742, 182);
  oGroupBox2->cText = QStringLiteral("Progreso de las Solicitudes");
  arregloProgreso = TArrayBrowse::New(oGroupBox2, QStringLiteral("arregloProgreso"));
  arregloProgreso->SetBounds(12, 20, 722, 150);
  arregloProgreso->lRecordSelector = true;
  arregloProgreso->nRowDividerStyle = 4;
  arregloProgreso->nMarqueeStyle = 4;
  TArrayBrwColumn* estatus = arregloProgreso->AddColumn(QStringLiteral("Estatus"), 98);
  estatus->nAlignment = 64;
  estatus->aBitmaps = {QStringLiteral("transparente"), QStringLiteral("darkGreen"), QStringLiteral("darkRed"),
                       QStringLiteral("lightYellow")};
  estatus->bBmpData = [](const Row& r) { return static_cast<int>(Text::Val(r.col(1))); };
  estatus->lBmpOnly = true;
  estatus->nBmpSize = QSize(20, 20);
  arregloProgreso->AddColumn(QStringLiteral("Comentario"), 453)->nAlignment = 64;
  arregloProgreso->AddColumn(QString(), 57)->lHide = true;
  arregloProgreso->AddColumn(QString(), 57)->lHide = true;

  saldos = std::make_unique<BalancePanels>(oImage1, BalancePanels::Arrangement::Stacked);

  btnSalir = TBtnBmp::New(oImage1, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(764, 460, 66, 74);
  btnSalir->lFlat = true;
  btnSalir->OnClick = [this] { Close(); };
}

void TSolicitudes::FormInitialize() { inicializa(); }

void TSolicitudes::inicializa() {
  buscaOpcion();
  Saldos();
  CargaTipoSolicitudes();
  cmbTipoSolicitudChange();
  CargaConfiguracionMail();
}

void TSolicitudes::buscaOpcion() {
  saldos->buscaOpcion(empresa);
  opcion = saldos->opcion;
}

void TSolicitudes::Saldos() { saldos->CargaDiasSaldo(); }

void TSolicitudes::CargaTipoSolicitudes() {
  cmbTipoSolicitud->Reset();
  mdlOperacion& op = *AppData.oOperacion;
  const char* const opciones[] = {"H1", "H2", "H3"};
  for (int tipo = 1; tipo <= 3; ++tipo) {
    // Only the first type the profile permits is offered.
    if (Text::Val(op.permisoEmpleadoPerfil(QStringLiteral("H"), QString::fromLatin1(opciones[tipo - 1]))) != 0) {
      cmbTipoSolicitud->AddItem(TiposSolicitud::Nombre(tipo));
      break;
    }
  }
  cmbTipoSolicitud->nIndex = 1;
}

int TSolicitudes::ObtenIdTipoSolicitud(const QString& texto) { return TiposSolicitud::ObtenId(texto); }

int TSolicitudes::tipoSeleccionado() const { return ObtenIdTipoSolicitud(cmbTipoSolicitud->cText()); }

void TSolicitudes::ListadoSolicitudes() {
  cmbSolicitudes->Reset();
  const Rows rows = ResultShapes::RowsOf(QStringLiteral(" EXEC dbo.PortaEmpleado_ListadoSolicitudes ") +
                                         StatementValues::Held(AppData.Empresa) + u',' + StatementValues::Held(AppData.Codigo) +
                                         u',' + QString::number(tipoSeleccionado()));
  for (const Row& r : rows)
    cmbSolicitudes->AddItem(AllTrim(TiposSolicitud::IdTexto(r.col(2))) + QStringLiteral(" - ") + AllTrim(ToText(r.col(1))));
}

QString TSolicitudes::ObtenIdSolicitud(const QString& texto) { return texto.section(u'-', 0, 0); }

QString TSolicitudes::idSeleccionado() const { return StatementValues::Held(ObtenIdSolicitud(cmbSolicitudes->cText())); }

void TSolicitudes::DetalleSolicitud() {
  if (cmbSolicitudes->nIndex() == 0) return;
  txtEstatus->Value = QString();
  txtMotivo->Value = QString();
  txtDiasSolicitados->Value = QStringLiteral("0");
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("EXEC dbo.PortaEmpleado_DetalleSolicitud ") +
                                         idSeleccionado());
  if (rows.isEmpty()) return;
  const Row& r = rows.row(1);
  txtDiasSolicitados->Value = AllTrim(ToText(r.col(1)));
  txtImporte->Value = AllTrim(ToText(r.col(3)));
  txtEstatus->Value = AllTrim(ToText(r.col(4)));
  txtMotivo->Value = AllTrim(ToText(r.col(5)));
}

int TSolicitudes::ImagenEstatus(const QVariant& estatus) {
  const QString s = ToText(estatus);
  if (s.startsWith(u'A')) return 2;
  if (s.startsWith(u'R')) return 3;
  if (s.startsWith(u'P')) return 4;
  return 1;
}

void TSolicitudes::ProgresoSolicitud() {
  if (cmbSolicitudes->nIndex() == 0) return;
  arregloProgreso->SetArray(Rows());
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("EXEC dbo.PortaEmpleado_ProgresoSolicitud ") +
                                         idSeleccionado());
  Rows grid;
  for (const Row& r : rows) grid.append(Row(ImagenEstatus(r.col(1)), ToText(r.col(2)), r.col(3), r.col(4)));
  arregloProgreso->SetArray(grid);
}

void TSolicitudes::CargaConfiguracionMail() { correo.Carga(empresa); }

void TSolicitudes::cmbSolicitudesChange() {
  DetalleSolicitud();
  ProgresoSolicitud();
}

void TSolicitudes::cmbTipoSolicitudChange() {
  arregloProgreso->SetArray(Rows());
  txtEstatus->Value = QString();
  txtDiasSolicitados->Value = QStringLiteral("0");
  txtMotivo->Value = QString();
  const QString tipo = cmbTipoSolicitud->cText();
  const bool dias = tipo == u"VACACIONES" || tipo == u"PERMISOS";
  txtImporte->lVisible = !dias;
  lblImporte->lVisible = !dias;
  txtDiasSolicitados->lVisible = dias;
  lblDiasSolicitados->lVisible = dias;
  ListadoSolicitudes();
  DetalleSolicitud();
  ProgresoSolicitud();
}

QString TSolicitudes::diasDisponibles() const { return saldos->Disponibles(); }

void TSolicitudes::btnNuevaClick() {
  const QString maximo = diasDisponibles();
  TForm::New<TSolicitarDetalle>(this, [this, &maximo](TSolicitarDetalle& s) {
    s.CNX = CNX;
    s.empresa = empresa;
    s.tipoSolicitud = tipoSeleccionado();
    s.DiasMaximosASolicitar = maximo;
  })->ShowModal();
  ListadoSolicitudes();
  DetalleSolicitud();
  ProgresoSolicitud();
}

void TSolicitudes::btnBorrarClick() {
  if (cmbSolicitudes->nIndex() == 0) return;  // nothing selected to cancel
  const QString id = idSeleccionado();
  // A request decided meanwhile is refused by the database and shown by the data source.
  const bool cancelada = AppData.oAdo->Execute(QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus ") + id +
                                               QStringLiteral(",1,'N','CANCELADA POR EL USUARIO'"));
  ListadoSolicitudes();
  DetalleSolicitud();
  ProgresoSolicitud();
  if (cancelada) MsgInfo(QStringLiteral("Solicitud cancelada"));
}

void TSolicitudes::GeneraFormatoVacaciones() {
  if (cmbSolicitudes->nIndex() == 0) return;  // no request to print
  const QString disponibles = diasDisponibles();
  TQuery datos(AppData.oAdo, QStringLiteral("GENERAL"),
               QStringLiteral(" exec peSolicitudVacaciones ") + StatementValues::Held(empresa) + u',' +
                   StatementValues::Held(AppData.Codigo));
  const int tipo = tipoSeleccionado();
  const QString zelk = QStringLiteral("ZELK");
  ReportVariables variables = {
      {zelk, QStringLiteral("NombreE"), Text::Quoted(AppData.NombreEmpresa)},
      {zelk, QStringLiteral("RegPatE"), Text::Quoted(AppData.RegistroPatronalEmpresa)},
      {zelk, QStringLiteral("RFCE"), Text::Quoted(AppData.RFCEmpresa)},
      {zelk, QStringLiteral("Codigo"), Text::Quoted(AppData.Codigo)},
      {zelk, QStringLiteral("NombreTrabajador"), Text::Quoted(AppData.NombreTrabajador)},
      {zelk, QStringLiteral("DiasAntiguedad"), Text::Quoted(AllTrim(disponibles))},
      {zelk, QStringLiteral("DiasSolicita"), Text::Quoted(AllTrim(txtDiasSolicitados->Value()))},
      {zelk, QStringLiteral("Apartir"), Text::Quoted(cmbSolicitudes->cText().section(u'-', 1))},
      {zelk, QStringLiteral("Logo"), Text::Quoted(AllTrim(AppData.imagenLogo))},
      {zelk, QStringLiteral("ImporteSolicita"), Text::Quoted(AllTrim(txtImporte->Value()))},
      {zelk, QStringLiteral("Firma"), Text::Quoted(AllTrim(AppData.imagenFirma))},
      {zelk, QStringLiteral("Motivo"), Text::Quoted(AllTrim(txtMotivo->Value()))},
  };
  if (const QString titulo = TiposSolicitud::Titulo(tipo); !titulo.isEmpty())
    variables.append({zelk, QStringLiteral("titulo"), titulo});
  variables.append({zelk, QStringLiteral("tipo"), Text::Quoted(QString::number(tipo))});
  GeneraFastReports(QStringLiteral("rptSolicitudVacacionesIDSolicitud.fr3"), ReportSource(), ReportSource(datos), false,
                    variables);
  datos.Close();
}
