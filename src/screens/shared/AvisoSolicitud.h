#pragma once
// The request notice: the data of a step of the flow, the request form written as a PDF and
// mailed with it to the approver who decides next. Written once; filing and authorization
// differ only in the values of a Variante.
//
//   QString r = AvisoSolicitud::GeneraSol(id, true, porMail, orden, 0, AvisoSolicitud::Variante::Autorizacion(fila, empresa));
//   if (AvisoSolicitud::Exito(r)) ...
#include <QString>
#include <QVariant>
#include <optional>

#include "data/Rows.h"

namespace AvisoSolicitud {

// Results the callers tell apart.
inline const QString kEnviado = QStringLiteral("Enviado");
inline const QString kSinSiguiente = QStringLiteral("TM");  // nobody further to notify
inline const QString kSinEnviar = QStringLiteral("Sin enviar");
inline const QString kSinReceptor = QStringLiteral("Correo receptor no configurado.");
inline const QString kSinDatos = QStringLiteral("Ocurrio un error durante el envio");

// True for a result that counts as success: the mail went out, or nobody was left to notify.
bool Exito(const QString& resultado);

// The row of the step-data procedure, by column.
struct DatosPaso {
  int tipo = 0;
  QString fecha;        // start date as text
  QVariant dias;
  QVariant importe;
  QString motivo;
  QString mailAprobador;
  QVariant empresa;     // the requesting employee's company
  QVariant codigo;      // the requesting employee
  QString nombre;
  static DatosPaso De(const Row& r);
};

// What the notice takes from elsewhere than the step data. Empty members keep the step
// data's own value.
struct Variante {
  std::optional<QVariant> codigo;     // the requesting employee, for the form and the recipient
  std::optional<QString> nombre;
  std::optional<QString> apartir;
  std::optional<QVariant> dias;
  std::optional<QVariant> importe;
  std::optional<QString> motivo;
  std::optional<QString> archivoDe;   // the number that names the form file
  std::optional<QVariant> empresaCorreo;  // whose mail settings send the notice
  QString cuerpo;                     // the body after its first line

  // Filing: everything from the step data; the approver is asked to enter the portal.
  static Variante Solicitud();
  // Authorization: the requesting employee's values from the approver's grid row (columns
  // 2 employee, 3 name, 4 start date, 5 days, 6 amount, 7 reason); the file is named after the
  // approver, the body says who authorized, and the mail goes with the settings of the
  // approver's company `empresa` (the employee's company only finds their address).
  static Variante Autorizacion(const Row& fila, const QVariant& empresa);
};

// Reads the step data of request `nIdSolicitud` (step `nOrden`, or 0 when `nSol` is 1, a
// request just filed) and, when somebody is to be notified, writes and mails the form.
QString GeneraSol(const QVariant& nIdSolicitud, bool bEnvia, const QVariant& nAutorizaPorMail, const QVariant& nOrden,
                  int nSol, const Variante& v);

// The request form as a PDF in a private TEMP folder, mailed when `bEnvia`; the folder goes
// whatever happens. Empty text when nothing was sent.
QString GeneraArchivo(const DatosPaso& datos, bool bEnvia, const Variante& v);

// The notice mail with `archivo` attached, sent once per row of the recipient procedure.
QString EnviarCorreoEnviaSolVac(const QString& archivo, const DatosPaso& datos, const Variante& v);

}  // namespace AvisoSolicitud
