#pragma once
// The kiosk's print confirmation: the printer's name, the number of copies with − and +
// (1 to kMaxCopias), "Imprimir" and "Cancelar", all finger-sized. No printer properties, no
// print to file.
#include <QString>

#include "toolkit/TForm.h"

class QLabel;
class TButton;

class TConfirmaImpresion : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

  static constexpr int kMaxCopias = 5;

  // Set by the opener.
  QString impresora;
  QString documento;

  // Read by the opener after it closes.
  int copias = 1;
  bool lAceptado = false;

  QLabel* lblImpresora = nullptr;
  QLabel* lblDocumento = nullptr;
  QLabel* lblCopias = nullptr;
  TButton* btnMenos = nullptr;
  TButton* btnMas = nullptr;
  TButton* btnImprimir = nullptr;
  TButton* btnCancelar = nullptr;

  void btnMenosClick();
  void btnMasClick();
  void btnImprimirClick();
  void btnCancelarClick() { Close(); }

 protected:
  void CreateForm() override;

 private:
  void muestraCopias();
};
