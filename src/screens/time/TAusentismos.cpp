#include "screens/time/TAusentismos.h"

#include "toolkit/Controls.h"

void TAusentismos::CreateForm() {
  SetBounds(252, 117, 867, 587);
  SetClientSize(851, 548);
  cText = QStringLiteral("Ausentismos");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
