#pragma once
// Solicitar: the entry of a new request of the type chosen on the requests screen (days and
// start date, or an amount, and a reason), its filing, and the notice to the first approver.
#include <QString>
#include <QVariant>

#include "screens/shared/TSessionForm.h"

class TBtnBmp;
class TDatePicker;
class TGroupBox;
class TLabel;
class TMaskEdit;

class TSolicitarDetalle : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  // Set by the opener.
  int tipoSolicitud = 1;
  QVariant DiasMaximosASolicitar = 0;  // available vacation days as text, or 0

  // The longest reason the database keeps.
  static constexpr int kMaxMotivo = 500;

  TGroupBox* oGroupBox1 = nullptr;
  TLabel* lblDiasSolicitados = nullptr;
  TMaskEdit* txtDiasSolicitados = nullptr;
  TLabel* lblimporte = nullptr;
  TMaskEdit* txtImporteSolicitado = nullptr;
  TLabel* oLabel2 = nullptr;
  TMaskEdit* txtMotivo = nullptr;
  TLabel* oLabel3 = nullptr;
  TDatePicker* dtpFechaSolicitud = nullptr;
  TBtnBmp* btnGuardar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void Limpia();
  void btnGuardarClick();
  bool ValidaRequeridos();
  void Guarda();

  // The amount as typed, as a plain number for the statement ("1,500.50" is "1500.5");
  // empty when the text is not a number.
  static QString ImportePlano(const QString& texto);
  // Whole days as typed; nullopt when the text is not a whole number.
  static std::optional<int> DiasEnteros(const QString& texto);

 protected:
  void CreateForm() override;
};
