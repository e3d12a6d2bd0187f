#pragma once
// Informacion Empleado: the vacation or absence history of the employee whose request an
// approver is deciding, by year.
#include <QString>
#include <memory>

#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TComboBox;
class TGroupBox;
class TLabel;

class TInformacionEmpleado : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  // Set by the opener.
  std::shared_ptr<clsConexion> cnx;
  QString codigoEmpleado;   // the employee, as the approver's grid shows it
  QString EmpresaEmpleado;  // the employee's own company

  TLabel* oLabel1 = nullptr;
  TComboBox* cmbTipo = nullptr;
  TLabel* oLabel2 = nullptr;
  TComboBox* cmbEjercicio = nullptr;
  TGroupBox* oGroupBox1 = nullptr;
  TArrayBrowse* arreglo = nullptr;
  TBtnBmp* btnGuardar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void cargaComboTipo();
  void cargaComboAyo();
  void llenaTabla();

 protected:
  void CreateForm() override;
};
