#pragma once
// Every statement text the portal sends, with realistic values as the session store holds them
// (company in 8 positions, employee in 10, session key in 6). The contract test runs them on the
// demo database; the terminal check's procedure table is kept in step with them.
#include <QList>
#include <QString>

#include "data/Scramble.h"

namespace ContractStatements {

enum class Kind { Rows, Write };

struct Sent {
  const char* name;
  Kind kind;
  QString statement;
  int columns = 0;          // at least this many columns
  QList<int> filled = {};   // columns (from 1) of the first row that must hold a value
};

// Session values of employee 1 of company 1 after login under key 4242.
inline const QString E = QStringLiteral("       1");    // Empresa
inline const QString C = QStringLiteral("         1");  // Codigo
inline const QString K = QStringLiteral("  4242");      // oLlaveTemporal

inline QList<Sent> Statements() {
  const QString pwd = EncriptaPWD(QStringLiteral("Clave2024"));
  return {
      // Login, password, permissions, menu.
      {"ValidaEntrada", Kind::Rows, "exec peValidaEntrada 1,'" + pwd + "',0,0", 9, {1, 2, 3, 4, 5, 6, 8, 9}},
      {"ValidaPasswordNulo", Kind::Rows, "exec peValidaPasswordNulo @codigo=" + C + ", @empresa=" + E, 1, {1}},
      {"InsertaEmpresasSeleccionadas", Kind::Write, " exec PortalPatronInsertaEmpresasSeleccionadas " + K + "," + E},
      {"PermisoPerfil", Kind::Rows, " exec permisoEmpleadoPerfil " + E + "," + C + ",'A','A1'", 1, {1}},
      {"PermisoVerSueldo", Kind::Rows, " exec permisoEmpleadoVerSueldo " + E + "," + C, 1, {1}},
      {"Administrador", Kind::Rows, " Select usuario from usuarios  where usuario='Administrador' and password='" +
                                        EncriptaPWD(QStringLiteral("Admin2024")) + "'", 1, {1}},
      {"ActualizaPassword", Kind::Write, " exec portalEmpleadoActualizaPassword '" + pwd + "'," + C + "," + E},
      {"CompanyInformation", Kind::Rows, "exec peGetCompanyInformation " + E, 5, {1, 2, 3, 4, 5}},
      {"Logo", Kind::Rows, " SELECT isnull(rutaImagen,''), isnull(rutaFirma,'') FROM PORTALEMPLEADOLOGO  where idempresa= " + E, 2, {1, 2}},
      {"InicializaVacaciones", Kind::Write, "PortalEmpleadoInicializaConfiguracionVacaciones " + E},
      {"MarcasAutorizaSup", Kind::Rows, "exec dbo.PortaEmpleado_MarcasAutorizaSup " + E + "," + C, 5, {2, 3, 4, 5}},
      {"BorraEmpresasSeleccionadas", Kind::Write, " exec PortalPatronBorraEmpresasSeleccionadas " + K},
      // Employee data, family, states, payroll data.
      {"InformacionGeneral", Kind::Rows, "exec peInformacionGeneral " + E + "," + C, 35, {14, 15, 16, 17, 18, 19, 21, 30, 31, 33, 34, 35}},
      {"NombresHijos", Kind::Rows, " select h.nombre  from rhcatalogo c, rhfamiliar h where c.codigo= " + C + " and c.empresa= " + E +
                                       " and c.idcatalogo = h.idcatalogo  and h.idparentesco = 3 ", 1, {1}},
      {"ExistePadre", Kind::Rows, " select p.nombre, p.nombre  from rhcatalogo c, rhfamiliar p  where c.codigo= " + C + " and c.empresa= " + E +
                                      " and c.idcatalogo = p.idcatalogo  and p.idparentesco = 1 ", 2, {1}},
      {"ExisteMadre", Kind::Rows, " select p.nombre, p.nombre  from rhcatalogo c, rhfamiliar p  where c.codigo= " + C + " and c.empresa= " + E +
                                      " and c.idcatalogo = p.idcatalogo  and p.idparentesco = 2 ", 2, {1}},
      {"ExisteConyuge", Kind::Rows, " select p.nombre, p.nombre  from rhcatalogo c, rhfamiliar p  where c.codigo= " + C + " and c.empresa= " + E +
                                        " and c.idcatalogo = p.idcatalogo  and p.idparentesco = 5 ", 2, {1}},
      {"IdCatalogo", Kind::Rows, " select idcatalogo from rhcatalogo   where empresa=" + E + " and codigo=" + C, 1, {1}},
      {"IdCatalogoHijos", Kind::Rows, " select idcatalogo  from rhcatalogo where empresa= " + E + " and codigo=" + C, 1, {1}},
      {"SiguienteFamiliar", Kind::Rows, " select isnull(max(id_familia),0) from rhfamiliar", 1, {1}},
      {"GuardaDatos", Kind::Write, " update datosemps set  domicilio='AV. JUÁREZ 100', colonia='CENTRO', edocivil='C', poblacion='NUEVO LEÓN',"
                                   " municipio='MONTERREY', localidad='MONTERREY', codpostal='64000', telefono='8112345678',"
                                   " email='juan@demo.local' where codigo='1' and empresa=1"},
      {"GuardaPadre", Kind::Write, "update rhfamiliar set  nombre='JOSÉ GARCÍA' where idparentesco=1 and Idcatalogo=1"},
      {"NuevoPadre", Kind::Write, "INSERT INTO rhfamiliar (id_familia, nombre,Idcatalogo,idparentesco) values( 90000001,'PEDRO GARCÍA',1,1)"},
      {"ListaHijos", Kind::Rows, " select h.id_familia, h.nombre, isnull(c.idcatalogo,0), DATEDIFF(YY,fch_nac,GETDATE()) as edad  from rhcatalogo c,"
                                 " rhfamiliar h  where c.codigo= " + C + " and c.empresa= " + E + " and c.idcatalogo = h.idcatalogo  and h.idparentesco = 3 ",
       4, {1, 2, 3, 4}},
      {"AgregaHijo", Kind::Write, " INSERT INTO rhfamiliar (id_familia, nombre,Idcatalogo,idparentesco,fch_nac) values(90002,'LUCÍA GARCÍA',1,3,'20150312')"},
      {"CorrigeHijo", Kind::Write, "update rhfamiliar set nombre='LUCÍA GARCÍA VALDEZ', fch_nac='20150313' where id_familia='90002' and Idcatalogo=1"},
      {"BorraHijo", Kind::Write, "Delete from rhfamiliar   where id_familia=90002 and idcatalogo=1"},
      // Employee data: a status outside the five words keeps its code; ids are written whole.
      {"GuardaDatosSinEdoCivil", Kind::Write, " update datosemps set  domicilio='CALLE 5 DE MAYO 12-\"A\"', colonia='CENTRO',"
                                              " poblacion='NUEVO LEÓN', municipio='MONTERREY', localidad='MONTERREY', codpostal='64000',"
                                              " telefono='8112345678', email='juan@demo.local' where codigo='1' and empresa=1"},
      {"AgregaHijoNumeroLargo", Kind::Write, " INSERT INTO rhfamiliar (id_familia, nombre,Idcatalogo,idparentesco,fch_nac) values(123456,"
                                             "'ANA O''HARA',       1,3,'20150312')"},
      {"Estados", Kind::Rows, "select idestados, edtado from rhestados ", 2, {1, 2}},
      {"InformacionNomina", Kind::Rows,
       " select e.nombre, e.ap_paterno, e.ap_materno , e.rfcalfa, e.rfcnum,  e.rfchomo, e.curp, e.afiliacion, e.digvera, t.ocupacion, t.actividad,   "
       "e.tiposal, ll.tiponom, n.nomina, e.tipo_emp,ll.centro, c.nomdepto,  ll.horario, hc.nombre,  CONVERT ( varchar(11) , e.fchalta , 113 ), "
       "CONVERT ( varchar(11) , e.fchantigua , 113 ),  ll.banco, b.nombre, e.cta_bco_no, de.email,  de.domicilio, de.colonia, de.poblacion, "
       "isnull(de.codpostal,0), de.telefono, de.umf,  CONVERT ( varchar(11) , e.fchnac, 113 ), e.edonac, de.nacional, de.edocivil, e.fchnac, "
       "CONVERT ( varchar(11) , e.fch_baja, 113 ), e.fch_baja from empleados e, llaves ll, centros c, tabulador t, datosemps de,  bancos b, "
       "nominas n, horarios_catalogo hc  where e.codigo= " + C + " and e.empresa= " + E + " and e.codigo=ll.codigo   and ll.centro=c.centro  "
       " and ll.empresa=c.empresa   and ll.ocupacion=t.ocupacion and ll.empresa=t.empresa and ll.banco=b.banco and ll.horario=hc.horario"
       " and ll.empresa=hc.empresa and ll.codigo=de.codigo and ll.empresa=de.empresa and ll.empresa=n.empresa and ll.tiponom=n.tiponom",
       38, {1, 2, 4, 5, 6, 7, 8, 10, 11, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 32, 36}},
      // Receipts (the session key is recorded again first: the logout above removed it).
      {"InsertaEmpresasOtraVez", Kind::Write, " exec PortalPatronInsertaEmpresasSeleccionadas " + K + "," + E},
      {"Ayos", Kind::Rows, "exec PortalEmpleadoCargaAyosDeRecibos " + K + "," + C, 1, {1}},
      {"TiposNomina", Kind::Rows, "EXEC PortalEmpleadoCargaTipoNominaDeRecibos 2025,4242," + C, 1, {1}},
      {"Periodos", Kind::Rows, "exec PortalEmpleadoCargaPeriodosDeRecibos 2025,4,1,4242", 1, {1}},
      {"Listado", Kind::Rows, "exec  PortalEmpleadoCargaListadoDeRecibos 4,2025,1,24,'','','',4242,1,'110001','       1'", 17,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
      {"ListadoAguinaldo", Kind::Rows, "exec  PortalEmpleadoCargaListadoDeRecibos 4,2025,1,99,'AGI','','',4242,1,'110001','       1'", 17, {1, 2, 11, 15}},
      {"ListadoReporte", Kind::Rows, "exec pePortalPatronObtenListadoRecibos 4,2025,1,24,'','','',4242,      1,'110001','       1'", 17, {1, 2, 17}},
      {"DetalleRecibo", Kind::Rows, "exec pePortalPatronObtenDetalleRecibosFunU @nomina=40, @año=2025, @periodo=3, @codigo=" + C +
                                        ", @tiponom=       4, @empresa=       1, @cUsuario='" + C + "'", 20, {1, 2, 5, 6}},
      {"EmpresaRecibo", Kind::Rows, " select rfc_empresa,registro_patronal, nombre_empresa,empresa  from empresas where empresa= 1", 4, {1, 2, 3, 4}},
      {"ExisteCFDI", Kind::Rows, "exec existeReciboCFDI 1," + C + ",'40',3,2025", 11, {8, 9, 10, 11}},
      {"MarcaRecibo", Kind::Write, "exec ModificaPortalMarcasRecibos 1,1,'40','3','2025','PDF'"},
      {"ConfiguraMail", Kind::Rows, "exec getConfiguraMailPortalEmpleado 1", 15, {1, 2, 3, 4, 7, 8, 11, 12, 15}},
      {"MailSupervisor", Kind::Rows, " exec peObtenMaildeSupervisor " + E + ",         5", 1, {1}},
      // Vacations, absences, overtime.
      {"Vacaciones", Kind::Rows, " exec peListadoVacacionesPantalla " + E + "," + C + ",'T','20240101','20261231','110001'", 11,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"VacacionesFechas", Kind::Rows, " exec peListadoVacacionesPantalla " + E + "," + C + ",'F','20000101','20991231','110001'", 11, {3}},
      {"Ausentismos", Kind::Rows, " exec peListadoAusentismo " + E + ",        10,'T','20240101','20261231','120010'", 9, {1, 2, 3, 4, 5, 6, 8, 9}},
      {"TiempoExtra", Kind::Rows, " exec peListadoTiempoExtra " + E + ",        10,'T','20240101','20261231','120010'", 9, {1, 2, 3, 4, 5, 6, 8, 9}},
      {"AnualVacaciones", Kind::Rows, "EXECUTE GetAbsentimsForYear 1,10,2025", 2, {1}},
      {"OpcionVacaciones", Kind::Rows, "exec peCargaOpcionVacaciones " + E, 1, {1}},
      {"SaldoVacaciones", Kind::Rows, "exec dbo.Fun_P_Catalogos  @nEmpresa=" + E + ", @cCatalogo= '[Catalogo GENERAL DE VACACIONES]' , @nCodigo=" +
                                          C + ", @nOrden=0, @nSerial=0, @cusuario='1'", 55, {10, 20, 21, 33, 55}},
      {"SolicitudVacaciones", Kind::Rows, " exec peSolicitudVacaciones " + E + "," + C, 3, {1, 2, 3}},
      // Requests and authorizations.
      {"ListadoSolicitudes", Kind::Rows, " EXEC dbo.PortaEmpleado_ListadoSolicitudes " + E + ",         5,1", 2, {1, 2}},
      {"DetalleSolicitud", Kind::Rows, "EXEC dbo.PortaEmpleado_DetalleSolicitud 1", 5, {1, 3, 4, 5}},
      {"ProgresoSolicitud", Kind::Rows, "EXEC dbo.PortaEmpleado_ProgresoSolicitud 1", 4, {1, 2, 3, 4}},
      {"AgregaSolicitud", Kind::Rows, " exec dbo.PortalEmpleado_AgregaSolicitudVPA  @empresa=" + E + ",  @codigo=        15, @fecha='20270301', "
                                          "@dias=2, @fechaReal='20261208', @causa='DÍAS PERSONALES', @importe=0, @tipoSol=1", 7, {3, 4, 6, 7}},
      {"DatosEnviar", Kind::Rows, "EXEC dbo.PortaEmpleado_SolicitudDatosEnviar 1,0", 9, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"ServidorCorreo", Kind::Rows, "EXEC dbo.PortalEmpleado_ServidorCorreo " + E + ",5", 1, {1}},
      {"PendientesAutorizar", Kind::Rows, " EXEC dbo.PortaEmpleado_PendientesAutorizar " + E + ",         3,       1", 10, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"Autoriza", Kind::Write, "EXEC dbo.PortalEmpleado_ModificaEstatus        1,1,'S',''"},
      {"Rechaza", Kind::Write, "EXEC dbo.PortalEmpleado_ModificaEstatus 2,1,'N','SIN COBERTURA EN EL ÁREA'"},
      {"Cancela", Kind::Write, "EXEC dbo.PortalEmpleado_ModificaEstatus 7,1,'N','CANCELADA POR EL USUARIO'"},
      {"MailEmpleado", Kind::Rows, "select mail from empleados where empresa= 1 and codigo=5", 1, {1}},
      {"AyosEmpleado", Kind::Rows, "EXEC dbo.PortalEmpleado_Ayos 1,10", 1, {1}},
      {"ListadoVacacionesEmpleado", Kind::Rows, "EXEC dbo.PortalEmpleado_Listados  @empresa = 1 ,@codigo = 1 ,@afiliacion='' ,@fechaInicial=''  "
                                                    ",@fechaFinal=' ' ,@listado= 1 ,@todas='S' ,@Ayo=2025 ,@nomina=''", 11, {1, 3, 4, 11}},
      {"ListadoAusenciasEmpleado", Kind::Rows, "EXEC dbo.PortalEmpleado_Listados  @empresa = 1 ,@codigo = 10 ,@afiliacion='' ,@fechaInicial=''  "
                                                   ",@fechaFinal=' ' ,@listado= 2 ,@todas='S' ,@Ayo=2025 ,@nomina=''", 8, {2, 3, 7, 8}},
      // Flow definition and maintenance.
      {"Catalogos", Kind::Rows, " exec dbo.PortaEmpleado_Catalogos " + E + ",1", 2, {1, 2}},
      {"AgregaFlujo", Kind::Write, "exec dbo.PortaEmpleado_AgregaFlujo " + E + ",1,'VACACIONES VENTAS'"},
      {"ModificaFlujo", Kind::Write, " exec dbo.PortalEmpleado_ModificaNombreFlujo  1,10,'VACACIONES VENTAS NORTE'"},
      {"Flujos", Kind::Rows, "exec dbo.PortaEmpleado_Flujos " + E + ",1", 4, {1, 4}},
      {"IdFlujo", Kind::Rows, "select idflujo from PortalEmpleadoFlujo where empresa=" + E + " and TipoSol= 1 and Nombre= 'VACACIONES VENTAS NORTE'", 1, {1}},
      {"PersonasAutorizan", Kind::Rows, "EXEC dbo.PortaEmpleado_ExtraePersonasAutorizar  " + E + ",1,2", 5, {1, 2, 3, 4, 5}},
      {"PersonasEnFlujo", Kind::Rows, "EXEC dbo.PortaEmpleado_EmpleadosEnFlujo   " + E + ",1,1", 5, {1, 2, 3, 4, 5}},
      {"DisponiblesAutorizar", Kind::Rows, "EXEC dbo.PortaEmpleado_AutorizarEmpleadosDisponibles   " + E + ",1,9", 3, {1, 2, 3}},
      {"AgregaAprobador", Kind::Write, " exec dbo.PortaEmpleado_AgregaAsolicitar  " + E + ",1,         3,'9'"},
      {"EmpleadosDisponibles", Kind::Rows, "EXEC dbo.PortaEmpleado_EmpleadosFlujoDisponibles   " + E + ",1,9,0,''", 7, {1, 2, 3, 4, 5, 7}},
      {"AgregaEmpleadoFlujo", Kind::Write, "exec dbo.PortaEmpleado_AgregaEmpleadoFlujo 1,1,9,15"},
      {"NuevoOrden", Kind::Write, "exec dbo.PortaEmpleado_SolicitudNuevoOrdenPorRegistro " + E + ",1,3,2,2"},
      {"EliminaAprobador", Kind::Write, " EXEC dbo.PortaEmpleado_EliminaAprobador " + E + ",1,3,9"},
      {"EliminaDeFlujo", Kind::Write, " EXEC dbo.PortaEmpleado_EliminaDeFlujo @empresa=1, @codigo=15, @idFlujo=9, @TipoSol=1"},
      {"ReporteFlujos", Kind::Rows, "EXECUTE dbo.PortalEmpleado_ListadoFlujosAsignados " + E + ",1", 4, {1, 2}},
      {"ExtraeAdminConfig", Kind::Rows, "exec PortaEmpleado_ExtraeAdminConfig " + E, 5, {2, 3, 4}},
      {"AdminConfigModifica", Kind::Write, "exec PortaEmpleado_AdminConfigModifica " + E + ",'0','1','0','http://portal.demo.local'"},
      // Reports and policies.
      {"ReporteCursos", Kind::Rows, " exec peCursosPorTrabajador 1," + C, 3, {1, 2, 3}},
      {"ReporteConstancia", Kind::Rows, " exec peConstanciaTrabajo 1," + C, 3, {1, 2, 3}},
      {"ReporteAntiguedad", Kind::Rows, " exec peConstanciaAntiguedad 1," + C, 3, {1, 2, 3}},
      {"ReporteInfonavit", Kind::Rows, " exec pePrestamoInfonavit 1,         6", 3, {1, 2, 3}},
      {"ReporteFondo", Kind::Rows, " exec peFondoDEAhorro 1,         1", 3, {1, 2, 3}},
      {"ReporteOtros", Kind::Rows, " exec pePrestamosOtrasDeducciones 1,         2", 3, {1, 2, 3}},
      {"ReporteIMSS", Kind::Rows, " exec peMovimientosIMSS 1," + C, 3, {1, 2, 3}},
      {"ReporteSueldo", Kind::Rows, " exec peMovimientosSueldo 1," + C, 3, {1, 2, 3}},
      {"ReporteInformacion", Kind::Rows, " exec peInformacionGeneral 1," + C, 35, {3}},
      {"EmpresasEscritorio", Kind::Rows, "exec dbo.PortalEmpleado_EmpresasEscritorio " + C + ",'" + pwd + "'", 12, {1, 12}},
      {"Politicas", Kind::Rows, " exec PortalEmpleadoListadoPoliticas " + E, 4, {2, 3, 4}},
      // Reports screen documents as the screen sends them: the company as held, the employee
      // who has rows for all ten.
      {"PantallaReportes1", Kind::Rows, " exec peInformacionGeneral " + E + "," + C, 35, {2, 3, 7}},
      {"PantallaReportes2", Kind::Rows, " exec peCursosPorTrabajador " + E + "," + C, 5, {1, 2, 3}},
      {"PantallaReportes3", Kind::Rows, " exec peConstanciaTrabajo " + E + "," + C, 12, {2, 4, 8}},
      {"PantallaReportes4", Kind::Rows, " exec peSolicitudVacaciones " + E + "," + C, 12, {2, 3, 6}},
      {"PantallaReportes5", Kind::Rows, " exec peConstanciaAntiguedad " + E + "," + C, 8, {2, 3, 4}},
      {"PantallaReportes6", Kind::Rows, " exec pePrestamoInfonavit " + E + "," + C, 6, {2, 4, 6}},
      {"PantallaReportes7", Kind::Rows, " exec peFondoDEAhorro " + E + "," + C, 6, {2, 4, 6}},
      {"PantallaReportes8", Kind::Rows, " exec pePrestamosOtrasDeducciones " + E + "," + C, 6, {2, 4, 6}},
      {"PantallaReportes9", Kind::Rows, " exec peMovimientosIMSS " + E + "," + C, 5, {2, 3, 5}},
      {"PantallaReportes10", Kind::Rows, " exec peMovimientosSueldo " + E + "," + C, 5, {2, 3, 5}},
      // Administrator screen.
      {"Empresas", Kind::Rows, "exec peCargaListadoEmpresas ", 2, {1, 2}},
      {"GuardaOpcionVacaciones", Kind::Write, " exec PortalEmpleadoGuardaConfiguracionVacaciones " + E + ",3"},
      {"GuardaMail", Kind::Write, " exec PortalEmpleadoConfiguraMail 1,'127.0.0.1','portal@norte.demo.local','2525','No','','','No',"
                                  "'Automatically','','','No','No','rh@norte.demo.local'"},
      {"LeeLogo", Kind::Rows, " select rutaimagen,rutafirma from portalempleadologo where idempresa= " + E, 2, {1, 2}},
      {"GuardaLogo", Kind::Write, " exec PortalEmpleadoGuardaLogo " + E + ",'demo/logo_norte.jpg','demo/firma_rh.jpg'"},
      {"NuevaPolitica", Kind::Write, " exec PortalEmpleadoGuardaPoliticas " + E + ",'0','Código de Conducta','Conducta.pdf'"},
      {"CambiaPolitica", Kind::Write, " exec PortalEmpleadoGuardaPoliticas " + E + ",'2','Política de Vacaciones','demo/politica_vacaciones.pdf'"},
      {"EliminaPolitica", Kind::Write, " exec PortalEmpleadoEliminaPolitica " + E + ",'1'"},
      {"ListadoConsolidar", Kind::Rows, " exec PortalEmpleadoListadoConsolidar 0 ", 3, {1, 2, 3}},
      {"MantenimientoConsolidar", Kind::Write, "exec PortaEmpleado_MantenimientoConsolidar 1,5"},
      {"Excepciones", Kind::Rows, " exec PortalEmpleadoListadoConsolidar 1 ", 3, {1, 2, 3}},
      {"Consolidar", Kind::Write, "update PortalEmpleadoConfig set emps_todas='S'"},
      // The CFDI stamp the receipt templates print, in the columns after the ones the screens read.
      {"DetalleReciboTimbre", Kind::Rows, "exec pePortalPatronObtenDetalleRecibosFunU @nomina=40, @año=2025, @periodo=3, @codigo=" + C +
                                              ", @tiponom=       4, @empresa=       1, @cUsuario='" + C + "'", 36,
       {30, 31, 32, 33, 34, 35, 36}},
      // Administrator screen: the all-companies receipts flag as the screen reads it.
      {"LeeEmpresasTodas", Kind::Rows, "select emps_todas from PortalEmpleadoConfig", 1, {1}},
  };
}

}  // namespace ContractStatements
