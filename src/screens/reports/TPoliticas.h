#pragma once
// The company's policy documents: the listing, opening one in the document viewer, and
// mailing one to the employee.
#include <QString>
#include <memory>

#include "data/Rows.h"
#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TEnviaMail;
class TGroupBox;
class TImage;

class TPoliticas : public TSessionForm {
  Q_OBJECT
 public:
  explicit TPoliticas(QWidget* parent = nullptr);
  ~TPoliticas() override;

  std::unique_ptr<TEnviaMail> objEnviaMail;
  bool aHWnd = false;  // whether the last policy could be handed to a viewer

  TImage* oImage1 = nullptr;
  TGroupBox* oGroupBox1 = nullptr;
  TArrayBrowse* arrayPoliticas = nullptr;
  TBtnBmp* btnImprimir = nullptr;
  TBtnBmp* btnEnviaMail = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void CargaPoliticas();
  void btnImprimirClick();
  void btnEnviaMailClick();
  void btnSalirClick();

 protected:
  void CreateForm() override;

 private:
  bool haySeleccion() const;          // a row is current (the grid may be empty or filtered out)
  QString rutaSeleccionada() const;  // column 4 of the current row
};
