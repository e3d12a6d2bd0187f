#include "toolkit/TForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>

#include "toolkit/IdleLogout.h"
#include "toolkit/Modality.h"
#include "toolkit/Pictures.h"
#include "toolkit/TApplication.h"

namespace {

TForm::ModalHook& modalHook() {
  static TForm::ModalHook hook;
  return hook;
}

bool hasCaption(int style) { return style >= 1 && style <= 5; }
bool isSizeable(int style) { return style == 2 || style == 5; }

// Frame the window manager adds around the client area of a captioned window; used to turn
// the outer sizes of the screens into client sizes when no client size is given.
QSize frameExtra(int style) {
  if (!hasCaption(style)) return QSize(0, 0);
  if (style == 4 || style == 5) return QSize(16, 31);
  return QSize(16, 39);
}

}  // namespace

TForm::TForm(QWidget* parent)
    : QWidget(parent, Qt::Window),
      cText([this] { return windowTitle(); }, [this](const QString& t) { setWindowTitle(t); }),
      oFont([this] { return font(); }, [this](const QFont& f) { setFont(f); }),
      nBorderStyle([this] { return m_borderStyle; },
                   [this](const int& s) {
                     m_borderStyle = std::clamp(s, 0, 6);
                     applyWindowFlags();
                   }),
      oBkgnd([this] { return m_bkgnd; },
             [this](const QString& name) {
               m_bkgnd = name;
               update();
             }),
      oIcon([this] { return windowIcon(); }, [this](const QIcon& i) { setWindowIcon(i); }),
      lCloseBox([this] { return m_closeBox; },
                [this](const bool& on) {
                  m_closeBox = on;
                  applyWindowFlags();
                }),
      lSysMenu([this] { return m_sysMenu; },
               [this](const bool& on) {
                 m_sysMenu = on;
                 applyWindowFlags();
               }),
      lMinimizeBox([this] { return m_minBox; },
                   [this](const bool& on) {
                     m_minBox = on;
                     applyWindowFlags();
                   }),
      lMaximizeBox([this] { return m_maxBox; },
                   [this](const bool& on) {
                     m_maxBox = on;
                     applyWindowFlags();
                   }) {
  Application::Register(this);
  Modality::InstallTouchGuard();
  applyWindowFlags();
}

TForm::~TForm() {
  if (m_loop) m_loop->quit();
  Application::Unregister(this);
}

void TForm::Construct() {
  if (m_constructed) return;
  m_constructed = true;
  CreateForm();
  OnInitialize();
}

void TForm::SetBounds(int x, int y, int w, int h) {
  move(QPoint(x, y) + (parentWidget() ? QPoint() : Application::DesignOrigin()));
  if (m_clientSize.isValid()) return;
  const QSize extra = frameExtra(m_borderStyle);
  resize(std::max(1, w - extra.width()), std::max(1, h - extra.height()));
}

void TForm::SetClientSize(int w, int h) {
  m_clientSize = QSize(w, h);
  if (m_prepared && !isSizeable(m_borderStyle)) setFixedSize(m_clientSize);
  else resize(m_clientSize);
}

// Border styles: 0 borderless pop-up, 1 fixed single frame, 2 sizeable with minimize and
// maximize boxes, 3 dialog frame, 4 tool window, 5 sizeable tool window, 6 borderless
// topmost splash.
void TForm::applyWindowFlags() {
  Qt::WindowFlags f;
  switch (m_borderStyle) {
    case 0: f = Qt::Window | Qt::FramelessWindowHint; break;
    case 2: f = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
    case 3: f = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
    case 4:
    case 5: f = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
    case 6: f = Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint; break;
    default: f = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
  }
  if (hasCaption(m_borderStyle)) {
    if (m_sysMenu) f |= Qt::WindowSystemMenuHint;
    // Without a system menu there is no close box either, as on the original platform.
    if (m_sysMenu && m_closeBox) f |= Qt::WindowCloseButtonHint;
    const bool boxes = m_borderStyle == 2;
    if (m_sysMenu && (boxes || m_minBox)) f |= Qt::WindowMinimizeButtonHint;
    if (m_sysMenu && (boxes || m_maxBox)) f |= Qt::WindowMaximizeButtonHint;
  }
  if (f == windowFlags()) return;
  const bool wasVisible = isVisible();
  setWindowFlags(f);
  if (wasVisible) show();
}

void TForm::prepareFirstShow() {
  if (m_prepared) return;
  OnBeforeCreate();
  applyWindowFlags();
  OnCreate();
  m_prepared = true;
  if (m_clientSize.isValid()) resize(m_clientSize);
  if (!isSizeable(m_borderStyle)) setFixedSize(size());
}

void TForm::showWindow() {
  prepareFirstShow();
  if (lCentered) {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
      const QRect area = screen->availableGeometry();
      const QSize outer = size() + frameExtra(m_borderStyle);
      move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    }
  }
  show();
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
  activateWindow();
  OnShow();
}

void TForm::Show() {
  setAttribute(Qt::WA_DeleteOnClose);
  // Form type 2: a window that belongs to the main window (kept above it, closed with it).
  if (nFormType == 2 && !lModal && !parentWidget()) {
    TForm* main = Application::MainWindow();
    if (main && main != this) setParent(main, windowFlags());
  }
  // A modal window shown without waiting still blocks the others while it is open.
  if (lModal) setWindowModality(Qt::ApplicationModal);
  showWindow();
}

void TForm::ShowModal() {
  QPointer<TForm> self(this);
  QPointer<QWidget> opener = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
  // An idle session is being closed: nothing new opens.
  if (IdleLogout::Closing()) {
    deleteLater();
    return;
  }
  setWindowModality(Qt::ApplicationModal);
  if (modalHook()) {
    showWindow();
    if (self) modalHook()(*this);
    if (self && isVisible()) hide();
  } else {
    showWindow();
    if (self && isVisible()) {
      QEventLoop loop;
      m_loop = &loop;
      IdleLogout::ModalLoopStarted();
      loop.exec(QEventLoop::DialogExec);
      IdleLogout::ModalLoopEnded();
      if (self) m_loop = nullptr;
    }
  }
  Modality::Return(opener);
  if (self) deleteLater();
}

bool TForm::Close() { return close(); }

void TForm::closeEvent(QCloseEvent* event) {
  if (!OnClose()) {
    event->ignore();
    return;
  }
  event->accept();
}

void TForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  if (m_loop) m_loop->quit();
  Application::WindowHidden(this);
}

void TForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) OnActivate();
}

void TForm::paintEvent(QPaintEvent* event) {
  if (m_bkgnd.isEmpty()) return QWidget::paintEvent(event);
  QPainter p(this);
  Pictures::Draw(p, rect(), m_bkgnd, size() * devicePixelRatioF());
}

void TForm::SetModalHook(ModalHook hook) { modalHook() = std::move(hook); }
bool TForm::HasModalHook() { return static_cast<bool>(modalHook()); }
