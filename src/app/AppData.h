#pragma once
// The session store: one record of named values created at start-up and read everywhere.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class mdlConexion;
class TDataSource;
class mdlNomina;
class mdlOperacion;

struct SessionStore {
  QString UsuarioGet;
  QString Empresa;                 // company, right-aligned in 8 positions
  QString Codigo;                  // employee, right-aligned in 10 positions
  QString NombreTrabajador;
  QString Nomina;
  int Periodo = 0;
  QString FInicio;
  QString FCierre;
  QString oPassword;               // typed password, scrambled
  std::shared_ptr<mdlConexion> oConexion;
  QString CDATABASE;
  std::shared_ptr<TDataSource> oAdo;
  std::shared_ptr<mdlNomina> oNomina;
  std::shared_ptr<mdlOperacion> oOperacion;
  QString oLlaveTemporal;          // session key, right-aligned in 6 positions
  QString Afiliacion;
  QString email;
  QString imagenLogo;
  QString imagenFirma;
  QString NombreEmpresa;
  QString RFCEmpresa;
  QString RegistroPatronalEmpresa;
  QString direccionEmpresa;
  QString entidadEmpresa;
  QVariant Historial;
  QVariant gsAutorizaSupervisores;
  QVariant gsEnviaSolicitudCorreo;
  QVariant gsEmpleadoAutoriza;
  QVariant gsEmpleadoSupervisor;

  // Every key empty, then the four report defaults, as at start-up.
  void Reset();

  // Key names in creation order, and plain values by name (case ignored) for tools and tests.
  static QStringList Keys();
  QVariant Value(const QString& name) const;
};

extern SessionStore AppData;
