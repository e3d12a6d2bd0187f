#include "mail/TEnviaMail.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <exception>

#include "app/AppData.h"
#include "data/Scramble.h"
#include "data/TQuery.h"
#include "mail/SmtpMail.h"
#include "toolkit/MsgBox.h"
#include "toolkit/SystemJournal.h"
#include "toolkit/TextUtil.h"

namespace {

const QString kSi = QStringLiteral("Si");

}  // namespace

TEnviaMail::TEnviaMail(bool) { Inicializa(); }

TEnviaMail& TEnviaMail::New(bool) {
  Inicializa();
  correoDeSupervisor.clear();
  titulo.clear();
  return *this;
}

void TEnviaMail::End() { New(); }

void TEnviaMail::Inicializa() {
  for (QString* field : {&ServidorMail, &Mail, &Puerto, &ConCopiaPara, &mail_user, &mail_pwd, &autenticacion,
                         &tipoAutenticacion, &NombreMail, &PuestoMail, &TextoMail, &correoDeEmpleado, &SSL, &TSL,
                         &MailRecepcionRH})
    field->clear();
  attachFiles.clear();
  ValidaArchivoErrorEnvio();
}

QString TEnviaMail::LogFilePath() { return QDir::current().filePath(QStringLiteral("EnvioMail.log")); }

void TEnviaMail::CreaArchivoErrorEnvio() {
  QFile file(LogFilePath());
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);  // a failure is silent: sending goes on
}

void TEnviaMail::ValidaArchivoErrorEnvio() {
  if (!QFile::exists(LogFilePath())) CreaArchivoErrorEnvio();
}

bool TEnviaMail::EscribeEnArchivo(const QString& texto) {
  const QDateTime now = QDateTime::currentDateTime();
  QString line = Text::DToS(now.date()) + u' ' + now.time().toString(QStringLiteral("HH:mm:ss")) + u' ' + texto;
  line.replace(u'\r', u' ').replace(u'\n', u' ');  // one entry, one line
  QFile file(LogFilePath());
  if (file.open(QIODevice::WriteOnly | QIODevice::Append)) file.write(line.toUtf8() + "\r\n");
  return true;
}

QString TEnviaMail::Desencripta(const QVariant& texto) const { return ::Desencripta(texto); }

bool TEnviaMail::ValidaDatosServidor() const { return !Mail.isEmpty() && !Puerto.isEmpty(); }

int TEnviaMail::ObtenTipoAutenticacion(const QString& nombre) {
  static const QList<std::pair<QString, int>> methods = {
      {QStringLiteral("Automatically"), SmtpMail::AuthAuto},
      {QStringLiteral("AUTH LOGIN"), SmtpMail::AuthLogin},
      {QStringLiteral("AUTH NTLM(Secure Password Authentication)"), SmtpMail::AuthNtlm},
      {QStringLiteral("AUTH CRAM-MD5"), SmtpMail::AuthCramMd5},
      {QStringLiteral("AUTH PLAIN"), SmtpMail::AuthPlain},
      {QStringLiteral("AUTH MSN"), SmtpMail::AuthMsn},
  };
  for (const auto& [name, number] : methods)
    if (name == nombre) return number;
  return SmtpMail::AuthLogin;
}

void TEnviaMail::AddAttach(const QString& path) { attachFiles.append(QStringList{path}); }

Rows TEnviaMail::obtenConfiguracion(const QVariant& empresa) {
  const QString statement = QStringLiteral("exec getConfiguraMailPortalEmpleado ") + Text::ToText(empresa);
  TQuery query(AppData.oAdo, QStringLiteral("GENERAL"), statement);
  Rows rows;
  if (query.RecCount() > 0) rows = query.GetRows();
  query.Close();
  return rows;
}

void TEnviaMail::LeeConfiguracion(const Row& row) {
  auto text = [&row](int column) { return Text::ToText(row.col(column)); };
  ServidorMail = text(1);
  Mail = text(2);
  Puerto = text(3);
  ConCopiaPara = text(4);
  mail_user = text(5);
  mail_pwd = Desencripta(text(6));
  autenticacion = text(7);
  tipoAutenticacion = text(8);
  NombreMail = text(9);
  PuestoMail = text(10);
  SSL = text(11);
  TSL = text(12);
  MailRecepcionRH = text(13);
}

bool TEnviaMail::CargaConfiguracionMail(const QVariant& empresa) {
  try {
    if (!AppData.oAdo) return false;  // no session data source to ask
    const Rows rows = obtenConfiguracion(empresa);
    if (rows.isEmpty()) {
      for (QString* field : {&ServidorMail, &Mail, &ConCopiaPara, &mail_user, &mail_pwd, &autenticacion,
                             &tipoAutenticacion, &NombreMail, &PuestoMail, &SSL, &TSL, &MailRecepcionRH})
        field->clear();
      Puerto = QStringLiteral("0");
      return true;
    }
    LeeConfiguracion(rows.row(1));
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

int TEnviaMail::connectTypeForSettings() const {
  int type = -1;
  if (SSL == kSi) type = SmtpMail::ConnectNormal;
  if (TSL == kSi) type = SmtpMail::ConnectTryTLS;
  return type;
}

void TEnviaMail::PreparaServidor(SmtpMail& smtp) const {
  smtp.Reset();
  smtp.FromAddr = Mail;
  smtp.AuthType = ObtenTipoAutenticacion(tipoAutenticacion);
  smtp.UserName = mail_user;
  smtp.Password = mail_pwd;
  smtp.ServerAddr = ServidorMail;
  smtp.ServerPort = Puerto;
  smtp.Timeout = 120;
  if (const int type = connectTypeForSettings(); type >= 0) smtp.ConnectType = type;
}

bool TEnviaMail::EnviaMail() {
  SmtpMail smtp;
  PreparaServidor(smtp);
  smtp.Subject = titulo;
  smtp.BodyFormat = SmtpMail::BodyPlain;
  smtp.BodyText = TextoMail;

  smtp.AddRecipient(correoDeEmpleado, correoDeEmpleado, SmtpMail::RecipientTo);
  // Optional copies: a value of blanks (a padded column) is no address.
  if (!MailRecepcionRH.trimmed().isEmpty())
    smtp.AddRecipient(MailRecepcionRH, MailRecepcionRH, SmtpMail::RecipientTo);
  if (!correoDeSupervisor.trimmed().isEmpty())
    smtp.AddRecipient(correoDeSupervisor, correoDeSupervisor, SmtpMail::RecipientTo);
  for (const QStringList& attachment : attachFiles) smtp.AddAttachment(attachment.value(0));

  const int code = smtp.SendMail();
  const bool sent = code == 0;
  if (!sent) {
    const QString reason = smtp.GetLastErrDescription();
    SystemJournal::Report(u"correo"_qs, QString::number(code), QString(), reason);
    EscribeEnArchivo(QStringLiteral("No enviado a %1 (\"%2\"): %3").arg(correoDeEmpleado, titulo, reason));
    MsgInfo(reason);
  }
  if (SSL == kSi || TSL == kSi) smtp.SSL_uninit();
  return sent;
}
