#pragma once
// Shown while an office document is turned into PDF: what is being opened and a moving bar,
// so the employee sees the terminal working.
#include <QString>

#include "toolkit/TForm.h"

class QLabel;
class QProgressBar;

class TConvirtiendo : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

  QString documento;  // set by the opener

  QLabel* lblMensaje = nullptr;
  QProgressBar* barProgreso = nullptr;

 protected:
  void CreateForm() override;
};
