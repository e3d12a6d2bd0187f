#include "check/Checks.h"
#include "mail/SmtpMail.h"
#include "mail/TEnviaMail.h"

namespace Checks {

CheckLine Mail(const QString& company, const Row& settings, int seconds) {
  const QString id = u"correo."_qs + company;
  const QString title = QStringLiteral("Correo de la empresa %1").arg(company);
  if (settings.values.isEmpty())
    return CheckLine::Fail(id, title, QStringLiteral("no tiene configuración de correo"),
                           QStringLiteral("captúrela en la pantalla del administrador (Configuración de correo)"));
  TEnviaMail sender;
  sender.LeeConfiguracion(settings);
  SmtpMail smtp;
  sender.PreparaServidor(smtp);
  smtp.Timeout = seconds;
  const QString server = QStringLiteral("%1:%2").arg(sender.ServidorMail.trimmed(), sender.Puerto.trimmed());
  const QString tls = sender.Puerto.trimmed() == u"465" || smtp.ConnectType == SmtpMail::ConnectDirectSSL ? QStringLiteral("TLS directo")
                      : smtp.ConnectType == SmtpMail::ConnectNormal                                     ? QStringLiteral("sin TLS")
                      : smtp.ConnectType == SmtpMail::ConnectSTARTTLS                                   ? QStringLiteral("STARTTLS")
                                                                                                         : QStringLiteral("STARTTLS si el servidor lo ofrece");
  const QString login = sender.mail_user.isEmpty() ? QStringLiteral("sin usuario") : QStringLiteral("usuario %1").arg(sender.mail_user);
  if (smtp.Probe() != 0) {
    QString why = smtp.GetLastErrDescription();
    if (sender.mail_pwd.size() >= 3) why.replace(sender.mail_pwd, QStringLiteral("***"));
    return CheckLine::Fail(id, title, server + u" "_qs + tls + u", "_qs + login + u": "_qs + why,
                           QStringLiteral("revise servidor, puerto, SSL/TSL, usuario y contraseña en la configuración de correo, y que la terminal llegue al servidor"));
  }
  return CheckLine::Pass(id, title, QStringLiteral("%1 %2, %3: el servidor contesta y acepta la sesión (no se envió nada)").arg(server, tls, login));
}

}  // namespace Checks
