#pragma once
// Creates a flow ("Insertar") or renames one ("Modificar") for a company and request type.
#include <QString>

#include "screens/shared/TSessionForm.h"

class TBtnBmp;
class TEdit;
class TGroupBox;
class TLabel;

class TNuevoFlujo : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  // Set by the opener.
  QString nombreSolicitud;
  QString tipoSolicitud;
  QString accion;
  QString nombreFlujo;
  QString idFlujo;

  static constexpr int kLargoNombre = 100;  // what the flow table keeps

  TGroupBox* oGroupBox1 = nullptr;
  TLabel* oLabel1 = nullptr;
  TEdit* txtNombreSolicitud = nullptr;
  TLabel* oLabel2 = nullptr;
  TEdit* txtNombreFlujo = nullptr;
  TLabel* idTipoSolicitud = nullptr;
  TLabel* lblIdFlujo = nullptr;
  TBtnBmp* btnGuardar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void btnGuardarClick();

 protected:
  void CreateForm() override;
};
