#pragma once
// Autorizaciones de Solicitudes: the requests waiting for the signed-in approver's decision,
// authorization (with the notice to the next approver), rejection and the requesting
// employee's history.
#include <QString>

#include "data/Rows.h"
#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TComboBox;
class TGroupBox;
class TImage;
class TLabel;

class TAutorizaciones : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  TImage* oImage1 = nullptr;
  TGroupBox* oGroupBox3 = nullptr;
  TLabel* oLabel7 = nullptr;
  TComboBox* cmbTipoSolicitud = nullptr;
  TBtnBmp* btnBuscar = nullptr;
  TLabel* oLabel6 = nullptr;
  TGroupBox* oGroupBox4 = nullptr;
  TArrayBrowse* arregloDAtos = nullptr;
  TBtnBmp* btnAutorizar = nullptr;
  TBtnBmp* btnRechazar = nullptr;
  TBtnBmp* btnDatos = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void inicializa();
  void CargaTipoSolicitudes();
  void CargaSolicitudes();
  void btnBuscarClick() { CargaSolicitudes(); }
  void btnAutorizarClick();
  void btnRechazarClick();
  void btnDatosClick();
  void autoriza();
  void rechaza();

 protected:
  void CreateForm() override;

 private:
  Row actual() const;  // the grid's current row, empty when the grid is empty
};
