#pragma once
// Picks a marital status among the fixed words; the opener reads `valor` after it closes.
#include <QString>
#include <memory>

#include "toolkit/TForm.h"

class TBtnBmp;
class TGroupBox;
class TRadio;
class clsConexion;

class TEstadoCivil : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

  std::shared_ptr<clsConexion> CNX;
  QString Empresa;
  QString codigo;
  QString inicializa;  // the opener's current word
  QString valor;       // the word handed back

  TGroupBox* oGroupBox1 = nullptr;
  TRadio* optSoltero = nullptr;
  TRadio* optCasado = nullptr;
  TRadio* optViudo = nullptr;
  TRadio* optDivorciado = nullptr;
  TRadio* optUnion = nullptr;
  TRadio* optSeparado = nullptr;
  TBtnBmp* btnAceptar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void btnAceptarClick();
  void btnSalirClick();
  QString Marcado() const;  // the word of the checked option among the five offered

 protected:
  void CreateForm() override;
};
