#include "screens/employee/TInformacionNomina.h"

#include "toolkit/Controls.h"

void TInformacionNomina::CreateForm() {
  SetBounds(0, 0, 1019, 725);
  SetClientSize(1003, 687);
  cText = QStringLiteral("Informacion Nómina del Empleado");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
