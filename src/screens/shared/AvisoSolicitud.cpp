#include "screens/shared/AvisoSolicitud.h"

#include <QFile>

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/StatementValues.h"
#include "data/TQuery.h"
#include "mail/TEnviaMail.h"
#include "reports/GeneraFastReports.h"
#include "screens/shared/TempFiles.h"
#include "screens/shared/TiposSolicitud.h"
#include "toolkit/FileNames.h"
#include "toolkit/TextUtil.h"

using StatementValues::Held;
using Text::AllTrim;
using Text::ToText;

namespace AvisoSolicitud {

namespace {

const QString kCR = QStringLiteral("\r");

template <class T>
T valor(const std::optional<T>& propio, const T& delPaso) {
  return propio ? *propio : delPaso;
}

}  // namespace

bool Exito(const QString& resultado) {
  return resultado.startsWith(kEnviado) || resultado.startsWith(kSinSiguiente);
}

DatosPaso DatosPaso::De(const Row& r) {
  DatosPaso d;
  d.tipo = static_cast<int>(Text::Val(r.col(1)));
  d.fecha = ToText(r.col(2));
  d.dias = r.col(3);
  d.importe = r.col(4);
  d.motivo = ToText(r.col(5));
  d.mailAprobador = AllTrim(ToText(r.col(6)));
  d.empresa = r.col(7);
  d.codigo = r.col(8);
  d.nombre = ToText(r.col(9));
  return d;
}

Variante Variante::Solicitud() {
  Variante v;
  v.cuerpo = kCR + kCR + QStringLiteral(" Para autorización entrar al portal del empleado.");
  return v;
}

Variante Variante::Autorizacion(const Row& fila, const QVariant& empresa) {
  Variante v;
  v.empresaCorreo = empresa;
  v.codigo = fila.col(2);
  v.nombre = ToText(fila.col(3));
  v.apartir = ToText(fila.col(4));
  v.dias = fila.col(5);
  v.importe = AllTrim(ToText(fila.col(6)));
  v.motivo = ToText(fila.col(7));
  v.archivoDe = AppData.Codigo.section(u'.', 0, 0);
  v.cuerpo = kCR + kCR + AppData.NombreTrabajador + QStringLiteral(" ha autorizado su solicitud. ") + kCR + kCR +
             QStringLiteral("La solicitud continua con el proceso.") + kCR + kCR + QStringLiteral("ZELK SISTEMAS");
  return v;
}

QString GeneraSol(const QVariant& nIdSolicitud, bool bEnvia, const QVariant& nAutorizaPorMail, const QVariant& nOrden,
                  int nSol, const Variante& v) {
  Q_UNUSED(nAutorizaPorMail);  // carried by the database's answer, not used by the notice
  const QString paso = nSol == 1 ? QStringLiteral("0") : StatementValues::Trimmed(nOrden);
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("EXEC dbo.PortaEmpleado_SolicitudDatosEnviar ") +
                                         StatementValues::Trimmed(nIdSolicitud) + u',' + paso);
  if (rows.isEmpty()) return kSinDatos;
  const DatosPaso datos = DatosPaso::De(rows.row(1));
  if (datos.tipo <= 0) return kSinSiguiente;
  if (datos.mailAprobador.isEmpty()) return kSinReceptor;
  return GeneraArchivo(datos, bEnvia, v);
}

