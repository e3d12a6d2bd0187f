#pragma once
// Datos Personales del Empleado: address, contact, marital status and family of the employee,
// corrected on the terminal with the on-screen keyboard and the two pickers.
#include <QString>
#include <QVariant>
#include <memory>

#include "screens/shared/TSessionForm.h"

class OnScreenKeyboard;
class TBtnBmp;
class TEdit;
class TLabel;

class TInformacionGeneral : public TSessionForm {
  Q_OBJECT
 public:
  explicit TInformacionGeneral(QWidget* parent = nullptr);
  ~TInformacionGeneral() override;

  TEdit* txtDomicilio = nullptr;
  TEdit* txtColonia = nullptr;
  TEdit* txtPoblacion = nullptr;
  TBtnBmp* btnPoblacion = nullptr;
  TEdit* txtMunicipio = nullptr;
  TEdit* txtLocalidad = nullptr;
  TEdit* txtCP = nullptr;
  TEdit* txtTel = nullptr;
  TEdit* txtEmail = nullptr;
  TEdit* txtEdoCivil = nullptr;
  TBtnBmp* btnEstadoCivil = nullptr;
  TEdit* txtConyuge = nullptr;
  TEdit* txtHijos = nullptr;
  TBtnBmp* btnHijo = nullptr;
  TEdit* txtMadre = nullptr;
  TEdit* txtPadre = nullptr;
  TBtnBmp* btnGuardarCambio = nullptr;
  TLabel* lblEtiquetaMayusculas = nullptr;
  TBtnBmp* btnSalida = nullptr;
  OnScreenKeyboard* Teclado() const { return m_keys.get(); }

  void FormInitialize();
  bool CargaDetalle();  // false when the employee's row could not be read
  void CargaHijos();
  void btnPoblacionClick();
  void btnEstadoCivilClick();
  void btnHijoClick();
  void btnGuardarCambiosClick();

  // The stored one-letter code of a marital-status word; empty for any other word.
  static QString CodigoEdoCivil(const QString& palabra);

 protected:
  void CreateForm() override;

 private:
  QVariant idCatalogo();  // the employee's catalogue id; invalid when there is none
  bool guardaFamiliar(int parentesco, const QString& nombre, const QVariant& catalogo);  // false: not stored

  std::unique_ptr<OnScreenKeyboard> m_keys;
};
