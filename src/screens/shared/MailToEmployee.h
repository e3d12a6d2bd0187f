#pragma once
// Mailing one document to the logged-in employee with a screen's mail sender: the address
// and configuration checks, subject, body and attachment, the outcome shown, and the sender
// left without attachments for the next message.
#include <QString>

class TEnviaMail;

namespace MailToEmployee {

extern const QString kSinCorreo;  // no address registered for the employee
extern const QString kSinConfiguracion;
extern const QString kEnviado;
extern const QString kNoEnviado;

// True when the message was sent. Stops with a message when the session has no e-mail address
// or the sender's configuration is incomplete.
bool Send(TEnviaMail& mail, const QString& titulo, const QString& texto, const QString& attachment);

}  // namespace MailToEmployee
