#include "data/PortalContract.h"

namespace PortalContract {

const QList<Procedure>& Procedures() {
  static const QList<Procedure> procedures = {
    {"existeReciboCFDI", 5},
    {"Fun_P_Catalogos", 6, "@nEmpresa, @cCatalogo, @nCodigo, @nOrden, @nSerial, @cusuario"},
    {"GetAbsentimsForYear", 3},
    {"getConfiguraMailPortalEmpleado", 1},
    {"ModificaPortalMarcasRecibos", 6},
    {"peCargaListadoEmpresas", 0},
    {"peCargaOpcionVacaciones", 1},
    {"peConstanciaAntiguedad", 2},
    {"peConstanciaTrabajo", 2},
    {"peCursosPorTrabajador", 2},
    {"peFondoDEAhorro", 2},
    {"peGetCompanyInformation", 1},
    {"peInformacionGeneral", 2},
    {"peListadoAusentismo", 6},
    {"peListadoTiempoExtra", 6},
    {"peListadoVacacionesPantalla", 6},
    {"peMovimientosIMSS", 2},
    {"peMovimientosSueldo", 2},
    {"peObtenMaildeSupervisor", 2},
    {"pePortalPatronObtenDetalleRecibosFunU", 7, "@nomina, @año, @periodo, @codigo, @tiponom, @empresa, @cUsuario"},
    {"pePortalPatronObtenListadoRecibos", 11},
    {"pePrestamoInfonavit", 2},
    {"pePrestamosOtrasDeducciones", 2},
    {"permisoEmpleadoPerfil", 4},
    {"permisoEmpleadoVerSueldo", 2},
    {"peSolicitudVacaciones", 2},
    {"peValidaEntrada", 4},
    {"peValidaPasswordNulo", 2, "@codigo, @empresa"},
    {"PortaEmpleado_AdminConfigModifica", 5},
    {"PortaEmpleado_AgregaAsolicitar", 4},
    {"PortaEmpleado_AgregaEmpleadoFlujo", 4},
    {"PortaEmpleado_AgregaFlujo", 3},
    {"PortaEmpleado_AutorizarEmpleadosDisponibles", 3},
    {"PortaEmpleado_Catalogos", 2},
    {"PortaEmpleado_DetalleSolicitud", 1},
    {"PortaEmpleado_EliminaAprobador", 4},
    {"PortaEmpleado_EliminaDeFlujo", 4, "@empresa, @codigo, @idFlujo, @TipoSol"},
    {"PortaEmpleado_EmpleadosEnFlujo", 3},
    {"PortaEmpleado_EmpleadosFlujoDisponibles", 5},
    {"PortaEmpleado_ExtraeAdminConfig", 1},
    {"PortaEmpleado_ExtraePersonasAutorizar", 3},
    {"PortaEmpleado_Flujos", 2},
    {"PortaEmpleado_ListadoSolicitudes", 3},
    {"PortaEmpleado_MantenimientoConsolidar", 2},
    {"PortaEmpleado_MarcasAutorizaSup", 2},
    {"PortaEmpleado_PendientesAutorizar", 3},
    {"PortaEmpleado_ProgresoSolicitud", 1},
    {"PortaEmpleado_SolicitudDatosEnviar", 2},
    {"PortaEmpleado_SolicitudNuevoOrdenPorRegistro", 5},
    {"PortalEmpleado_AgregaSolicitudVPA", 8, "@empresa, @codigo, @fecha, @dias, @fechaReal, @causa, @importe, @tipoSol"},
    {"PortalEmpleado_Ayos", 2},
    {"PortalEmpleado_EmpresasEscritorio", 2},
    {"PortalEmpleado_ListadoFlujosAsignados", 2},
    {"PortalEmpleado_Listados", 9, "@empresa, @codigo, @afiliacion, @fechaInicial, @fechaFinal, @listado, @todas, @Ayo, @nomina"},
    {"PortalEmpleado_ModificaEstatus", 4},
    {"PortalEmpleado_ModificaNombreFlujo", 3},
    {"PortalEmpleado_ServidorCorreo", 2},
    {"portalEmpleadoActualizaPassword", 3},
    {"PortalEmpleadoCargaAyosDeRecibos", 2},
    {"PortalEmpleadoCargaListadoDeRecibos", 11},
    {"PortalEmpleadoCargaPeriodosDeRecibos", 4},
    {"PortalEmpleadoCargaTipoNominaDeRecibos", 3},
    {"PortalEmpleadoConfiguraMail", 14},
    {"PortalEmpleadoEliminaPolitica", 2},
    {"PortalEmpleadoGuardaConfiguracionVacaciones", 2},
    {"PortalEmpleadoGuardaLogo", 3},
    {"PortalEmpleadoGuardaPoliticas", 4},
    {"PortalEmpleadoInicializaConfiguracionVacaciones", 1},
    {"PortalEmpleadoListadoConsolidar", 1},
    {"PortalEmpleadoListadoPoliticas", 1},
    {"PortalPatronBorraEmpresasSeleccionadas", 1},
    {"PortalPatronInsertaEmpresasSeleccionadas", 2},
  };
  return procedures;
}

const QStringList& Tables() {
  static const QStringList tables = {
      QStringLiteral("bancos"),         QStringLiteral("centros"),           QStringLiteral("datosemps"),
      QStringLiteral("empleados"),      QStringLiteral("empresas"),          QStringLiteral("horarios_catalogo"),
      QStringLiteral("llaves"),         QStringLiteral("nominas"),           QStringLiteral("PortalEmpleadoConfig"),
      QStringLiteral("PortalEmpleadoFlujo"), QStringLiteral("PORTALEMPLEADOLOGO"), QStringLiteral("rhcatalogo"),
      QStringLiteral("rhestados"),      QStringLiteral("rhfamiliar"),        QStringLiteral("tabulador"),
      QStringLiteral("usuarios"),
  };
  return tables;
}

QStringList NamedArguments(const Procedure& p) {
  QStringList names;
  for (const QString& n : QString::fromUtf8(p.named).split(u',', Qt::SkipEmptyParts)) names << n.trimmed();
  return names;
}

}  // namespace PortalContract
