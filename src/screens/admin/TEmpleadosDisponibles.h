#pragma once
// Adds one approver to a flow: the company's employees who are not approvers of it yet.
#include "screens/admin/TListaSeleccion.h"

class TEmpleadosDisponibles : public TListaSeleccion {
  Q_OBJECT
 public:
  using TListaSeleccion::TListaSeleccion;

 protected:
  void CreateForm() override;
  void TomaRenglon(const Row& row) override;
};
