#include "screens/reports/TPoliticas.h"

#include "toolkit/Controls.h"

void TPoliticas::CreateForm() {
  SetBounds(267, 182, 884, 602);
  SetClientSize(868, 563);
  cText = QStringLiteral("Politicas");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
