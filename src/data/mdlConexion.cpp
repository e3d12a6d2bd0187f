#include "data/mdlConexion.h"

#include "app/AppData.h"
#include "data/ConnectionTexts.h"
#include "data/TDataSource.h"
#include "toolkit/TIni.h"

void mdlConexion::LeeConfiguracion(const TIni& ini) {
  cServidor = ini.GetEntry(QStringLiteral("Config"), QStringLiteral("Server"), QString());
  cBaseDeDatos = ini.GetEntry(QStringLiteral("Config"), QStringLiteral("BD"), QString());
  cUsuario = ini.GetEntry(QStringLiteral("Config"), QStringLiteral("ID"), QString());
  cPassword = ini.GetEntry(QStringLiteral("Config"), QStringLiteral("PWD"), QString());
  lAutowin = ini.GetEntry(QStringLiteral("Config"), QStringLiteral("AutoWin"));
}

QString mdlConexion::TextoConexion() const {
  return ConnectionTexts::ForDataSource(cServidor, cBaseDeDatos, cUsuario, cPassword, lAutowin);
}

std::shared_ptr<TDataSource> mdlConexion::Conecta() {
  auto ds = std::make_shared<TDataSource>();
  ds->cConnect = TextoConexion();
  ds->cUser = cUsuario;
  ds->cPassword = cPassword;
  ds->nConnTimeOut = 0;
  ds->nTimeOut = 0;
  ds->SetConnected(true);
  return ds;
}

void mdlConexion::CierraConexion() {
  if (AppData.oAdo) AppData.oAdo->SetConnected(false);
}