QString GeneraArchivo(const DatosPaso& datos, bool bEnvia, const Variante& v) {
  const QString codigo = ToText(valor(v.codigo, datos.codigo));
  const int tipo = datos.tipo;
  TQuery datosForma(AppData.oAdo, QStringLiteral("GENERAL"),
                    QStringLiteral(" Exec peSolicitudVacaciones ") + Held(datos.empresa) + u',' + Held(codigo));

  const bool deDias = TiposSolicitud::EsDeDias(tipo);
  const QString zelk = QStringLiteral("ZELK");
  const ReportVariables variables = {
      {zelk, QStringLiteral("NombreE"), Text::Quoted(AppData.NombreEmpresa)},
      {zelk, QStringLiteral("RegPatE"), Text::Quoted(AppData.RegistroPatronalEmpresa)},
      {zelk, QStringLiteral("RFCE"), Text::Quoted(AppData.RFCEmpresa)},
      {zelk, QStringLiteral("Codigo"), Text::Quoted(codigo)},
      {zelk, QStringLiteral("NombreTrabajador"), Text::Quoted(valor(v.nombre, datos.nombre))},
      {zelk, QStringLiteral("DiasSolicita"), Text::Quoted(deDias ? ToText(valor(v.dias, datos.dias)) : QStringLiteral("0"))},
      {zelk, QStringLiteral("Apartir"), Text::Quoted(valor(v.apartir, datos.fecha))},
      {zelk, QStringLiteral("ImporteSolicita"),
       Text::Quoted(deDias ? QStringLiteral("0") : AllTrim(ToText(valor(v.importe, datos.importe))))},
      {zelk, QStringLiteral("Logo"), Text::Quoted(AllTrim(AppData.imagenLogo))},
      {zelk, QStringLiteral("Firma"), Text::Quoted(AllTrim(AppData.imagenFirma))},
      {zelk, QStringLiteral("titulo"), TiposSolicitud::Titulo(tipo)},
      {zelk, QStringLiteral("tipo"), Text::Quoted(QString::number(tipo))},
      {zelk, QStringLiteral("Motivo"), Text::Quoted(valor(v.motivo, datos.motivo))},
  };

  // The form lives in a folder of its own inside the terminal folder, under one spelling,
  // and the folder goes with it on every path. Without the folder no notice goes.
  const TempFiles::MailFolder carpeta;
  const QString numero = AllTrim(valor(v.archivoDe, codigo));
  const QString base = carpeta.FilePath(FileNames::Safe(TiposSolicitud::PrefijoArchivo(tipo) + numero));
  if (base.isEmpty()) return bEnvia ? kSinEnviar : QString();
  GeneraFastReportsPDF(QStringLiteral("rptSolicitudVacacionesIDSolicitud.fr3"), ReportSource(),
                       ReportSource(datosForma), false, variables, base);
  const QString archivo = ArchivoPDF(base);

  QString resultado;
  if (bEnvia) resultado = EnviarCorreoEnviaSolVac(archivo, datos, v);
  QFile::remove(archivo);
  datosForma.Close();
  return resultado;
}

QString EnviarCorreoEnviaSolVac(const QString& archivo, const DatosPaso& datos, const Variante& v) {
  TEnviaMail mail;
  mail.CargaConfiguracionMail(valor(v.empresaCorreo, datos.empresa));
  mail.attachFiles.clear();
  mail.AddAttach(archivo);

  const QString codigo = AllTrim(ToText(valor(v.codigo, datos.codigo)));
  const Rows receptores = ResultShapes::RowsOf(QStringLiteral("EXEC dbo.PortalEmpleado_ServidorCorreo ") +
                                               Held(datos.empresa) + u',' + Held(codigo));
  QString resultado;
  for (qsizetype i = 0; i < receptores.size(); ++i) {
    const QString asunto = TiposSolicitud::Asunto(datos.tipo);
    mail.titulo = asunto;
    mail.TextoMail = asunto + QStringLiteral(" Empleado: ") + valor(v.nombre, datos.nombre) + v.cuerpo;
    mail.correoDeEmpleado = AllTrim(ToText(receptores.row(1).col(1)));
    mail.MailRecepcionRH = QString();
    mail.correoDeSupervisor = datos.mailAprobador;
    resultado = mail.EnviaMail() ? kEnviado : kSinEnviar;
  }
  return resultado;
}

}  // namespace AvisoSolicitud
