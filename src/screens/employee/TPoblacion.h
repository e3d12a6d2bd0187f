#pragma once
// Picks a state from the catalogue of states; the opener reads `valor` after it closes.
#include <QString>
#include <QVariant>
#include <memory>

#include "toolkit/TForm.h"

class TArrayBrowse;
class TBtnBmp;
class TGroupBox;
class clsConexion;

class TPoblacion : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

  std::shared_ptr<clsConexion> CNX;
  QString Empresa;
  QVariant valor;  // the chosen state's name; invalid until one is chosen

  TGroupBox* oGroupBox1 = nullptr;
  TArrayBrowse* arreglo = nullptr;
  TBtnBmp* btnAceptar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void btnAceptarClick();
  void btnSalirClick();

 protected:
  void CreateForm() override;
};
