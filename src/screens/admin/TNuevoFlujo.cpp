#include "screens/admin/TNuevoFlujo.h"

#include "app/AppData.h"
#include "data/mdlOperacion.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

void TNuevoFlujo::CreateForm() {
  SetBounds(483, 331, 457, 203);
  SetClientSize(441, 164);
  cText = QStringLiteral("Flujo");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;  // the kiosk's one window style: fixed, without minimize or maximize boxes
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(8, 8, 418, 86);
  oLabel1 = TLabel::New(oGroupBox1, QStringLiteral("oLabel1"));
  oLabel1->SetBounds(10, 12, 93, 14);
  oLabel1->lMultiline = false;  // one line, widened to its text
  oLabel1->cText = QStringLiteral("Para solicitudes de:");
  txtNombreSolicitud = TEdit::New(oGroupBox1, QStringLiteral("txtNombreSolicitud"));
  txtNombreSolicitud->SetBounds(120, 8, 158, 20);  // right of the wider caption
  txtNombreSolicitud->lEnabled = false;
  oLabel2 = TLabel::New(oGroupBox1, QStringLiteral("oLabel2"));
  oLabel2->SetBounds(10, 44, 81, 14);
  oLabel2->lMultiline = false;
  oLabel2->cText = QStringLiteral("Nombre de Flujo:");
  txtNombreFlujo = TEdit::New(oGroupBox1, QStringLiteral("txtNombreFlujo"));
  txtNombreFlujo->SetBounds(120, 40, 288, 20);
  txtNombreFlujo->nMaxLength = kLargoNombre;
  idTipoSolicitud = TLabel::New(oGroupBox1, QStringLiteral("idTipoSolicitud"));
  idTipoSolicitud->SetBounds(8, 72, 70, 14);
  idTipoSolicitud->cText = QStringLiteral("idTipoSolicitud");
  idTipoSolicitud->Hide();
  lblIdFlujo = TLabel::New(oGroupBox1, QStringLiteral("lblIdFlujo"));
  lblIdFlujo->SetBounds(92, 72, 31, 14);
  lblIdFlujo->cText = QStringLiteral("idFlujo");
  lblIdFlujo->Hide();

  btnGuardar = TBtnBmp::New(this, QStringLiteral("btnGuardar"));
  btnGuardar->SetBounds(93, 104, 110, 54);
  btnGuardar->cText = QStringLiteral("Guardar");
  btnGuardar->oBitmaps = QStringLiteral("correcto");
  btnGuardar->OnClick = [this] { btnGuardarClick(); };
  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(237, 104, 110, 54);
  btnSalir->cText = QStringLiteral("Salir");
  btnSalir->oBitmaps = QStringLiteral("salir");
  btnSalir->OnClick = [this] { Close(); };
}

void TNuevoFlujo::FormInitialize() {
  idTipoSolicitud->cText = tipoSolicitud;
  if (accion == u"Insertar") {
    txtNombreSolicitud->Value = nombreSolicitud;
    txtNombreFlujo->Value = QString();
    lblIdFlujo->cText = QStringLiteral("0");
  } else {
    txtNombreSolicitud->Hide();
    oLabel1->Hide();
    txtNombreFlujo->Value = nombreFlujo;
    lblIdFlujo->cText = idFlujo;
  }
}

void TNuevoFlujo::btnGuardarClick() {
  const QString nombre = Text::AllTrim(txtNombreFlujo->Value());
  // A longer name would be cut by the table.
  if (nombre.size() > kLargoNombre) {
    MsgInfo(QStringLiteral("El nombre del flujo no puede tener más de %1 caracteres").arg(kLargoNombre));
    return;
  }
  bool ok;
  if (accion == u"Insertar") ok = AppData.oOperacion->insertaFlujo(idTipoSolicitud->cText(), nombre, empresa);
  else ok = AppData.oOperacion->modificaFlujo(idTipoSolicitud->cText(), lblIdFlujo->cText(), nombre);
  MsgInfo(ok ? QStringLiteral("Flujo guardado") : QStringLiteral("Error al guardar flujo"));
  Close();
}
