#pragma once
// Filtro Vacaciones: the window of this function; its controls come with the function itself.
#include "screens/shared/TSessionForm.h"

class TFiltroVacaciones : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

 protected:
  void CreateForm() override;
};
