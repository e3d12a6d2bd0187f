#pragma once
// The file chooser window: the folder's sub-folders and files in a grid with finger-sized
// rows; "Aceptar" opens the selected folder or takes the selected file, "Subir" goes to the
// folder above, "Salir" leaves without a choice. A double tap on a row is "Aceptar".
#include <QString>
#include <QStringList>

#include "toolkit/TForm.h"

class TArrayBrowse;
class TBtnBmp;
class TLabel;

class TSeleccionaArchivo : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

  // Set by the opener.
  QString titulo;
  QStringList patrones;
  QString inicio;

  QString valor;  // the chosen file, empty when none

  TLabel* lblCarpeta = nullptr;
  TArrayBrowse* arregloArchivos = nullptr;
  TBtnBmp* btnSubir = nullptr;
  TBtnBmp* btnAceptar = nullptr;
  TBtnBmp* btnSalir = nullptr;

  QString Carpeta() const { return m_carpeta; }
  void MuestraCarpeta(const QString& carpeta);
  void btnAceptarClick();
  void btnSubirClick();

 protected:
  void CreateForm() override;

 private:
  QString m_carpeta;
};
