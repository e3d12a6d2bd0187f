#pragma once
// Assigns employees to a flow: loads the employees not yet in it (all, or of one department
// or position), lets the administrator mark rows and saves the marked ones.
#include <QString>

#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;

class TAgregaPersonasAsignadas : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  // Set by the opener, as text.
  QString idflujo;
  QString idTipoSolicitud;

  TGroupBox* oGroupBox1 = nullptr;
  TLabel* oLabel1 = nullptr;
  TComboBox* cmbFiltrarPor = nullptr;
  TLabel* lblBuscar = nullptr;
  TEdit* txtNombre = nullptr;
  TEdit* txtID = nullptr;
  TBtnBmp* btnBuscar = nullptr;
  TBtnBmp* btnCargar = nullptr;
  TBtnBmp* btnMarcarTodos = nullptr;
  TBtnBmp* btnDesmarcarTodos = nullptr;
  TLabel* lblNombreTabla = nullptr;
  TArrayBrowse* arreglo = nullptr;
  TBtnBmp* btnGuardar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  void FormInitialize();
  void cmbFiltrarPorChange();
  void btnBuscarClick();
  void btnCargarClick();
  void arregloColumn6DataDblClick();
  void Marca(bool marcado);  // every row
  void btnGuardarClick();

  QString IdFiltro() const;  // "0", "1" or "2" after the filter chosen

 protected:
  void CreateForm() override;
};
