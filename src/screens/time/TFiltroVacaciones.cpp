#include "screens/time/TFiltroVacaciones.h"

#include "toolkit/Controls.h"

void TFiltroVacaciones::CreateForm() {
  SetBounds(507, 229, 261, 310);
  SetClientSize(245, 271);
  cText = QStringLiteral("Filtro Vacaciones");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
