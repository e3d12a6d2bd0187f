#pragma once
// The company's mail configuration as the request screens keep it: the first thirteen
// columns of its record, in column order, the port as returned and the password as stored.
#include <QString>
#include <QVariant>

struct MailSettings {
  QString ServidorMail;
  QString Mail;
  QVariant Puerto;
  QString ConCopiaPara;
  QString mail_user;
  QString mail_pwd;
  QString autenticacion;
  QString tipoAutenticacion;
  QString NombreMail;
  QString PuestoMail;
  QString SSL;
  QString TSL;
  QString MailRH;  // the human-resources mailbox

  // Loads the record of `empresa`; with none every field is empty text and the port 0.
  void Carga(const QVariant& empresa);
};
