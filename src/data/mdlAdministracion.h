#pragma once
// The statements of the administrator screen and its flow page: company list, vacation
// display option, mail account, logo and signature, policies, the all-companies receipts flag
// and its exceptions, flows, approvers, assigned employees and the workflow switches.
// Writes answer whether the server took the statement (a rejected one has already been shown
// in the data source's alert). Companies, types, flows and codes go as held; texts between
// quotes with their quotes doubled.
#include <QString>
#include <QVariant>

#include "data/Rows.h"

// The fourteen values of the mail account as the administrator screen writes them.
struct ConfiguracionMail {
  QString servidor, cuenta, puerto, usuario;
  QString password;  // already scrambled
  bool autenticacion = false;
  QString tipoAutenticacion;
  bool ssl = false, tls = false;
  QString mailRH;
};

class mdlAdministracion {
 public:
  Rows CargaEmpresas();

  Rows OpcionVacaciones(const QVariant& empresa);
  bool GuardaOpcionVacaciones(const QVariant& empresa, const QVariant& opcion);

  bool GuardaConfiguracionMail(const QVariant& empresa, const ConfiguracionMail& mail);

  Rows Logo(const QVariant& empresa);
  bool GuardaLogo(const QVariant& empresa, const QString& logo, const QString& firma);

  Rows Politicas(const QVariant& empresa);
  bool GuardaPolitica(const QVariant& empresa, const QVariant& id, const QString& nombre, const QString& archivo);
  bool EliminaPolitica(const QVariant& empresa, const QVariant& id);

  Rows EmpresasTodas();  // emps_todas
  bool GuardaEmpresasTodas(bool todas);
  Rows Excepciones(bool excepciones);  // 1: the exceptions, 0: the employees who may be added
  bool MantenimientoConsolidar(const QVariant& empresa, const QVariant& codigo);

  // Flow page.
  QString IdFlujo(const QVariant& empresa, const QVariant& tipo, const QString& nombre);  // "0" when none
  Rows ConfiguracionFlujo(const QVariant& empresa);
  bool GuardaConfiguracionFlujo(const QVariant& empresa, bool supervisor, bool envioSolicitud, bool porCorreo,
                                const QString& url);
  bool EliminaAprobador(const QVariant& empresa, const QVariant& tipo, const QVariant& codigo, const QVariant& flujo);
  bool NuevoOrden(const QVariant& empresa, const QVariant& tipo, const QVariant& codigo, const QVariant& orden,
                  const QVariant& flujo);
  bool EliminaDeFlujo(const QVariant& empresa, const QVariant& codigo, const QVariant& flujo, const QVariant& tipo);
  bool AgregaEmpleadoFlujo(const QVariant& empresa, const QVariant& tipo, const QVariant& flujo, const QVariant& codigo);
  static QString ListadoFlujos(const QVariant& empresa, const QVariant& tipo);  // the report's statement
};
