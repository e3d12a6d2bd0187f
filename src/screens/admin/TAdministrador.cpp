#include "screens/admin/TAdministrador.h"

#include "toolkit/Controls.h"

void TAdministrador::CreateForm() {
  SetBounds(367, 101, 992, 691);
  SetClientSize(976, 652);
  cText = QStringLiteral("Administrador");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
