#include "screens/login/TRegistro.h"

#include "toolkit/Controls.h"

void TRegistro::CreateForm() {
  SetBounds(247, 76, 1033, 737);
  SetClientSize(1017, 698);
  cText = QStringLiteral("Portal del Empleado - Última actualización: 26/01/2024");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  oBkgnd = QStringLiteral("ImagenLoginMayusculasNumeros");
  oIcon = Application::Icon();
  lParentIcon = false;
  lAppWindow = true;
  lCentered = true;
  lCloseBox = false;
}
