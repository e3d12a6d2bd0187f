#pragma once
// The one way the portal sends e-mail: load the company's mail configuration, check it, fill
// subject, body, recipients and attachments, then EnviaMail. Failures of the send are shown in
// an information box and noted in "EnvioMail.log" in the working directory.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/Rows.h"

class SmtpMail;

class TEnviaMail {
 public:
  // Configuration (columns 1 to 13 of the company's mail configuration) and message fields.
  QString ServidorMail;
  QString Mail;
  QString Puerto;
  QString ConCopiaPara;         // loaded, not used in sending
  QString mail_user;
  QString mail_pwd;             // in clear, unscrambled
  QString autenticacion;        // "Si"/"No"
  QString tipoAutenticacion;    // one of the six method names
  QString NombreMail;           // loaded, not used in sending
  QString PuestoMail;           // loaded, not used in sending
  QString TextoMail;
  QString correoDeEmpleado;
  QString correoDeSupervisor;
  QList<QStringList> attachFiles;  // each element {full path}
  QString titulo;
  QString SSL;                  // "Si"/"No"
  QString TSL;                  // "Si"/"No"
  QString MailRecepcionRH;

  // Constructing is `New`: the log file exists afterwards.
  explicit TEnviaMail(bool unused = false);

  TEnviaMail& New(bool unused = false);  // starts over as a new object
  void End();                            // drops configuration and message

  // True when the message reached the server; a failure is shown and logged.
  bool EnviaMail();
  // False when the sender address or the port text is empty.
  bool ValidaDatosServidor() const;
  // Rows of "exec getConfiguraMailPortalEmpleado <company>" on the session data source.
  Rows obtenConfiguracion(const QVariant& empresa);
  // False only when loading raised an error; then the fields keep their previous values.
  bool CargaConfiguracionMail(const QVariant& empresa);
  // The fields of one row of the company's mail configuration.
  void LeeConfiguracion(const Row& row);
  // The component aimed at this configuration's server, login and TLS, with no message.
  void PreparaServidor(SmtpMail& smtp) const;
  // Method number of a method name, exact and case-sensitive; unknown names give 0.
  static int ObtenTipoAutenticacion(const QString& nombre);
  void AddAttach(const QString& path);
  void Inicializa();

  // "EnvioMail.log": created empty, created when missing, one line appended.
  void CreaArchivoErrorEnvio();
  void ValidaArchivoErrorEnvio();
  bool EscribeEnArchivo(const QString& texto);

  QString Desencripta(const QVariant& texto) const;

  static QString LogFilePath();

 private:
  // The connection type the SSL and TSL settings ask for, or -1 to keep the component's own.
  int connectTypeForSettings() const;
};
