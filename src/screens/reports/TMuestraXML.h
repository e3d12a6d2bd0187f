#pragma once
// Shows the text of a receipt's electronic invoice (CFDI XML) so the employee can read it.
// The opener sets `datos` before the window is built:
//   auto* w = TForm::New<TMuestraXML>(this, [&](TMuestraXML& v) { v.datos = xml; });
//   w->ShowModal();
#include <QString>

#include "toolkit/TForm.h"

class TBtnBmp;
class TRichEdit;

class TMuestraXML : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

  QString datos;  // the text shown, unchanged
  QString tipo;   // kept for callers that set it; not used

  TRichEdit* txtTexto = nullptr;
  TBtnBmp* btnSalir = nullptr;

 protected:
  void CreateForm() override;

 private:
  void FormInitialize();
  void btnSalirClick();
};
