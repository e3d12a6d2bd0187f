#include "toolkit/IdleLogout.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "toolkit/TAvisoInactividad.h"
#include "toolkit/TForm.h"

namespace {

int& modalLoops() {
  static int n = 0;
  return n;
}

struct Home {
  QPointer<QWidget> widget;
  std::function<void()> action;
  std::function<bool()> pending;
};

class Watch : public QObject {
 public:
  Watch() {
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, [this] { idleCheck(); });
    connect(&m_tick, &QTimer::timeout, this, [this] { tick(); });
  }

  void start(int seconds) {
    m_seconds = seconds;
    cancelNotice();
    m_since.start();
    if (m_seconds > 0) m_idle.start(m_seconds * 1000);
    else m_idle.stop();
  }

  void stop() {
    m_seconds = 0;
    m_idle.stop();
    cancelNotice();
  }

  int seconds() const { return m_seconds; }
  int left() const { return m_left; }
  bool closing() const { return m_closing; }
  QWidget* notice() const { return m_notice.data(); }
  int tickMs = 1000;
  std::vector<Home> homes;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseMove: {
        // A window appearing under a still pointer is not someone at the terminal.
        const QPointF at = static_cast<QMouseEvent*>(event)->globalPosition();
        if (at == m_pointer) break;
        m_pointer = at;
        input();
        break;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TabletPress:
        input();
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void input() {
    if (m_seconds <= 0 || m_closing) return;
    m_since.restart();
    if (m_notice) {
      cancelNotice();
      m_idle.start(m_seconds * 1000);
    }
  }

  const Home* home() {
    std::erase_if(homes, [](const Home& h) { return h.widget.isNull(); });
    for (auto it = homes.rbegin(); it != homes.rend(); ++it)
      if (it->widget->isVisible()) return &*it;
    return nullptr;
  }

  void idleCheck() {
    if (m_seconds <= 0) return;
    const qint64 quiet = m_since.elapsed();
    if (quiet < qint64(m_seconds) * 1000) {
      m_idle.start(int(qint64(m_seconds) * 1000 - quiet));
      return;
    }
    const Home* h = home();
    if (!h || (h->pending && !h->pending())) {
      m_since.restart();
      m_idle.start(m_seconds * 1000);
      return;
    }
    showNotice();
  }

  void showNotice() {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = QApplication::activeWindow();
    auto* n = TForm::New<TAvisoInactividad>(owner);
    m_notice = n;
    m_left = IdleLogout::kCountdown;
    n->MuestraSegundos(m_left);
    n->Show();
    m_tick.start(tickMs);
  }

  void cancelNotice() {
    m_tick.stop();
    m_left = 0;
    if (m_notice) {
      m_notice->hide();
      m_notice->deleteLater();
    }
    m_notice = nullptr;
  }

  void tick() {
    if (!m_notice) return cancelNotice();
    --m_left;
    if (m_left > 0) {
      m_notice->MuestraSegundos(m_left);
      return;
    }
    cancelNotice();
    m_closing = true;
    closeModals();
    finish();
  }

  // From the top down: popups, then modal dialogs and screens, each without its close handler.
  static void closeModals() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
      if (popup->isVisible()) break;
    }
    for (int guard = 0; guard < 64; ++guard) {
      QWidget* top = QApplication::activeModalWidget();
      if (!top) break;
      if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->reject();
      if (top->isVisible()) top->hide();
    }
  }

  // The home's action runs once every modal loop has returned, so that no screen's code
  // runs after the session is gone.
  void finish() {
    closeModals();
    if (modalLoops() > 0 || QApplication::activeModalWidget()) {
      QTimer::singleShot(0, this, [this] { finish(); });
      return;
    }
    const Home* h = home();
    std::function<void()> action;
    if (h) action = h->action;
    if (action) action();
    m_closing = false;
    m_since.restart();
    if (m_seconds > 0) m_idle.start(m_seconds * 1000);
  }

  int m_seconds = 0;
  int m_left = 0;
  bool m_closing = false;
  QElapsedTimer m_since;
  QPointF m_pointer;
  QTimer m_idle;
  QTimer m_tick;
  QPointer<TAvisoInactividad> m_notice;
};

Watch*& watchPtr() {
  static Watch* w = nullptr;
  return w;
}

Watch& watch() {
  Watch*& w = watchPtr();
  if (!w) {
    w = new Watch;
    w->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(w);
    QObject::connect(w, &QObject::destroyed, [] { watchPtr() = nullptr; });
  }
  return *w;
}

}  // namespace

namespace IdleLogout {

void Start() {
  bool ok = false;
  const QString text = qEnvironmentVariable("PORTAL_INACTIVIDAD_SEGUNDOS").trimmed();
  int seconds = text.toInt(&ok);
  if (!ok || seconds < 0) seconds = kDefaultSeconds;
  watch().start(seconds);
}

void Stop() {
  if (watchPtr()) watchPtr()->stop();
}

int Seconds() { return watchPtr() ? watchPtr()->seconds() : 0; }

void SetHome(QWidget* home, std::function<void()> action, std::function<bool()> pending) {
  watch().homes.push_back({home, std::move(action), std::move(pending)});
}

bool Closing() { return watchPtr() && watchPtr()->closing(); }
QWidget* Notice() { return watchPtr() ? watchPtr()->notice() : nullptr; }
int SecondsLeft() { return watchPtr() ? watchPtr()->left() : 0; }

void ModalLoopStarted() { ++modalLoops(); }
void ModalLoopEnded() { --modalLoops(); }

void SetTickForTests(int ms) { watch().tickMs = std::max(1, ms); }

}  // namespace IdleLogout
