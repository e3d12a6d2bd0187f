// The portal's own start-up with employee 1 of the demo terminal logged in: prints "menu" once
// the menu window is painted, then its VmRSS and VmHWM in kB. Linked like the program itself.
#include <QApplication>
#include <QFile>
#include <cstdio>

#include "ProcessReport.h"
#include "app/Startup.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "toolkit/Controls.h"
#include "toolkit/GuardedApplication.h"
#include "toolkit/TApplication.h"

int main(int argc, char** argv) {
  Application::EnableAutoScale();
  GuardedApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("portal-empleado"));
  qputenv("PORTAL_SALIR_TRAS_LOGIN", "1");
  TRegistro* login = nullptr;
  PortalRun(app.arguments(), [&login] { return login = TForm::New<TRegistro>(); });
  if (!login) return 2;
  login->txtEmpleado->Value = "1";
  login->txtPassword->Value = "Clave2024";
  login->btnAceptar->Press();
  // What the event loop does next: the closed login window is deleted.
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
  TPrincipal* menu = nullptr;
  for (TForm* f : Application::Windows())
    if (auto* m = qobject_cast<TPrincipal*>(f); m && m->isVisible()) menu = m;
  if (!menu) return 3;
  menu->repaint();
  std::printf("menu\n");
  PrintResidentMemory();
  std::fflush(stdout);
  DumpMappingsIfAsked();
  return 0;
}
