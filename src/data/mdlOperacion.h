#pragma once
// The stored-procedure calls and small queries shared by the login, the menu, the time and
// absence screens, the receipts and the request workflow (session key oOperacion). Every one
// runs on the session data source; values come in as held (numbers and codes bare, leading
// blanks included) and texts between quotes with their quotes doubled.
#include <QString>
#include <QVariant>
#include <memory>

#include "data/ResultShapes.h"
#include "data/Rows.h"

class TQuery;

class mdlOperacion {
 public:
  // Login and permissions
  Rows peValidaEntrada(const QVariant& codigo, const QVariant& vPassword);
  Rows peValidaPasswordNulo(const QVariant& codigo, const QVariant& empresa);
  QVariant permisoEmpleadoPerfil(const QVariant& funcion, const QVariant& opcion);  // 0 when none
  QVariant permisoVerSueldos();                                                     // "N" when none

  // Time and absence: tipo true gives the open query (or nothing), false the rows.
  Listado consultaVacaciones(const QVariant& filtro, const QVariant& fechaDe, const QVariant& fechaA, bool tipo,
                             const QVariant& afiliacion);
  Listado consultaAusentismos(const QVariant& filtro, const QVariant& fechaDe, const QVariant& fechaA, bool tipo);
  Listado consultaTiempoExtra(const QVariant& filtro, const QVariant& fechaDe, const QVariant& fechaA, bool tipo,
                              const QVariant& ignorado = QVariant());

  // Employee data
  Rows peCargaPoblacion();

  // Receipts
  bool existeRecibo(const QVariant& empresa, const QVariant& codigo, const QVariant& nomina, const QVariant& periodo,
                    const QVariant& nYear);
  Rows obtenArchivosCFDI(const QVariant& empresa, const QVariant& codigo, const QVariant& nomina,
                         const QVariant& periodo, const QVariant& nYear);
  bool ModificaPortalMarcasRecibos(const QVariant& empresa, const QVariant& codigo, const QVariant& nomina,
                                   const QVariant& periodo, const QVariant& ayo_operacion, const QVariant& columna);

  // Mail
  Rows obtenConfiguraEmail(const QVariant& empresa);
  QVariant ObtenMaildeSupervisor(const QVariant& codigo);  // "" when none

  // Request workflow
  Rows obtenDepartamentoPuestoParaAutorizacion(const QVariant& empresa, const QVariant& tipo);
  Rows obtenSolicitudesDeEmpleado(const QVariant& tipo, const QVariant& codigo);
  bool insertaFlujo(const QVariant& tipoSolicitud, const QVariant& nombreFlujo, const QVariant& empresa);
  bool modificaFlujo(const QVariant& idSolicitud, const QVariant& idFlujo, const QVariant& nombreFlujo,
                     const QVariant& ignorado = QVariant());
  Rows cargaFlujos(const QVariant& tipoSolicitud, const QVariant& empresa);
  Rows cargaPersonasAutorizan(const QVariant& tipoSolicitud, const QVariant& idFlujo, const QVariant& empresa);
  Rows cargaPersonasEnFlujo(const QVariant& tipoSolicitud, const QVariant& idFlujo, const QVariant& empresa);
  Rows cargaEmpleadosDisponiblesAutorizar(const QVariant& tipoSolicitud, const QVariant& idFlujo,
                                          const QVariant& empresa);
  bool AgregarSolicitar(const QVariant& empresa, const QVariant& idSolicitud, const QVariant& codigo,
                        const QVariant& idFlujo);
  Rows cargaEmpleadosFlujoDisponibles(const QVariant& empresa, const QVariant& idSolicitud, const QVariant& idFlujo,
                                      const QVariant& tipo, const QVariant& valor);
};
