#pragma once
// Login window: the first window of the program and the one it returns to after a logout.
#include <QString>
#include <memory>

#include "toolkit/TForm.h"

class OnScreenKeyboard;
class QTimer;
class TBtnBmp;
class TEdit;
class TLabel;
class clsConexion;
class clsUsuario;

class TRegistro : public TForm {
  Q_OBJECT
 public:
  explicit TRegistro(QWidget* parent = nullptr);
  ~TRegistro() override;

  std::shared_ptr<clsConexion> CNX;
  QString empresa;
  std::shared_ptr<clsUsuario> objUsuario;

  TEdit* txtEmpleado = nullptr;
  TEdit* txtPassword = nullptr;
  TBtnBmp* btnAceptar = nullptr;
  TLabel* oLabel1 = nullptr;
  TLabel* lblEtiquetaMayusculas = nullptr;
  TBtnBmp* btnSalir = nullptr;
  OnScreenKeyboard* Teclado() const { return m_keys.get(); }

  void FormInitialize();
  void FormActivate();
  void FormShow();
  // Opens the connection and applies the pending update scripts, once: right after the window
  // is first painted, so that it shows while they run; at the latest when accept is pressed.
  void Prepara();
  void txtEmpleadoClick();
  void txtPasswordClick();
  void btnAceptarClick();
  void btnSalirClick();
  bool ValidaEmpleado();
  bool ValidaPasswordNulo();
  bool ValidaAdministrador();
  void abreConexion();

  // Shows on the accept button how long the typed number must still wait after repeated
  // failures, and enables it again when the wait is over.
  void ActualizaEspera();
  // What an idle login window does: forget what was typed.
  void LimpiaCaptura();

  // The update scripts that later scripts replaced; deleted when the window starts.
  static const QStringList kSupersededScripts;
  // A new session key: a whole number from 1 to 100000, right-aligned in 6 positions.
  static QString NuevaLlave();

 protected:
  void CreateForm() override;

 private:
  std::unique_ptr<OnScreenKeyboard> m_keys;
  QTimer* m_espera = nullptr;
  bool m_preparado = false;
};
