// Forms: construction order, modal showing (hook and real nested loop), the close veto,
// border styles and the main-window rules of the application object.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "support/QtPrinters.h"
#include "toolkit/Controls.h"

namespace {

// A screen that records the order of its events and can refuse to close.
class TProbe : public TForm {
 public:
  using TForm::TForm;
  QStringList trace;
  bool allowClose = true;
  int closeAsked = 0;
  QString valor;
  TBtnBmp* btnAceptar = nullptr;

 protected:
  void CreateForm() override {
    trace << QStringLiteral("CreateForm");
    SetBounds(100, 100, 416, 339);
    SetClientSize(400, 300);
    cText = QStringLiteral("Prueba");
    nBorderStyle = 1;
    OnInitialize = [this] { trace << QStringLiteral("FormInitialize"); };
    OnBeforeCreate = [this] { trace << QStringLiteral("FormBeforeCreate"); };
    OnCreate = [this] { trace << QStringLiteral("FormCreate"); };
    OnShow = [this] { trace << QStringLiteral("FormShow"); };
    OnClose = [this] {
      ++closeAsked;
      return allowClose;
    };
    btnAceptar = TBtnBmp::New(this, QStringLiteral("btnAceptar"));
    btnAceptar->SetBounds(10, 10, 80, 40);
    btnAceptar->OnClick = [this] {
      valor = QStringLiteral("elegido");
      Close();
    };
  }
};

struct ModalHookScope {
  explicit ModalHookScope(TForm::ModalHook h) { TForm::SetModalHook(std::move(h)); }
  ~ModalHookScope() { TForm::SetModalHook(nullptr); }
};

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

TEST(Form, NewRunsCreateFormThenInitializeAndShowFiresCreateEvents) {
  auto* f = TForm::New<TProbe>(nullptr, [](TProbe& p) { p.valor = QStringLiteral("puesto antes"); });
  EXPECT_EQ(f->trace, QStringList({"CreateForm", "FormInitialize"}));
  EXPECT_EQ(f->valor, "puesto antes");
  EXPECT_EQ(f->Find<TBtnBmp>(QStringLiteral("btnAceptar")), f->btnAceptar);
  EXPECT_EQ(f->size(), QSize(400, 300));
  f->Show();
  EXPECT_EQ(f->trace, QStringList({"CreateForm", "FormInitialize", "FormBeforeCreate", "FormCreate", "FormShow"}));
  EXPECT_EQ(f->windowTitle(), "Prueba");
  QPointer<TProbe> alive(f);
  EXPECT_TRUE(f->Close());
  flushDeletes();
  EXPECT_TRUE(alive.isNull()) << "a window shown without waiting is deleted after it closes";
}

TEST(Form, CloseHandlerReturningFalseKeepsTheWindowOpen) {
  auto* f = TForm::New<TProbe>();
  f->Show();
  f->allowClose = false;
  EXPECT_FALSE(f->Close());
  EXPECT_TRUE(f->isVisible());
  f->allowClose = true;
  EXPECT_TRUE(f->Close());
  EXPECT_FALSE(f->isVisible());
  flushDeletes();
}

// The real nested loop: a vetoed close leaves the caller waiting; the next close returns.
TEST(Form, VetoedCloseKeepsTheModalCallerWaitingInARealNestedLoop) {
  TForm owner;
  owner.Show();
  auto* dlg = TForm::New<TProbe>(&owner);
  QPointer<TProbe> d(dlg);
  QStringList steps;
  QTimer::singleShot(0, [&] {
    steps << QStringLiteral("first try");
    EXPECT_TRUE(d->IsModalRunning());
    EXPECT_EQ(QApplication::activeModalWidget(), d.data()) << "the parent is blocked while the dialog runs";
    d->allowClose = false;
    d->Close();
    QTimer::singleShot(0, [&] {
      steps << QStringLiteral("still open");
      EXPECT_TRUE(d->isVisible());
      d->allowClose = true;
      d->btnAceptar->Press();
    });
  });
  dlg->ShowModal();
  steps << QStringLiteral("caller resumed");
  EXPECT_EQ(steps, QStringList({"first try", "still open", "caller resumed"}));
  ASSERT_FALSE(d.isNull()) << "the opener can still read the result";
  EXPECT_EQ(d->valor, "elegido");
  EXPECT_EQ(d->closeAsked, 2);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  flushDeletes();
  EXPECT_TRUE(d.isNull());
  owner.close();
}

TEST(Form, ModalHookReceivesTheScreenAndItsButtonsCanBePressed) {
  QString seen;
  ModalHookScope hook([&](TForm& f) {
    auto& probe = dynamic_cast<TProbe&>(f);
    EXPECT_TRUE(probe.isVisible());
    seen = probe.windowTitle();
    probe.Find<TBtnBmp>(QStringLiteral("btnAceptar"))->Press();
  });
  auto* dlg = TForm::New<TProbe>();
  dlg->ShowModal();
  EXPECT_EQ(seen, "Prueba");
  EXPECT_EQ(dlg->valor, "elegido");
  EXPECT_FALSE(dlg->isVisible());
  flushDeletes();
}

TEST(Form, BorderStylesGiveTheirWindowFlags) {
  struct Case {
    int style;
    bool closeBox;
    bool sysMenu;
    Qt::WindowType type;
    bool frameless;
    bool closeButton;
    bool minMax;
    bool fixed;
  };
  const Case cases[] = {
      {0, true, true, Qt::Window, true, false, false, true},
      {1, true, true, Qt::Window, false, true, false, true},
      {1, false, true, Qt::Window, false, false, false, true},
      {1, true, false, Qt::Window, false, false, false, true},
      {2, true, true, Qt::Window, false, true, true, false},
      {3, true, true, Qt::Dialog, false, true, false, true},
      {4, true, true, Qt::Tool, false, true, false, true},
      {5, true, true, Qt::Tool, false, true, false, false},
      {6, true, true, Qt::SplashScreen, true, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    TForm f;
    f.nBorderStyle = c.style;
    f.lCloseBox = c.closeBox;
    f.lSysMenu = c.sysMenu;
    f.SetClientSize(300, 200);
    f.Show();
    const Qt::WindowFlags flags = f.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, c.type);
    EXPECT_EQ(flags.testFlag(Qt::FramelessWindowHint), c.frameless);
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.closeButton);
    EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), c.minMax);
    EXPECT_EQ(f.minimumSize() == f.maximumSize(), c.fixed);
    f.setAttribute(Qt::WA_DeleteOnClose, false);
    f.close();
  }
}

