#pragma once
// The vacation menu: request vacations or consult the vacation history, each offered by the
// employee's profile.
#include "screens/shared/TSessionForm.h"

class TBtnBmp;
class TGroupBox;

class TFiltroVacaciones : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  TGroupBox* oGroupBox1 = nullptr;
  TBtnBmp* btnSolicitar = nullptr;
  TBtnBmp* bnConsultar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void bnConsultarClick();
  void btnSolicitarClick();
  void btnSalirClick();

 protected:
  void CreateForm() override;
};
