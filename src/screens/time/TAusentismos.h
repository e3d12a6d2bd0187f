#pragma once
// Absence history: the employee's absences for all dates or a range, the absence listing and
// the annual vacation-and-absence report.
#include <QString>

#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TCheckBox;
class TDatePicker;
class TGroupBox;
class TLabel;

class TAusentismos : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  QString NombreEmpresa;
  QString RegistroPatronal;
  QString RFCEmpresa;

  TGroupBox* oGroupBox1 = nullptr;
  TCheckBox* chkTodas = nullptr;
  TLabel* oLabel63 = nullptr;
  TDatePicker* dtpInicioA = nullptr;
  TLabel* oLabel62 = nullptr;
  TDatePicker* dtpCierreA = nullptr;
  TBtnBmp* btnBuscarA = nullptr;
  TGroupBox* oGroupBox2 = nullptr;
  TArrayBrowse* arrayAusentismos = nullptr;
  TBtnBmp* btnAnual = nullptr;
  TBtnBmp* btnAusentismos = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void CargaAusentismos(const QString& condicion);
  void GeneraReporte();
  void btnBuscarAClick() { CargaAusentismos(QString()); }
  void btnAusentismosClick();
  void btnAnualClick() { GeneraReporte(); }
  void btnSalirClick() { Close(); }

 protected:
  void CreateForm() override;
};
