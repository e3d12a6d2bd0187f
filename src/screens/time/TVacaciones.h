#pragma once
// Vacation history: entitlement and days enjoyed by anniversary year, for all dates or a
// range, with the listing report and the annual vacation-and-absence report.
#include <QString>

#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TCheckBox;
class TDatePicker;
class TGroupBox;
class TImage;
class TLabel;

class TVacaciones : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  QString NombreEmpresa;
  QString RegistroPatronal;
  QString RFCEmpresa;

  TImage* oImage1 = nullptr;
  TCheckBox* chkTodas = nullptr;
  TLabel* oLabel46 = nullptr;
  TDatePicker* dtpDeV = nullptr;
  TLabel* oLabel45 = nullptr;
  TDatePicker* dtpAV = nullptr;
  TBtnBmp* btnFiltrarV = nullptr;
  TGroupBox* oGroupBox2 = nullptr;
  TArrayBrowse* arrayVacaciones = nullptr;
  TBtnBmp* btnAnual = nullptr;
  TBtnBmp* btnImprimirVacDis = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void CargaVacaciones(const QString& condicion);
  void GeneraReporte();
  void btnFiltrarVClick() { CargaVacaciones(QString()); }
  void btnImprimirVacDisClick();
  void btnAnualClick() { GeneraReporte(); }
  void btnSalirClick() { Close(); }

 protected:
  void CreateForm() override;
};
