#pragma once
// Picks the department or position by which the assignment dialog filters its employees.
#include "screens/admin/TListaSeleccion.h"

class TNombresTipo : public TListaSeleccion {
  Q_OBJECT
 public:
  using TListaSeleccion::TListaSeleccion;

  QString idfiltro;  // set by the opener: "1" departments, "2" positions

  // Results; unset (null) when the dialog closed without a choice.
  QString id;
  QString nombre;

 protected:
  void CreateForm() override;
  void TomaRenglon(const Row& row) override;
};
