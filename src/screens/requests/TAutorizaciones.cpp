#include "screens/requests/TAutorizaciones.h"

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/StatementValues.h"
#include "data/TDataSource.h"
#include "screens/requests/TInformacionEmpleado.h"
#include "screens/requests/TMotivoRechazo.h"
#include "screens/shared/AvisoSolicitud.h"
#include "screens/shared/TiposSolicitud.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

namespace {

// The start date as the grid shows it: DD/MM/YYYY from an ISO date or a date value.
QString fechaDDMMYYYY(const QVariant& v) {
  if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime) return v.toDate().toString(u"dd/MM/yyyy");
  const QString t = AllTrim(ToText(v));
  const QDate d = QDate::fromString(t.left(10), u"yyyy-MM-dd");
  return d.isValid() ? d.toString(u"dd/MM/yyyy") : t;
}

}  // namespace

void TAutorizaciones::CreateForm() {
  SetBounds(325, 128, 886, 608);
  SetClientSize(870, 569);
  cText = QStringLiteral("Autorizaciones de Solicitudes");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  const QFont font10 = TFont::Create(QStringLiteral("MS Sans Serif"), 10);
  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(0, 0, 862, 558);
  oImage1->oPicture = QStringLiteral("Autorizacion");

  oLabel6 = TLabel::New(oImage1, QStringLiteral("oLabel6"));
  oLabel6->SetBounds(64, 96, 105, 17);
  oLabel6->cText = QStringLiteral("Tipo de Solicitud:");
  oLabel6->oFont = font10;
  oLabel6->lVisible = false;  // lies under the type frame, which covers it

  oGroupBox3 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox3"));
  oGroupBox3->SetBounds(12, 68, 830, 58);
  oLabel7 = TLabel::New(oGroupBox3, QStringLiteral("oLabel7"));
  oLabel7->SetBounds(28, 20, 105, 17);
  oLabel7->cText = QStringLiteral("Tipo de Solicitud:");
  oLabel7->oFont = font10;
  cmbTipoSolicitud = TComboBox::New(oGroupBox3, QStringLiteral("cmbTipoSolicitud"));
  cmbTipoSolicitud->SetBounds(144, 16, 214, 21);
  btnBuscar = TBtnBmp::New(oGroupBox3, QStringLiteral("btnBuscar"));
  btnBuscar->SetBounds(376, 12, 90, 34);
  btnBuscar->cText = QStringLiteral("Buscar");
  btnBuscar->oBitmaps = QStringLiteral("buscar2");
  btnBuscar->OnClick = [this] { btnBuscarClick(); };

  oGroupBox4 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox4"));
  oGroupBox4->SetBounds(12, 132, 830, 318);
  arregloDAtos = TArrayBrowse::New(oGroupBox4, QStringLiteral("arregloDAtos"));
  arregloDAtos->SetBounds(4, 8, 818, 262);
  arregloDAtos->lRecordSelector = true;
  arregloDAtos->nRowDividerStyle = 4;
  arregloDAtos->nMarqueeStyle = 4;
  struct ColumnDef {
    const char* header;
    int width;
    int alignment;
  };
  const ColumnDef columns[] = {
      {"idSolicitud", 57, 0}, {"Empleado", 80, 66}, {"Nombre", 150, 64}, {"Fecha Solicitud", 90, 66},
      {"Días", 60, 66},       {"Importe", 63, 66},  {"Motivo", 150, 64}, {"Orden", 40, 0},
      {"Empresa", 57, 0},     {"saldo", 63, 0},
  };
  for (const ColumnDef& c : columns) arregloDAtos->AddColumn(QString::fromUtf8(c.header), c.width)->nAlignment = c.alignment;
  arregloDAtos->Column(9)->lHide = true;
  arregloDAtos->Column(10)->lHide = true;

  auto button = [this](TBtnBmp*& b, const char* name, int x, const QString& text, const char* picture) {
    b = TBtnBmp::New(oGroupBox4, QString::fromLatin1(name));
    b->SetBounds(x, 276, 146, 34);
    b->cText = text;
    b->oBitmaps = QString::fromLatin1(picture);
  };
  button(btnAutorizar, "btnAutorizar", 160, QStringLiteral("Autorizar"), "correcto");
  btnAutorizar->OnClick = [this] { btnAutorizarClick(); };
  button(btnRechazar, "btnRechazar", 372, QStringLiteral("Rechazar"), "perfilmenos");
  btnRechazar->OnClick = [this] { btnRechazarClick(); };
  button(btnDatos, "btnDatos", 584, QStringLiteral("Mas Información"), "usuariomas");
  btnDatos->OnClick = [this] { btnDatosClick(); };

  btnSalir = TBtnBmp::New(oImage1, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(756, 452, 74, 78);
  btnSalir->lFlat = true;
  btnSalir->OnClick = [this] { Close(); };
}

void TAutorizaciones::FormInitialize() { inicializa(); }

void TAutorizaciones::inicializa() { CargaTipoSolicitudes(); }

// Approvers decide every type of request; vacations come first.
void TAutorizaciones::CargaTipoSolicitudes() {
  cmbTipoSolicitud->SetItems(TiposSolicitud::Todos());
  cmbTipoSolicitud->nIndex = 1;
}

void TAutorizaciones::CargaSolicitudes() {
  const int tipo = TiposSolicitud::ObtenId(cmbTipoSolicitud->cText());
  if (tipo == TiposSolicitud::Prestamos) {
    arregloDAtos->Column(6)->lHide = false;
    arregloDAtos->Column(5)->lHide = true;
  } else if (tipo != 4) {
    arregloDAtos->Column(5)->lHide = false;
    arregloDAtos->Column(6)->lHide = true;
  }
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("EXEC dbo.PortaEmpleado_PendientesAutorizar ") +
                                         StatementValues::Held(empresa) + u',' + StatementValues::Held(AppData.Codigo) + u',' + QString::number(tipo));
  Rows grid;
  for (const Row& r : rows)
    grid.append(Row(TiposSolicitud::IdTexto(r.col(1)), TiposSolicitud::IdTexto(r.col(2)), r.col(3),
                    fechaDDMMYYYY(r.col(4)), r.col(5), r.col(6), r.col(7), r.col(8), r.col(9), r.col(10)));
  arregloDAtos->SetArray(grid);
  arregloDAtos->Refresh();
}

