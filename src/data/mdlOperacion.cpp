#include "data/mdlOperacion.h"

#include "app/AppData.h"
#include "data/StatementValues.h"
#include "data/TQuery.h"

using namespace StatementValues;
using ResultShapes::FirstValue;
using ResultShapes::RowsOf;

namespace {

QString empresa() { return Held(AppData.Empresa); }
QString codigo() { return Held(AppData.Codigo); }

Listado listado(const QString& statement, bool tipo) {
  Listado out;
  if (tipo) out.query = ResultShapes::OpenQuery(statement);
  else out.rows = RowsOf(statement);
  return out;
}

QString recibo(const QVariant& empresa, const QVariant& codigo, const QVariant& nomina, const QVariant& periodo,
               const QVariant& nYear) {
  return QStringLiteral("exec existeReciboCFDI ") + Held(empresa) + u',' + Held(codigo) + QStringLiteral(",'") +
         InQuotes(nomina) + QStringLiteral("',") + Held(periodo) + u',' + Held(nYear);
}

// empresa "," tipoSolicitud "," idFlujo after the literal head.
QString flujo(const char* head, const QVariant& empresa, const QVariant& tipoSolicitud, const QVariant& idFlujo) {
  return QString::fromUtf8(head) + Held(empresa) + u',' + Held(tipoSolicitud) + u',' + Held(idFlujo);
}

}  // namespace

Rows mdlOperacion::peValidaEntrada(const QVariant& codigo, const QVariant& vPassword) {
  return RowsOf(QStringLiteral("exec peValidaEntrada ") + Held(codigo) + QStringLiteral(",'") + InQuotes(vPassword) +
                QStringLiteral("',0,0"));
}

Rows mdlOperacion::peValidaPasswordNulo(const QVariant& codigo, const QVariant& empresa) {
  return RowsOf(QStringLiteral("exec peValidaPasswordNulo @codigo=") + Held(codigo) + QStringLiteral(", @empresa=") +
                Held(empresa));
}

QVariant mdlOperacion::permisoEmpleadoPerfil(const QVariant& funcion, const QVariant& opcion) {
  return FirstValue(QStringLiteral(" exec permisoEmpleadoPerfil ") + empresa() + u',' + codigo() + QStringLiteral(",'") +
                        InQuotes(funcion) + QStringLiteral("','") + InQuotes(opcion) + u'\'',
                    0);
}

QVariant mdlOperacion::permisoVerSueldos() {
  return FirstValue(QStringLiteral(" exec permisoEmpleadoVerSueldo ") + empresa() + u',' + codigo(), QStringLiteral("N"));
}

Listado mdlOperacion::consultaVacaciones(const QVariant& filtro, const QVariant& fechaDe, const QVariant& fechaA,
                                         bool tipo, const QVariant& afiliacion) {
  return listado(QStringLiteral(" exec peListadoVacacionesPantalla ") + empresa() + u',' + codigo() +
                     QStringLiteral(",'") + InQuotes(filtro) + QStringLiteral("','") + InQuotes(fechaDe) +
                     QStringLiteral("','") + InQuotes(fechaA) + QStringLiteral("','") + InQuotes(afiliacion) + u'\'',
                 tipo);
}

Listado mdlOperacion::consultaAusentismos(const QVariant& filtro, const QVariant& fechaDe, const QVariant& fechaA,
                                          bool tipo) {
  return listado(QStringLiteral(" exec peListadoAusentismo ") + empresa() + u',' + codigo() + QStringLiteral(",'") +
                     InQuotes(filtro) + QStringLiteral("','") + InQuotes(fechaDe) + QStringLiteral("','") +
                     InQuotes(fechaA) + QStringLiteral("','") + InQuotes(AppData.Afiliacion) + u'\'',
                 tipo);
}

Listado mdlOperacion::consultaTiempoExtra(const QVariant& filtro, const QVariant& fechaDe, const QVariant& fechaA,
                                          bool tipo, const QVariant&) {
  return listado(QStringLiteral(" exec peListadoTiempoExtra ") + empresa() + u',' + codigo() + QStringLiteral(",'") +
                     InQuotes(filtro) + QStringLiteral("','") + InQuotes(fechaDe) + QStringLiteral("','") +
                     InQuotes(fechaA) + QStringLiteral("','") + InQuotes(AppData.Afiliacion) + u'\'',
                 tipo);
}

Rows mdlOperacion::peCargaPoblacion() { return RowsOf(QStringLiteral("select idestados, edtado from rhestados ")); }

bool mdlOperacion::existeRecibo(const QVariant& empresa, const QVariant& codigo, const QVariant& nomina,
                                const QVariant& periodo, const QVariant& nYear) {
  return !RowsOf(recibo(empresa, codigo, nomina, periodo, nYear)).isEmpty();
}

Rows mdlOperacion::obtenArchivosCFDI(const QVariant& empresa, const QVariant& codigo, const QVariant& nomina,
                                     const QVariant& periodo, const QVariant& nYear) {
  return RowsOf(recibo(empresa, codigo, nomina, periodo, nYear));
}

