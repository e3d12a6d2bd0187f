#pragma once
// Overtime history: the employee's overtime hours for all dates or a range, and its listing.
#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TCheckBox;
class TDatePicker;
class TGroupBox;
class TImage;
class TLabel;

class TTiempoExtra : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  TImage* oImage1 = nullptr;
  TGroupBox* oGroupBox1 = nullptr;
  TCheckBox* chkTodas = nullptr;
  TLabel* oLabel65 = nullptr;
  TDatePicker* dtpInicioTE = nullptr;
  TLabel* oLabel64 = nullptr;
  TDatePicker* dtpCierreTE = nullptr;
  TBtnBmp* btnBuscarTE = nullptr;
  TGroupBox* oGroupBox2 = nullptr;
  TArrayBrowse* arrayTE = nullptr;
  TBtnBmp* btnImprimirTE = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void CargaTiempoExtra(const QString& condicion);
  void btnBuscarTEClick() { CargaTiempoExtra(QString()); }
  void btnImprimirTEClick();
  void btnSalirClick() { Close(); }

 protected:
  void CreateForm() override;
};
