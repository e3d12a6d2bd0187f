#include "screens/shared/MailToEmployee.h"

#include "app/AppData.h"
#include "mail/TEnviaMail.h"
#include "toolkit/MsgBox.h"

namespace MailToEmployee {

const QString kSinCorreo = QStringLiteral("Usted no tiene un correo electrónico registrado para el envío. ") + u'\r' +
                           QStringLiteral(" Revisar con el departamento de Recursos Humanos.");
const QString kSinConfiguracion = QStringLiteral("Faltan datos de configuración del mail de envío");
const QString kEnviado = QStringLiteral("Correo Enviado");
const QString kNoEnviado = QStringLiteral("El correo no puede ser enviado por el momento.");

bool Send(TEnviaMail& mail, const QString& titulo, const QString& texto, const QString& attachment) {
  const QString correo = AppData.email;
  if (correo.isEmpty()) {
    MsgInfo(kSinCorreo);
    return false;
  }
  if (!mail.ValidaDatosServidor()) {
    MsgInfo(kSinConfiguracion);
    return false;
  }
  mail.titulo = titulo;
  mail.correoDeEmpleado = correo;
  mail.AddAttach(attachment);
  mail.TextoMail = texto;
  const bool sent = mail.EnviaMail();
  MsgInfo(sent ? kEnviado : kNoEnviado);
  mail.attachFiles.clear();
  return sent;
}

}  // namespace MailToEmployee
