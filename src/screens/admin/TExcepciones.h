#pragma once
// Picks one employee to add to the exceptions of "receipts of all companies".
#include <QString>
#include <QVariant>

#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TGroupBox;

class TExcepciones : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  // The chosen employee; both unset (invalid) when the dialog closed without a choice.
  QVariant vempresa;
  QVariant vCodigo;

  TGroupBox* oGroupBox1 = nullptr;
  TArrayBrowse* arreglo = nullptr;
  TBtnBmp* btnAceptar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void cargaArreglo();
  void btnAceptarClick();

 protected:
  void CreateForm() override;
};
