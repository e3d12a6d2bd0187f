#pragma once
// A screen opened from the main menu: the opener hands it the direct connection, the
// company text and the employee code (some screens also the employee's name).
#include <QString>
#include <memory>

#include "data/clsConexion.h"
#include "toolkit/TForm.h"

class TSessionForm : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

  std::shared_ptr<clsConexion> CNX;
  QString empresa;         // company, right-aligned in 8 positions
  QString codigo;          // employee, right-aligned in 10 positions
  QString NombreEmpleado;
};
