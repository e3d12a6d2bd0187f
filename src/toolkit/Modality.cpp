#include "toolkit/Modality.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHash>

namespace {

bool offscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

// When each top-level window last showed.
class TouchGuard : public QObject {
 public:
  bool takes(const QWidget* window) const {
    const auto it = m_shown.constFind(window);
    return it == m_shown.constEnd() || it->elapsed() >= Modality::kGuardMs;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
        if (auto* w = qobject_cast<QWidget*>(watched); w && w->isWindow()) {
          if (!m_shown.contains(w)) connect(w, &QObject::destroyed, this, [this, w] { m_shown.remove(w); });
          m_shown[w].start();
        }
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
        // Only what the window system delivers: a finger, not the program.
        if (event->spontaneous())
          if (auto* w = qobject_cast<QWidget*>(watched); w && !takes(w->window())) return true;
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QHash<const QWidget*, QElapsedTimer> m_shown;
};

TouchGuard*& guard() {
  static TouchGuard* g = nullptr;
  return g;
}

}  // namespace

namespace Modality {

QWidget* Opener() {
  if (QWidget* top = QApplication::activeModalWidget()) return top;
  return QApplication::activeWindow();
}

bool Adopt(QWidget& dialog, QWidget* opener) {
  if (dialog.parentWidget() || !opener || opener == &dialog) return false;
  dialog.setParent(opener, dialog.windowFlags());
  return true;
}

void Return(QWidget* opener, QWidget* adopted) {
  if (adopted) adopted->setParent(nullptr, adopted->windowFlags());
  if (!opener || !opener->isVisible()) return;
  if (!offscreen()) opener->raise();
  opener->activateWindow();
  opener->setFocus(Qt::ActiveWindowFocusReason);
}

void InstallTouchGuard() {
  if (guard() || !QCoreApplication::instance()) return;
  guard() = new TouchGuard;
  guard()->setParent(QCoreApplication::instance());
  QObject::connect(guard(), &QObject::destroyed, [] { guard() = nullptr; });
  QCoreApplication::instance()->installEventFilter(guard());
}

bool TakesTouches(const QWidget* window) { return !guard() || guard()->takes(window); }

}  // namespace Modality
