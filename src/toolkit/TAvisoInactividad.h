#pragma once
// The notice shown before an idle session is closed: a large countdown and a button; any
// touch anywhere keeps the session (IdleLogout watches the input).
#include "toolkit/TForm.h"

class QLabel;
class TButton;

class TAvisoInactividad : public TForm {
  Q_OBJECT
 public:
  explicit TAvisoInactividad(QWidget* parent = nullptr);

  void MuestraSegundos(int segundos);

  QLabel* lblMensaje = nullptr;
  QLabel* lblSegundos = nullptr;
  TButton* btnContinuar = nullptr;

 protected:
  void CreateForm() override;
};
