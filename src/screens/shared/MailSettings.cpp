#include "screens/shared/MailSettings.h"

#include "app/AppData.h"
#include "data/mdlOperacion.h"
#include "toolkit/TextUtil.h"

void MailSettings::Carga(const QVariant& empresa) {
  const Rows rows = AppData.oOperacion->obtenConfiguraEmail(empresa);
  if (rows.isEmpty()) {
    *this = MailSettings();
    Puerto = 0;
    return;
  }
  const Row& r = rows.row(1);
  auto text = [&r](int n) { return Text::ToText(r.col(n)); };
  ServidorMail = text(1);
  Mail = text(2);
  Puerto = r.col(3);
  ConCopiaPara = text(4);
  mail_user = text(5);
  mail_pwd = text(6);
  autenticacion = text(7);
  tipoAutenticacion = text(8);
  NombreMail = text(9);
  PuestoMail = text(10);
  SSL = text(11);
  TSL = text(12);
  MailRH = text(13);
}