Row TAutorizaciones::actual() const { return arregloDAtos->Len() == 0 ? Row() : arregloDAtos->CurrentRow(); }

void TAutorizaciones::btnAutorizarClick() {
  if (arregloDAtos->Len() == 0) return;  // no row to act on
  autoriza();
  CargaSolicitudes();
}

void TAutorizaciones::btnRechazarClick() {
  if (arregloDAtos->Len() == 0) return;
  rechaza();
  CargaSolicitudes();
}

void TAutorizaciones::autoriza() {
  const Row fila = actual();
  const QString id = StatementValues::Held(fila.col(1));
  const QString paso = StatementValues::Held(fila.col(8));
  // A step decided meanwhile (another terminal, another approver) is refused by the
  // database and shown by the data source; then nothing is mailed.
  if (!AppData.oAdo->Execute(QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus ") + id + u',' + paso +
                             QStringLiteral(",'S',''")))
    return;
  const QString resultado = AvisoSolicitud::GeneraSol(id, true, 1, paso, 0, AvisoSolicitud::Variante::Autorizacion(fila, empresa));
  if (AvisoSolicitud::Exito(resultado))
    MsgInfo(QStringLiteral("Solicitud actualizada correctamente"));
  else
    MsgInfo(QStringLiteral("Solicitud actualizada, pero no pudo ser enviada por correo, por favor comuniquese con su "
                           "supervisor.\r\r") +
            resultado);
}

void TAutorizaciones::rechaza() {
  const Row fila = actual();
  TForm::New<TMotivoRechazo>(this, [this, &fila](TMotivoRechazo& m) {
    m.idSolicitud = ToText(fila.col(1));
    m.orden = ToText(fila.col(8));
    m.empresa = empresa;
    m.EmpresaEmpleado = AllTrim(ToText(fila.col(9)));
    m.nombreEmpleado = ToText(fila.col(3));
    m.CodigoEmpleado = ToText(fila.col(2));
    m.fechaSolicitud = ToText(fila.col(4));
  })->ShowModal();
}

void TAutorizaciones::btnDatosClick() {
  if (arregloDAtos->Len() == 0) {
    MsgInfo(QStringLiteral("No existen registros para consultar"));
    return;
  }
  const Row fila = actual();
  TForm::New<TInformacionEmpleado>(this, [this, &fila](TInformacionEmpleado& i) {
    i.cnx = CNX;
    i.empresa = empresa;
    i.codigoEmpleado = ToText(fila.col(2));
    i.EmpresaEmpleado = AllTrim(ToText(fila.col(9)));
  })->ShowModal();
}
