#include "data/clsConexion.h"

#include "data/ConnectionTexts.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TIni.h"

namespace {
const QString kNotConnected = QStringLiteral("CONEXION NO REALIZADA");
const QString kNotExecuted = QStringLiteral("EJECUCION INCOMPLETA");
}  // namespace

QString clsConexion::TextoConexion() {
  const TIni ini(QStringLiteral("config.ini"));
  const QString section = QStringLiteral("CONFIG");
  return ConnectionTexts::ForDirect(ini.GetEntry(section, QStringLiteral("SERVER"), QString()),
                                    ini.GetEntry(section, QStringLiteral("BD"), QString()),
                                    ini.GetEntry(section, QStringLiteral("ID"), QString()),
                                    ini.GetEntry(section, QStringLiteral("PWD"), QString()),
                                    ini.GetEntry(section, QStringLiteral("AUTOWIN"), QString()));
}

bool clsConexion::Conectar() {
  oOdbc = std::make_shared<TConnection>(TextoConexion());
  QList<DbError> errors;
  if (oOdbc->Open(&errors)) return true;
  MsgStop(QStringLiteral("clsConexion:Conectar\r\n") + DescribeErrors(errors), kNotConnected);
  return false;
}

std::shared_ptr<TConnection> clsConexion::Valida() {
  if (!oOdbc) Conectar();
  return oOdbc;
}

std::shared_ptr<TConnection> clsConexion::Conexion() { return Valida(); }

bool clsConexion::Ejecuta(const QString& statement) {
  const DbOutcome out = oOdbc ? oOdbc->Execute(statement)
                              : DbOutcome{{}, {{QString(), 0, QStringLiteral("Connection closed")}}, false};
  if (out.ok()) return true;
  MsgStop(QStringLiteral("clsConexion:Ejecuta\r\n") + DescribeErrors(out.errors), kNotExecuted);
  return false;
}

bool clsConexion::Desconectar() {
  if (!oOdbc || !oOdbc->IsOpen()) {
    MsgStop(QStringLiteral("clsConexion:Desconectar\r\nConnection closed"), kNotConnected);
    return false;
  }
  oOdbc->Close();
  return true;
}
