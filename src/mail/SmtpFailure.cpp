#include "mail/SmtpFailure.h"

#include "mail/CurlLibrary.h"

namespace {

QString serverText(const SmtpFailureFacts& f) { return QStringLiteral("%1:%2").arg(f.server).arg(f.port); }

bool replyIsRefusal(const QString& reply) {
  return reply.size() >= 3 && (reply[0] == u'4' || reply[0] == u'5') && reply[1].isDigit() && reply[2].isDigit();
}

// "<addr>" of a "MAIL FROM:<addr>" or "RCPT TO:<addr>" command.
QString commandAddress(const QString& command) {
  const qsizetype open = command.indexOf(u'<');
  const qsizetype close = command.lastIndexOf(u'>');
  if (open < 0 || close < open) return command.section(u':', 1).trimmed();
  return command.mid(open + 1, close - open - 1);
}

QString quotedAddress(const QString& address) {
  return address.isEmpty() ? QStringLiteral("(dirección vacía)") : u'"' + address + u'"';
}

// What the server refused, judged by the command it answered.
QString refusedStep(const SmtpFailureFacts& f) {
  const QString verb = f.lastCommand.section(u' ', 0, 0).section(u':', 0, 0).toUpper();
  if (verb == u"RCPT")
    return QStringLiteral("El servidor de correo rechazó el destinatario %1.").arg(quotedAddress(commandAddress(f.lastCommand)));
  if (verb == u"MAIL")
    return QStringLiteral("El servidor de correo rechazó el remitente %1.").arg(quotedAddress(commandAddress(f.lastCommand)));
  if (verb == u"AUTH")
    return QStringLiteral("El servidor de correo rechazó la autenticación del usuario \"%1\".").arg(f.userName);
  if (verb == u"STARTTLS")
    return QStringLiteral("El servidor de correo %1 no pudo iniciar la conexión segura (STARTTLS).").arg(serverText(f));
  if (verb == u"DATA")
    return QStringLiteral("El servidor de correo rechazó el mensaje.");
  if (verb == u"EHLO" || verb == u"HELO")
    return QStringLiteral("El servidor de correo %1 rechazó el saludo del cliente.").arg(serverText(f));
  return QStringLiteral("El servidor de correo %1 rechazó la conexión.").arg(serverText(f));
}

QString describeCode(const SmtpFailureFacts& f) {
  switch (static_cast<CURLcode>(f.curlCode)) {
    case CURLE_COULDNT_RESOLVE_HOST:
      return QStringLiteral("No se encontró el servidor de correo \"%1\".").arg(f.server);
    case CURLE_COULDNT_CONNECT:
      return QStringLiteral("No se pudo conectar con el servidor de correo %1.").arg(serverText(f));
    case CURLE_OPERATION_TIMEDOUT:
      return QStringLiteral("Se agotó el tiempo de espera (%1 segundos) con el servidor de correo %2.")
          .arg(f.timeoutSeconds)
          .arg(serverText(f));
    case CURLE_PEER_FAILED_VERIFICATION:
      return QStringLiteral("No se pudo verificar el certificado del servidor de correo %1 (%2).")
          .arg(serverText(f), f.curlDetail);
    case CURLE_USE_SSL_FAILED:
      return QStringLiteral("El servidor de correo %1 no ofrece conexión segura (STARTTLS).").arg(serverText(f));
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
      return QStringLiteral("Falló la conexión segura (TLS) con el servidor de correo %1 (%2).")
          .arg(serverText(f), f.curlDetail);
    case CURLE_LOGIN_DENIED:
      if (!f.lastCommand.startsWith(u"AUTH", Qt::CaseInsensitive))  // no mechanism in common
        return QStringLiteral("El servidor de correo %1 no ofrece el método de autenticación elegido.").arg(serverText(f));
      return QStringLiteral("El servidor de correo rechazó la autenticación del usuario \"%1\".").arg(f.userName);
    case CURLE_READ_ERROR:
      return QStringLiteral("No se pudo leer un archivo adjunto (%1).").arg(f.curlDetail);
    case CURLE_URL_MALFORMAT:
      return QStringLiteral("La dirección del servidor de correo no es válida: \"%1\".").arg(f.server);
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_WEIRD_SERVER_REPLY:
      return QStringLiteral("Se perdió la conexión con el servidor de correo %1.").arg(serverText(f));
    default:
      return QStringLiteral("No se pudo enviar el correo por el servidor %1: %2.")
          .arg(serverText(f), f.curlText);
  }
}

}  // namespace

QString DescribeSmtpFailure(const SmtpFailureFacts& facts) {
  // A refusal the server put into words says more than the transport's code.
  const bool refused = replyIsRefusal(facts.lastReply) && facts.curlCode != CURLE_OPERATION_TIMEDOUT &&
                       facts.curlCode != CURLE_PEER_FAILED_VERIFICATION;
  QString text = refused ? refusedStep(facts) : describeCode(facts);
  if (refused) text += QStringLiteral(" Respuesta del servidor: ") + facts.lastReply;
  return text;
}
