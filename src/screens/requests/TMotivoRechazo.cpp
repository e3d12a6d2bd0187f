#include "screens/requests/TMotivoRechazo.h"

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/StatementValues.h"
#include "data/TDataSource.h"
#include "mail/TEnviaMail.h"
#include "screens/requests/TSolicitarDetalle.h"
#include "screens/shared/AvisoSolicitud.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

void TMotivoRechazo::CreateForm() {
  SetBounds(538, 270, 460, 324);
  SetClientSize(444, 285);
  cText = QStringLiteral("Motivo de Rechazo");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(8, 4, 418, 190);
  oLabel1 = TLabel::New(oGroupBox1, QStringLiteral("oLabel1"));
  oLabel1->SetBounds(24, 20, 94, 14);
  oLabel1->lMultiline = false;
  oLabel1->cText = QStringLiteral("Motivo de Rechazo");
  txtMotivoRechazo = TMemo::New(oGroupBox1, QStringLiteral("txtMotivoRechazo"));
  txtMotivoRechazo->SetBounds(24, 36, 366, 138);

  btnGuardar = TBtnBmp::New(this, QStringLiteral("btnGuardar"));
  btnGuardar->SetBounds(100, 208, 110, 54);
  btnGuardar->cText = QStringLiteral("Guardar");
  btnGuardar->oBitmaps = QStringLiteral("correcto");
  btnGuardar->OnClick = [this] { btnGuardarClick(); };
  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(233, 208, 110, 54);
  btnSalir->cText = QStringLiteral("Salir");
  btnSalir->oBitmaps = QStringLiteral("salir");
  btnSalir->OnClick = [this] { Close(); };
}

void TMotivoRechazo::FormInitialize() { txtMotivoRechazo->Value = QString(); }

void TMotivoRechazo::btnGuardarClick() {
  const QString motivo = txtMotivoRechazo->Value();
  if (motivo.size() > TSolicitarDetalle::kMaxMotivo) {
    MsgInfo(QStringLiteral("El motivo de rechazo no puede pasar de %1 caracteres; tiene %2.")
                .arg(TSolicitarDetalle::kMaxMotivo)
                .arg(motivo.size()));
    return;
  }
  // A refused change (the request was decided meanwhile) has been shown by the data source;
  // nothing is mailed and the reason stays for the approver.
  if (!AppData.oAdo->Execute(QStringLiteral("EXEC dbo.PortalEmpleado_ModificaEstatus ") + StatementValues::Held(idSolicitud) + u',' +
                             StatementValues::Held(orden) +
                             QStringLiteral(",'N',") + Text::Quoted(motivo)))
    return;
  guardado = true;
  if (EnviaAvisoRechazo() == AvisoSolicitud::kEnviado)
    MsgInfo(QStringLiteral("Rechazo guardado. Ya se ha enviado la notificacion al trabajador"));
  else
    MsgInfo(QStringLiteral("Rechazo guardado. No se ha podido enviar la notificacion al trabajador"));
  Close();
}

QString TMotivoRechazo::EnviaAvisoRechazo() {
  TEnviaMail mail;
  mail.CargaConfiguracionMail(empresa);
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("EXEC dbo.PortalEmpleado_ServidorCorreo ") +
                                         StatementValues::Held(empresaEmpleado()) + u',' + StatementValues::Held(CodigoEmpleado));
  QString resultado;
  const QString cr = QStringLiteral("\r");
  for (qsizetype i = 0; i < rows.size(); ++i) {
    mail.titulo = QStringLiteral("Solicitud Vacaciones");
    mail.TextoMail = QStringLiteral("Solicitud Vacaciones Empleado: ") + nombreEmpleado + cr + cr +
                     QStringLiteral("Su solicitud de vacaciones del día ") + fechaSolicitud +
                     QStringLiteral(" ha sido rechazada.") + cr + cr + QStringLiteral("ZELK SISTEMAS");
    mail.correoDeEmpleado = ObtenMailDelEmpleado();
    resultado = mail.EnviaMail() ? AvisoSolicitud::kEnviado : AvisoSolicitud::kSinEnviar;
  }
  return resultado;
}

QString TMotivoRechazo::ObtenMailDelEmpleado() {
  return AllTrim(ToText(ResultShapes::FirstValue(QStringLiteral("select mail from empleados where empresa= ") +
                                                     StatementValues::Held(empresaEmpleado()) + QStringLiteral(" and codigo=") +
                                                     StatementValues::Held(CodigoEmpleado),
                                                 QString())));
}

QString TMotivoRechazo::empresaEmpleado() const { return EmpresaEmpleado.isEmpty() ? empresa : EmpresaEmpleado; }
