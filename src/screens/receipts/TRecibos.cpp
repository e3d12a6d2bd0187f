#include "screens/receipts/TRecibos.h"

#include "toolkit/Controls.h"

void TRecibos::CreateForm() {
  SetBounds(363, 189, 895, 615);
  SetClientSize(879, 576);
  cText = QStringLiteral("Recibos");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
