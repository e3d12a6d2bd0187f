#pragma once
// What the kiosk tests share: a logged-in terminal, waiting on the event loop for a
// condition (never a fixed sleep), and the TEMP leftovers of a terminal folder.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <functional>

#include "support/BuildPaths.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/receipts/TRecibos.h"
#include "screens/shared/OnScreenKeyboard.h"
#include "support/DemoTerminal.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"

namespace Kiosk {

// Runs the event loop until the condition holds; false when it never did within the limit.
inline bool WaitFor(const std::function<bool()>& condition, int limitMs = 20000) {
  QDeadlineTimer deadline(limitMs);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
  }
  return true;
}

inline TPrincipal* LogIn(const QString& employee = QStringLiteral("1"),
                         const QString& password = QStringLiteral("Clave2024")) {
  return DemoTerminal::LogIn<TRegistro, TPrincipal>(employee, password);
}

// Names in the folder that begin with TEMP (files and folders).
inline QStringList TempLeftovers(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("TEMP*")}, QDir::AllEntries | QDir::Hidden | QDir::System |
                                                               QDir::NoDotAndDotDot);
}

inline void Touch(const QString& path, const QByteArray& bytes = QByteArray("x")) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// Where the pictures of the screens go, for people to look at.
inline QString PicturePath(const QString& name) {
  QDir().mkpath(BuildPaths::Binary(QStringLiteral("/screens")));
  return BuildPaths::Binary(QStringLiteral("/screens/")) + name;
}

// Writes the widget's picture once `drawn` shows ink in it (pages render in the background):
// a pixel darker than the grey a viewer shows around its pages.
inline bool PictureWhenDrawn(QWidget* widget, QWidget* drawn, const QString& name) {
  const bool inked = WaitFor(
      [&] {
        const QImage img = Render::Grab(drawn);
        for (int y = 0; y < img.height(); y += 2)
          for (int x = 0; x < img.width(); x += 2)
            if (qGray(img.pixel(x, y)) < 128) return true;
        return false;
      },
      10000);
  return Render::ToPng(widget, PicturePath(name)) && inked;
}

}  // namespace Kiosk
