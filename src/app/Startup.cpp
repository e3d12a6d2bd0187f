#include "app/Startup.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <cstdio>

#include "app/AppData.h"
#include "app/ScreenScale.h"
#include "toolkit/GuardedApplication.h"
#include "toolkit/IdleLogout.h"
#include "toolkit/Pictures.h"
#include "toolkit/TApplication.h"
#include "toolkit/TFont.h"
#include "toolkit/TForm.h"
#include "toolkit/TIni.h"

namespace {

const QString kTitle = QStringLiteral("ZelkPortalv11");
const QString kIconPicture = QStringLiteral("IconoPortal");

// The program's icon: its picture when shipped, otherwise a plain badge.
QIcon applicationIcon() {
  if (Pictures::Exists(kIconPicture)) {
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128}) icon.addPixmap(Pictures::Load(kIconPicture, QSize(side, side)));
    return icon;
  }
  QPixmap pm(64, 64);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(0, 0, 128));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
  p.setPen(Qt::white);
  QFont f(QStringLiteral("DejaVu Sans"), 26, QFont::Bold);
  p.setFont(f);
  p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("PE"));
  return QIcon(pm);
}

}  // namespace

int PortalRun(const QStringList& args, const LoginFactory& makeLogin) {
  // Each statement pattern is matched a few times per run: compiling it to machine code costs
  // more than it saves, and keeps half a megabyte of the compiler resident. A value set outside
  // still holds.
  if (!qEnvironmentVariableIsSet("QT_ENABLE_REGEXP_JIT")) qputenv("QT_ENABLE_REGEXP_JIT", "0");
  Application::SetTitle(kTitle);
  Application::SetIcon(applicationIcon());
  TFont::InstallSubstitutes();

  AppData.Reset();

  AppData.UsuarioGet = args.size() > 1 ? args[1] : QString();

  // A folder where nothing can be written still starts; TIni says so once.
  TIni(QStringLiteral("config.ini")).SetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Tipo"), QStringLiteral("E"));

  // A session walked away from ends by itself.
  IdleLogout::Start();
  if (TForm* login = makeLogin ? makeLogin() : nullptr) login->Show();
  // Start-up timing (bench/): end here, once the login window can take a login, and say so.
  if (qEnvironmentVariableIsSet("PORTAL_SALIR_TRAS_LOGIN")) {
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return 0;
  }
  return Application::Run();
}

void PortalLoginPainted() {
  // A picture of the primary screen as the login shows it, in the screen's own pixels (checking
  // a kiosk's scaling): the portal's windows drawn where they stand, the rest black.
  if (const QString shot = qEnvironmentVariable("PORTAL_CAPTURA_PANTALLA"); !shot.isEmpty())
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const qreal dpr = screen->devicePixelRatio();
      QImage picture((QSizeF(screen->geometry().size()) * dpr).toSize(), QImage::Format_RGB32);
      picture.setDevicePixelRatio(dpr);
      picture.fill(Qt::black);
      QPainter p(&picture);
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) p.drawPixmap(w->geometry().topLeft() - screen->geometry().topLeft(), w->grab());
      p.end();
      picture.save(shot);
    }
  if (!qEnvironmentVariableIsSet("PORTAL_SALIR_TRAS_LOGIN")) return;
  std::fputs("shown\n", stdout);
  std::fflush(stdout);
}

int PortalMain(int argc, char** argv, const LoginFactory& makeLogin) {
  Application::EnableAutoScale();
  ScreenScale::Apply(argc, argv);
  GuardedApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("portal-empleado"));
  QCoreApplication::setApplicationVersion(QStringLiteral("11.0"));
  return PortalRun(app.arguments(), makeLogin);
}
