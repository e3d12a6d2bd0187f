#pragma once
// Password change: the new password typed twice on the on-screen keyboard, stored scrambled.
#include <memory>

#include "screens/shared/TSessionForm.h"

class OnScreenKeyboard;
class TBtnBmp;
class TEdit;
class TImage;
class TLabel;
class TPanel;

class TPassword : public TSessionForm {
  Q_OBJECT
 public:
  explicit TPassword(QWidget* parent = nullptr);
  ~TPassword() override;

  TImage* oImage1 = nullptr;
  TBtnBmp* btnExit = nullptr;
  TPanel* oPanel1 = nullptr;
  TLabel* lblCodigo = nullptr;
  TEdit* txtPassword = nullptr;
  TEdit* txtConfirmar = nullptr;
  TBtnBmp* btnGuardar = nullptr;
  TLabel* lblEtiquetaMayusculas = nullptr;
  OnScreenKeyboard* Teclado() const { return m_keys.get(); }

  void FormInitialize();
  void txtPasswordClick();
  void txtConfirmarClick();
  void btnGuardarClick();
  void btnExitClick();

 protected:
  void CreateForm() override;

 private:
  std::unique_ptr<OnScreenKeyboard> m_keys;
};
