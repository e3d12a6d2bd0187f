#include "screens/employee/TEstadoCivil.h"

#include "toolkit/Controls.h"

void TEstadoCivil::CreateForm() {
  SetBounds(348, 125, 438, 294);
  SetClientSize(422, 255);
  cText = QStringLiteral("Estado Civil");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lModal = true;
  lCentered = true;
  lSysMenu = false;
  lCloseBox = false;
  lParentIcon = false;
  OnInitialize = [this] { FormInitialize(); };

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(8, 4, 406, 170);
  const QFont font14 = TFont::Create(QStringLiteral("MS Sans Serif"), 14);
  auto option = [this, &font14](const char* name, int x, int y, int w, const QString& word) {
    TRadio* r = TRadio::New(oGroupBox1, QString::fromLatin1(name));
    r->SetBounds(x, y, w, 18);
    r->cText = word;
    r->oFont = font14;
    // The replacement font runs taller than the face the dialog names; the word must show whole.
    r->resize(std::max(w, r->sizeHint().width()), std::max(18, r->sizeHint().height()));
    return r;
  };
  optSoltero = option("optSoltero", 44, 22, 90, QStringLiteral("Soltero"));
  optCasado = option("optCasado", 44, 72, 90, QStringLiteral("Casado"));
  optViudo = option("optViudo", 44, 122, 90, QStringLiteral("Viudo"));
  optDivorciado = option("optDivorciado", 220, 22, 150, QStringLiteral("Divorciado"));
  optUnion = option("optUnion", 220, 72, 150, QStringLiteral("Unión Libre"));
  optSeparado = option("optSeparado", 220, 122, 154, QStringLiteral("Separado"));
  optSeparado->lVisible = false;
  optSoltero->lChecked = true;

  btnAceptar = TBtnBmp::New(this, QStringLiteral("btnAceptar"));
  btnAceptar->SetBounds(84, 188, 100, 54);
  btnAceptar->cText = QStringLiteral("Aceptar");
  btnAceptar->oBitmaps = QStringLiteral("correcto");
  btnAceptar->OnClick = [this] { btnAceptarClick(); };

  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(252, 188, 100, 54);
  btnSalir->cText = QStringLiteral("Salir");
  btnSalir->oBitmaps = QStringLiteral("puertasalida");
  btnSalir->OnClick = [this] { btnSalirClick(); };
}

void TEstadoCivil::FormInitialize() {
  for (TRadio* r : {optSoltero, optCasado, optViudo, optDivorciado, optUnion})
    if (r->cText() == inicializa) r->lChecked = true;
}

QString TEstadoCivil::Marcado() const {
  for (TRadio* r : {optSoltero, optCasado, optViudo, optDivorciado, optUnion})
    if (r->lChecked()) return r->cText();
  return optSoltero->cText();
}

void TEstadoCivil::btnAceptarClick() {
  valor = Marcado();
  Close();
}

// Leaving without a choice hands back the word the dialog opened with, so a status it does
// not offer ("Separado") is not turned into the option checked by default.
void TEstadoCivil::btnSalirClick() {
  valor = inicializa;
  Close();
}
