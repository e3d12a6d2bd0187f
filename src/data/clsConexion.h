#pragma once
// The direct connection (screen variable CNX): opens itself on first use from [CONFIG], read
// afresh from config.ini, and is not retried after a failed open. Failures are shown in stop
// boxes "CONEXION NO REALIZADA" / "EJECUCION INCOMPLETA" (operation, CR LF, description).
#include <QString>
#include <memory>

#include "data/TConnection.h"
#include "data/TRecordSet.h"

class clsConexion {
 public:
  clsConexion() = default;
  static std::shared_ptr<clsConexion> New() { return std::make_shared<clsConexion>(); }

  std::shared_ptr<TConnection> oOdbc;  // null until the first Conectar

  // The connection text of [CONFIG] as this class builds it (".F."/".f." SQL login, anything
  // else Windows authentication).
  static QString TextoConexion();

  bool Conectar();
  std::shared_ptr<TConnection> Valida();    // Conectar when oOdbc is null, then oOdbc
  std::shared_ptr<TConnection> Conexion();  // the same
  // False when the statement failed (after its stop box), so callers confirm only real writes.
  bool Ejecuta(const QString& statement);
  bool Desconectar();
};
