#pragma once
// The window shared by the two pick-one-from-a-list dialogs of the flow page: a grid in a
// frame, "Agregar Seleccionado" (or a double tap on a row) takes the current row, "Salir"
// leaves. The dialogs give the columns, the rows and what taking a row does.
#include <QString>

#include "screens/shared/TSessionForm.h"

class TArrayBrowse;
class TBtnBmp;
class TGroupBox;

class TListaSeleccion : public TSessionForm {
  Q_OBJECT
 public:
  using TSessionForm::TSessionForm;

  // Set by the opener.
  QString idFlujo;
  QString idTipoSolicitud;

  TGroupBox* oGroupBox1 = nullptr;
  TArrayBrowse* arrayEmpleados = nullptr;
  TBtnBmp* btnGuardar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  // Takes the current row and closes; with no row it only closes.
  void SeleccionaYCierra();

 protected:
  // Builds the window with its caption; the grid sits at `gridX` inside the frame.
  void CreaVentana(const QString& caption, int gridX);
  virtual void TomaRenglon(const Row& row) = 0;
};
