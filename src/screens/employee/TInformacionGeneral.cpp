#include "screens/employee/TInformacionGeneral.h"

#include "toolkit/Controls.h"

void TInformacionGeneral::CreateForm() {
  SetBounds(257, 112, 1021, 726);
  SetClientSize(1005, 687);
  cText = QStringLiteral("Datos Personales del Empleado");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
}
