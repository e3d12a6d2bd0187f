#pragma once
// Motivo de Rechazo: the approver types why a request is rejected; saving records the
// rejection at the approver's step and mails the notice to the requesting employee.
#include <QString>

#include "screens/shared/TSessionForm.h"

class TBtnBmp;
class TGroupBox;
class TLabel;
class TMemo;

class TMotivoRechazo : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  // Set by the opener, all text. The notice goes with the mail settings of `empresa`, the
  // approver's company; `EmpresaEmpleado` is the requesting employee's own company, where
  // their address is found.
  QString idSolicitud;
  QString orden;
  QString EmpresaEmpleado;
  QString CodigoEmpleado;
  QString nombreEmpleado;
  QString fechaSolicitud;  // DD/MM/YYYY

  // True once the rejection was recorded (the opener reloads its list either way).
  bool guardado = false;

  TGroupBox* oGroupBox1 = nullptr;
  TLabel* oLabel1 = nullptr;
  TMemo* txtMotivoRechazo = nullptr;
  TBtnBmp* btnGuardar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void btnGuardarClick();
  QString EnviaAvisoRechazo();   // "Enviado", "Sin enviar" or empty text
  QString ObtenMailDelEmpleado();

 protected:
  void CreateForm() override;

 private:
  QString empresaEmpleado() const;  // the employee's company, the screen's when not given
};
