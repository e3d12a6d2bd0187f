#include "screens/requests/TAutorizaciones.h"

#include "toolkit/Controls.h"

void TAutorizaciones::CreateForm() {
  SetBounds(325, 128, 886, 608);
  SetClientSize(870, 569);
  cText = QStringLiteral("Autorizaciones de Solicitudes");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
