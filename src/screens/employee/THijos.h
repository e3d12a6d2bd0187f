#pragma once
// The employee's children in the family table: add, correct name and birth date, delete.
#include <QString>
#include <QVariant>
#include <memory>

#include "data/Rows.h"
#include "toolkit/TForm.h"

class OnScreenKeyboard;
class TArrayBrowse;
class TBtnBmp;
class TDatePicker;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class clsConexion;

class THijos : public TForm {
  Q_OBJECT
 public:
  explicit THijos(QWidget* parent = nullptr);
  ~THijos() override;

  std::shared_ptr<clsConexion> CNX;
  QString empresa;

  TImage* oImage1 = nullptr;
  TArrayBrowse* arrayHijos = nullptr;
  TBtnBmp* btnNuevo = nullptr;
  TBtnBmp* btnEliminar = nullptr;
  TGroupBox* oGroupBox1 = nullptr;
  TLabel* oLabel2 = nullptr;
  TEdit* txtNombre = nullptr;
  TEdit* txtId = nullptr;
  TLabel* oLabel1 = nullptr;
  TDatePicker* dtpFechaNacimiento = nullptr;
  TBtnBmp* btnAgregar = nullptr;
  TLabel* lblEtiquetaMayusculas = nullptr;
  TLabel* oLabel3 = nullptr;
  TBtnBmp* btnSalir = nullptr;
  OnScreenKeyboard* Teclado() const { return m_keys.get(); }

  void FormInitialize();
  void Cargarhijos();
  void arrayHijosChange();
  void btnNuevoClick();
  void btnAgregarClick();
  void btnEliminarClick();
  void txtNombreClick();

 protected:
  void CreateForm() override;
  // The next member number: the highest of the whole family table plus one (1 when empty).
  virtual qlonglong SiguienteNumero();

 private:
  QVariant catalogoDe(const QString& idFamilia);  // catalogue id of the listed child, or the employee's
  QVariant catalogoEmpleado(const QVariant& ninguno = QVariant());  // `ninguno` when there is none

  std::unique_ptr<OnScreenKeyboard> m_keys;
};
