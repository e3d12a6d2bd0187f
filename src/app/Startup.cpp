#include "app/Startup.h"

#include <QApplication>

#include "app/AppData.h"
#include "toolkit/TIni.h"

int PortalMain(QApplication& app) {
  app.setApplicationDisplayName(QStringLiteral("ZelkPortalv11"));
  AppData.Reset();
  const QStringList args = app.arguments();
  AppData.UsuarioGet = args.size() > 1 ? args[1] : QString();
  TIni(QStringLiteral("config.ini")).SetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Tipo"), QStringLiteral("E"));
  return 0;
}
