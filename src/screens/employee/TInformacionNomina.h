#pragma once
// Informacion Nómina del Empleado: the employee's payroll record, read-only.
#include <QHash>
#include <QString>

#include "data/Rows.h"
#include "screens/shared/TSessionForm.h"

class TBtnBmp;
class TEdit;
class TGroupBox;

class TInformacionNomina : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  TGroupBox* oGroupBox1 = nullptr;
  TBtnBmp* btnSalir = nullptr;

  // A field of the screen by its control name (txtNombre, txtRFCAlfa, ...), or null.
  TEdit* Campo(const QString& name) const { return m_fields.value(name); }

  void FormInitialize();
  void cargaDetalle();

  // Names of the salary-type and employee-type codes; empty for any other code.
  static QString NombreTipoSalario(const QString& codigo);
  static QString NombreTipoEmpleado(const QString& codigo);
  // Current year minus the birth year; empty when the birth date is missing.
  static QString Edad(const QVariant& nacimiento);

 protected:
  void CreateForm() override;

 private:
  TEdit* field(const char* name, int x, int y, int w, int h);
  QHash<QString, TEdit*> m_fields;
};
