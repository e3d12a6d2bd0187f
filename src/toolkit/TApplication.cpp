#include "toolkit/TApplication.h"

#include <QApplication>
#include <QScreen>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include "toolkit/TForm.h"

namespace {

struct AppState {
  QList<QPointer<TForm>> forms;
  QPointer<TForm> main;
  QEventLoop* loop = nullptr;
  bool checkPending = false;
  QString title;
};

AppState& state() {
  static AppState s;
  return s;
}

void prune() {
  auto& s = state();
  s.forms.removeIf([](const QPointer<TForm>& f) { return f.isNull(); });
}

// The main-window rules; runs from the event loop.
void checkWindows() {
  auto& s = state();
  s.checkPending = false;
  prune();
  if (s.main && s.main->isVisible()) return;
  s.main = nullptr;
  for (const auto& f : s.forms)
    if (f->isWindow() && f->isVisible()) {
      s.main = f;
      return;
    }
  if (!s.loop) return;
  // Nothing visible: destroy what is left and end the loop.
  const auto left = s.forms;
  for (const auto& f : left)
    if (f && !f->parentWidget()) delete f.data();
  prune();
  s.loop->quit();
}

}  // namespace

namespace Application {

// Kept apart from Qt's display name: a display name set there is appended to every window
// caption on X11 and Wayland, and the captions of the screens are exact texts.
void SetTitle(const QString& title) { state().title = title; }
QString Title() { return state().title.isEmpty() ? QGuiApplication::applicationDisplayName() : state().title; }
void SetIcon(const QIcon& icon) { QGuiApplication::setWindowIcon(icon); }
QIcon Icon() { return QGuiApplication::windowIcon(); }

namespace {
QSize& designArea() {
  static QSize size;
  return size;
}
}  // namespace

void SetDesignArea(const QSize& size) { designArea() = size; }

QPoint DesignOrigin() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (designArea().isEmpty() || !screen) return QPoint();
  const QRect area = screen->availableGeometry();
  return area.topLeft() + QPoint(std::max(0, (area.width() - designArea().width()) / 2),
                                 std::max(0, (area.height() - designArea().height()) / 2));
}

void EnableAutoScale() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

int Run() {
  auto& s = state();
  QApplication::setQuitOnLastWindowClosed(false);
  QEventLoop loop;
  s.loop = &loop;
  QTimer::singleShot(0, [] { checkWindows(); });
  loop.exec();
  s.loop = nullptr;
  return 0;
}

bool Running() { return state().loop != nullptr; }

TForm* MainWindow() {
  prune();
  auto& s = state();
  if (!s.main)
    for (const auto& f : s.forms)
      if (f->isVisible()) {
        s.main = f;
        break;
      }
  return s.main;
}

QList<TForm*> Windows() {
  prune();
  QList<TForm*> out;
  for (const auto& f : state().forms) out.append(f.data());
  return out;
}

void Register(TForm* form) {
  auto& s = state();
  s.forms.append(form);
  if (!s.main) s.main = form;
}

void Unregister(TForm* form) {
  auto& s = state();
  s.forms.removeIf([form](const QPointer<TForm>& f) { return f.isNull() || f.data() == form; });
  if (s.main == form) s.main = nullptr;
  WindowHidden(nullptr);
}

void WindowHidden(TForm*) {
  auto& s = state();
  if (!s.loop || s.checkPending) return;
  s.checkPending = true;
  QTimer::singleShot(0, [] { checkWindows(); });
}

}  // namespace Application
