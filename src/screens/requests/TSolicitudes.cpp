#include "screens/requests/TSolicitudes.h"

#include "toolkit/Controls.h"

void TSolicitudes::CreateForm() {
  SetBounds(322, 131, 890, 601);
  SetClientSize(874, 562);
  cText = QStringLiteral("Solicitudes");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
