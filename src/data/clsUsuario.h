#pragma once
// The portal administrator's account (table usuarios, password stored scrambled).
#include <QString>
#include <memory>

class clsConexion;

class clsUsuario {
 public:
  clsUsuario() = default;
  static std::shared_ptr<clsUsuario> New() { return std::make_shared<clsUsuario>(); }

  void SetUsuario(const QString& usuario) { vUsuario = usuario; }
  QString GetUsuario() const { return vUsuario; }
  void SetPwd(const QString& pwd) { vPwd = pwd; }
  QString GetPwd() const { return vPwd; }

  // True when usuarios holds this name with this password (compared scrambled, by the server).
  // A connection that cannot open, or a failing statement, goes to the general error handler.
  bool Login();

  QString vUsuario;
  QString vPwd;
  std::shared_ptr<clsConexion> CNX;
};
