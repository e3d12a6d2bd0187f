#include "data/mdlAdministracion.h"

#include "data/ResultShapes.h"
#include "data/StatementValues.h"

using namespace StatementValues;
using ResultShapes::Executed;
using ResultShapes::RowsOf;

namespace {

QString quoted(const QString& v) { return u'\'' + InQuotes(v) + u'\''; }
QString siNo(bool on) { return on ? QStringLiteral("Si") : QStringLiteral("No"); }
QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

}  // namespace

Rows mdlAdministracion::CargaEmpresas() { return RowsOf(QStringLiteral("exec peCargaListadoEmpresas ")); }

Rows mdlAdministracion::OpcionVacaciones(const QVariant& empresa) {
  return RowsOf(QStringLiteral("exec peCargaOpcionVacaciones ") + Held(empresa));
}

bool mdlAdministracion::GuardaOpcionVacaciones(const QVariant& empresa, const QVariant& opcion) {
  return Executed(QStringLiteral(" exec PortalEmpleadoGuardaConfiguracionVacaciones ") + Held(empresa) + u',' +
                  Held(opcion));
}

bool mdlAdministracion::GuardaConfiguracionMail(const QVariant& empresa, const ConfiguracionMail& m) {
  const QStringList values = {quoted(m.servidor),     quoted(m.cuenta),   quoted(m.puerto),
                              quoted(QStringLiteral("No")), quoted(m.usuario), quoted(m.password),
                              quoted(siNo(m.autenticacion)), quoted(m.tipoAutenticacion), quoted(QString()),
                              quoted(QString()),      quoted(siNo(m.ssl)), quoted(siNo(m.tls)),
                              quoted(Text::AllTrim(m.mailRH))};
  return Executed(QStringLiteral(" exec PortalEmpleadoConfiguraMail ") + Held(empresa) + u',' + values.join(u','));
}

Rows mdlAdministracion::Logo(const QVariant& empresa) {
  return RowsOf(QStringLiteral(" select rutaimagen,rutafirma from portalempleadologo where idempresa= ") + Held(empresa));
}

bool mdlAdministracion::GuardaLogo(const QVariant& empresa, const QString& logo, const QString& firma) {
  return Executed(QStringLiteral(" exec PortalEmpleadoGuardaLogo ") + Held(empresa) + u',' + quoted(logo) + u',' +
                  quoted(firma));
}

Rows mdlAdministracion::Politicas(const QVariant& empresa) {
  return RowsOf(QStringLiteral(" exec PortalEmpleadoListadoPoliticas ") + Held(empresa));
}

bool mdlAdministracion::GuardaPolitica(const QVariant& empresa, const QVariant& id, const QString& nombre,
                                       const QString& archivo) {
  return Executed(QStringLiteral(" exec PortalEmpleadoGuardaPoliticas ") + Held(empresa) + u',' +
                  quoted(Text::ToText(id)) + u',' + quoted(nombre) + u',' + quoted(archivo));
}

bool mdlAdministracion::EliminaPolitica(const QVariant& empresa, const QVariant& id) {
  return Executed(QStringLiteral(" exec PortalEmpleadoEliminaPolitica ") + Held(empresa) + u',' +
                  quoted(Text::ToText(id)));
}

Rows mdlAdministracion::EmpresasTodas() { return RowsOf(QStringLiteral("select emps_todas from PortalEmpleadoConfig")); }

bool mdlAdministracion::GuardaEmpresasTodas(bool todas) {
  return Executed(QStringLiteral("update PortalEmpleadoConfig set emps_todas='") +
                  (todas ? QStringLiteral("S") : QStringLiteral("N")) + u'\'');
}

Rows mdlAdministracion::Excepciones(bool excepciones) {
  return RowsOf(QStringLiteral(" exec PortalEmpleadoListadoConsolidar ") + flag(excepciones) + u' ');
}

bool mdlAdministracion::MantenimientoConsolidar(const QVariant& empresa, const QVariant& codigo) {
  return Executed(QStringLiteral("exec PortaEmpleado_MantenimientoConsolidar ") + Trimmed(empresa) + u',' +
                  Trimmed(codigo));
}

QString mdlAdministracion::IdFlujo(const QVariant& empresa, const QVariant& tipo, const QString& nombre) {
  const Rows rows = RowsOf(QStringLiteral("select idflujo from PortalEmpleadoFlujo where empresa=") + Held(empresa) +
                           QStringLiteral(" and TipoSol= ") + Held(tipo) + QStringLiteral(" and Nombre= ") +
                           quoted(nombre));
  if (rows.isEmpty()) return QStringLiteral("0");
  // The whole number: a display picture would cut long ids to asterisks.
  return QString::number(static_cast<qlonglong>(Text::Val(rows.row(1).col(1))));
}

Rows mdlAdministracion::ConfiguracionFlujo(const QVariant& empresa) {
  return RowsOf(QStringLiteral("exec PortaEmpleado_ExtraeAdminConfig ") + Held(empresa));
}

bool mdlAdministracion::GuardaConfiguracionFlujo(const QVariant& empresa, bool supervisor, bool envioSolicitud,
                                                 bool porCorreo, const QString& url) {
  return Executed(QStringLiteral("exec PortaEmpleado_AdminConfigModifica ") + Held(empresa) + u',' +
                  quoted(flag(supervisor)) + u',' + quoted(flag(envioSolicitud)) + u',' + quoted(flag(porCorreo)) +
                  u',' + quoted(url));
}

bool mdlAdministracion::EliminaAprobador(const QVariant& empresa, const QVariant& tipo, const QVariant& codigo,
                                         const QVariant& flujo) {
  return Executed(QStringLiteral(" EXEC dbo.PortaEmpleado_EliminaAprobador ") + Held(empresa) + u',' + Held(tipo) +
                  u',' + Trimmed(codigo) + u',' + Held(flujo));
}

bool mdlAdministracion::NuevoOrden(const QVariant& empresa, const QVariant& tipo, const QVariant& codigo,
                                   const QVariant& orden, const QVariant& flujo) {
  return Executed(QStringLiteral("exec dbo.PortaEmpleado_SolicitudNuevoOrdenPorRegistro ") + Held(empresa) + u',' +
                  Held(tipo) + u',' + Trimmed(codigo) + u',' + Trimmed(orden) + u',' + Held(flujo));
}

bool mdlAdministracion::EliminaDeFlujo(const QVariant& empresa, const QVariant& codigo, const QVariant& flujo,
                                       const QVariant& tipo) {
  return Executed(QStringLiteral(" EXEC dbo.PortaEmpleado_EliminaDeFlujo @empresa=") + Trimmed(empresa) +
                  QStringLiteral(", @codigo=") + Trimmed(codigo) + QStringLiteral(", @idFlujo=") + Held(flujo) +
                  QStringLiteral(", @TipoSol=") + Held(tipo));
}

bool mdlAdministracion::AgregaEmpleadoFlujo(const QVariant& empresa, const QVariant& tipo, const QVariant& flujo,
                                            const QVariant& codigo) {
  return Executed(QStringLiteral("exec dbo.PortaEmpleado_AgregaEmpleadoFlujo ") + Trimmed(empresa) + u',' +
                  Trimmed(tipo) + u',' + Trimmed(flujo) + u',' + Trimmed(codigo));
}

QString mdlAdministracion::ListadoFlujos(const QVariant& empresa, const QVariant& tipo) {
  return QStringLiteral("EXECUTE dbo.PortalEmpleado_ListadoFlujosAsignados ") + Held(empresa) + u',' + Held(tipo);
}