TEST(Form, MinimizeAndMaximizeBoxesCanBeGivenBeforeTheFirstShow) {
  TForm f;
  f.OnCreate = [&f] {
    f.lMinimizeBox = true;
    f.lMaximizeBox = true;
  };
  f.Show();
  EXPECT_TRUE(f.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(f.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  f.setAttribute(Qt::WA_DeleteOnClose, false);
  f.close();
}

TEST(Application, RunEndsWhenNoWindowIsVisibleAndDestroysTheRest) {
  auto* login = TForm::New<TProbe>();
  login->Show();
  auto* hidden = TForm::New<TProbe>();  // created, never shown
  QPointer<TProbe> h(hidden);
  QTimer::singleShot(0, [login] {
    EXPECT_EQ(Application::MainWindow(), login);
    login->Close();
  });
  EXPECT_EQ(Application::Run(), 0);
  EXPECT_TRUE(h.isNull()) << "remaining windows are destroyed when the loop ends";
}

// The login window opens the menu and closes itself; the menu's exit closes the menu and
// opens a new login window: the program goes on until a window closes with none left.
TEST(Application, ClosingTheMainWindowPassesTheRoleToTheNextVisibleWindow) {
  QStringList trace;
  auto* login = TForm::New<TProbe>();
  login->Show();
  QTimer::singleShot(0, [&] {
    auto* menu = TForm::New<TProbe>();
    menu->Show();
    login->Close();
    QTimer::singleShot(0, [&, menu] {
      trace << QStringLiteral("menu is main: %1").arg(Application::MainWindow() == menu);
      menu->Close();
      auto* login2 = TForm::New<TProbe>();
      login2->Show();
      QTimer::singleShot(0, [&, login2] {
        trace << QStringLiteral("new login is main: %1").arg(Application::MainWindow() == login2);
        login2->Close();
      });
    });
  });
  Application::Run();
  EXPECT_EQ(trace, QStringList({"menu is main: 1", "new login is main: 1"}));
}

// The login screen resets its keyboard state whenever it becomes active again, for example
// after a dialog over it closes.
TEST(Form, OnActivateFiresWhenTheWindowBecomesActiveAgain) {
  auto* owner = TForm::New<TProbe>();
  int activations = 0;
  owner->OnActivate = [&] { ++activations; };
  owner->Show();
  QCoreApplication::processEvents();
  const int afterShow = activations;
  EXPECT_GE(afterShow, 1);
  auto* dlg = TForm::New<TProbe>(owner);
  QTimer::singleShot(0, [dlg] { dlg->btnAceptar->Press(); });
  dlg->ShowModal();
  QCoreApplication::processEvents();
  EXPECT_GT(activations, afterShow);
  EXPECT_TRUE(owner->isActiveWindow());
  owner->Close();
  flushDeletes();
}
