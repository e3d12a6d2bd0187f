#include "screens/reports/TReportes.h"

#include "toolkit/Controls.h"

void TReportes::CreateForm() {
  SetBounds(272, 141, 896, 614);
  SetClientSize(880, 575);
  cText = QStringLiteral("Reportes");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
