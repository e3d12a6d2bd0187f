#include "screens/time/TTiempoExtra.h"

#include "toolkit/Controls.h"

void TTiempoExtra::CreateForm() {
  SetBounds(321, 217, 900, 627);
  SetClientSize(884, 588);
  cText = QStringLiteral("Tiempo Extra");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
