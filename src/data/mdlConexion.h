#pragma once
// Connection settings (session key oConexion): the [CONFIG] values, and the session data
// source built from them.
#include <QString>
#include <memory>

class TDataSource;
class TIni;

class mdlConexion {
 public:
  QString cServidor;
  QString cBaseDeDatos;
  QString cUsuario;
  QString cPassword;
  QString lAutowin;  // ".T." or ".F." as read from [CONFIG] AutoWin

  // Reads [Config] Server, BD, ID, PWD (empty default) and AutoWin into the fields.
  void LeeConfiguracion(const TIni& ini);

  // The data-source connection text of the current fields (empty unless lAutowin is exactly
  // ".T." or ".F.").
  QString TextoConexion() const;

  // A new data source with the connection text, login and no time-outs, opened at once
  // (the alert shows a failure); returned whether or not it opened.
  std::shared_ptr<TDataSource> Conecta();

  // Closes the data source of session key oAdo.
  void CierraConexion();
};
