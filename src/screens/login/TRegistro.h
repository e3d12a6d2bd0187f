#pragma once
// Login window.
#include "toolkit/TForm.h"

class TRegistro : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

 protected:
  void CreateForm() override;
};