bool mdlOperacion::ModificaPortalMarcasRecibos(const QVariant& empresa, const QVariant& codigo, const QVariant& nomina,
                                               const QVariant& periodo, const QVariant& ayo_operacion,
                                               const QVariant& columna) {
  return ResultShapes::Statement(QStringLiteral("exec ModificaPortalMarcasRecibos ") + Trimmed(empresa) + u',' +
                                 Trimmed(codigo) + QStringLiteral(",'") + TrimmedInQuotes(nomina) +
                                 QStringLiteral("','") + TrimmedInQuotes(periodo) + QStringLiteral("','") +
                                 TrimmedInQuotes(ayo_operacion) + QStringLiteral("','") +
                                 TrimmedInQuotes(columna) + u'\'');
}

Rows mdlOperacion::obtenConfiguraEmail(const QVariant& empresa) {
  return RowsOf(QStringLiteral("exec getConfiguraMailPortalEmpleado ") + Held(empresa));
}

QVariant mdlOperacion::ObtenMaildeSupervisor(const QVariant& codigo) {
  return FirstValue(QStringLiteral(" exec peObtenMaildeSupervisor ") + empresa() + u',' + Held(codigo), QStringLiteral(""));
}

Rows mdlOperacion::obtenDepartamentoPuestoParaAutorizacion(const QVariant& empresa, const QVariant& tipo) {
  return RowsOf(QStringLiteral(" exec dbo.PortaEmpleado_Catalogos ") + Held(empresa) + u',' + Held(tipo));
}

Rows mdlOperacion::obtenSolicitudesDeEmpleado(const QVariant& tipo, const QVariant& codigo) {
  return RowsOf(QStringLiteral(" EXEC dbo.PortaEmpleado_PendientesAutorizar ") + empresa() + u',' + Held(codigo) +
                u',' + Held(Text::Transform(tipo, QStringLiteral("99999999"))));
}

bool mdlOperacion::insertaFlujo(const QVariant& tipoSolicitud, const QVariant& nombreFlujo, const QVariant& empresa) {
  return ResultShapes::Executed(QStringLiteral("exec dbo.PortaEmpleado_AgregaFlujo ") + Held(empresa) + u',' +
                                Trimmed(tipoSolicitud) + QStringLiteral(",'") + InQuotes(nombreFlujo) + u'\'');
}

bool mdlOperacion::modificaFlujo(const QVariant& idSolicitud, const QVariant& idFlujo, const QVariant& nombreFlujo,
                                 const QVariant&) {
  return ResultShapes::Executed(QStringLiteral(" exec dbo.PortalEmpleado_ModificaNombreFlujo  ") + Held(idSolicitud) +
                                 u',' + Held(idFlujo) + QStringLiteral(",'") + InQuotes(nombreFlujo) + u'\'');
}

Rows mdlOperacion::cargaFlujos(const QVariant& tipoSolicitud, const QVariant& empresa) {
  return RowsOf(QStringLiteral("exec dbo.PortaEmpleado_Flujos ") + Held(empresa) + u',' + Held(tipoSolicitud));
}

Rows mdlOperacion::cargaPersonasAutorizan(const QVariant& tipoSolicitud, const QVariant& idFlujo,
                                          const QVariant& empresa) {
  return RowsOf(flujo("EXEC dbo.PortaEmpleado_ExtraePersonasAutorizar  ", empresa, tipoSolicitud, idFlujo));
}

Rows mdlOperacion::cargaPersonasEnFlujo(const QVariant& tipoSolicitud, const QVariant& idFlujo,
                                        const QVariant& empresa) {
  return RowsOf(flujo("EXEC dbo.PortaEmpleado_EmpleadosEnFlujo   ", empresa, tipoSolicitud, idFlujo));
}

Rows mdlOperacion::cargaEmpleadosDisponiblesAutorizar(const QVariant& tipoSolicitud, const QVariant& idFlujo,
                                                      const QVariant& empresa) {
  return RowsOf(flujo("EXEC dbo.PortaEmpleado_AutorizarEmpleadosDisponibles   ", empresa, tipoSolicitud, idFlujo));
}

bool mdlOperacion::AgregarSolicitar(const QVariant& empresa, const QVariant& idSolicitud, const QVariant& codigo,
                                    const QVariant& idFlujo) {
  return ResultShapes::Executed(QStringLiteral(" exec dbo.PortaEmpleado_AgregaAsolicitar  ") + Held(empresa) + u',' +
                                 Held(idSolicitud) + u',' + Held(codigo) + QStringLiteral(",'") + InQuotes(idFlujo) +
                                 u'\'');
}

Rows mdlOperacion::cargaEmpleadosFlujoDisponibles(const QVariant& empresa, const QVariant& idSolicitud,
                                                  const QVariant& idFlujo, const QVariant& tipo,
                                                  const QVariant& valor) {
  return RowsOf(QStringLiteral("EXEC dbo.PortaEmpleado_EmpleadosFlujoDisponibles   ") + Held(empresa) + u',' +
                Held(idSolicitud) + u',' + Held(idFlujo) + u',' + Held(tipo) + QStringLiteral(",'") +
                InQuotes(valor) + u'\'');
}
