// A session walked away from ends by itself: the countdown notice first, a touch keeps the
// session, and when the countdown runs out every modal window closes and the menu's logout
// runs; on the login window only what was typed is cleared.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "KioskSupport.h"
#include "toolkit/Controls.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/IdleLogout.h"
#include "toolkit/Render.h"
#include "toolkit/TAvisoInactividad.h"
#include "screens/admin/TAdministrador.h"
#include "screens/reports/TMuestraXML.h"

namespace {

// A short idle time through the variable, and a fast countdown.
struct ShortIdle {
  explicit ShortIdle(const char* seconds = "1") {
    qputenv("PORTAL_INACTIVIDAD_SEGUNDOS", seconds);
    IdleLogout::SetTickForTests(15);
    IdleLogout::Start();
  }
  ~ShortIdle() {
    IdleLogout::Stop();
    IdleLogout::SetTickForTests(1000);
    qunsetenv("PORTAL_INACTIVIDAD_SEGUNDOS");
  }
};

// A finger on the widget, as the windowing system delivers it.
void touch(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &press);
  QCoreApplication::sendEvent(w, &release);
}

}  // namespace

TEST(IdleLogout, TheVariableSetsTheTimeAndZeroSwitchesItOff) {
  const std::pair<const char*, int> cases[] = {{nullptr, 120}, {"", 120}, {"45", 45}, {" 300 ", 300},
                                               {"0", 0},       {"-5", 120}, {"dos", 120}};
  for (const auto& [value, seconds] : cases) {
    if (value) qputenv("PORTAL_INACTIVIDAD_SEGUNDOS", value);
    else qunsetenv("PORTAL_INACTIVIDAD_SEGUNDOS");
    IdleLogout::Start();
    EXPECT_EQ(IdleLogout::Seconds(), seconds) << (value ? value : "(unset)");
  }
  IdleLogout::Stop();
  qunsetenv("PORTAL_INACTIVIDAD_SEGUNDOS");
}

TEST(IdleLogout, FromInsideAModalScreenNoticeTouchThenLogout) {
  DemoTerminal terminal;
  qunsetenv("PORTAL_DOCUMENT_VIEWER");
  TPrincipal* menu = Kiosk::LogIn();
  ASSERT_NE(menu, nullptr);
  const QString key = AppData.oLlaveTemporal;
  ShortIdle idle;
  MsgSeam::Clear();
  StatementJournal::Clear();

  // Everything below runs inside the receipts screen's own modal loop, opened from the menu.
  enum Phase { WaitNotice, WaitKept, WaitSecondNotice, Done } phase = WaitNotice;
  bool noticeOverReceipts = false, keptAfterTouch = false, secondNotice = false, openedPdf = false;
  bool xmlLoopReturned = false, xmlUnderNotice = false;
  int firstShown = 0;
  QTimer probe;
  probe.setInterval(5);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    TRecibos* r = DemoTerminal::Visible<TRecibos>();
    auto* notice = qobject_cast<TAvisoInactividad*>(IdleLogout::Notice());
    switch (phase) {
      case WaitNotice:
        if (!notice || !r) return;
        noticeOverReceipts = notice->isVisible() && r->isVisible();
        firstShown = IdleLogout::SecondsLeft();
        EXPECT_EQ(notice->lblSegundos->text(), QStringLiteral("%1 segundos").arg(firstShown));
        Render::ToPng(notice, Kiosk::PicturePath(QStringLiteral("aviso-inactividad.png")));
        touch(notice->btnContinuar);
        phase = WaitKept;
        return;
      case WaitKept:
        if (notice) return;
        keptAfterTouch = r && r->isVisible() && menu->isVisible() && AppData.oAdo->lConnected();
        // A document and a modal dialog over the screen left open when the employee walks
        // away; the dialog runs its own loop, nested in the screen's.
        r->btnDescargaArchivoPDFClick();
        openedPdf = DocumentOpener::RunningCount() == 1;
        QTimer::singleShot(0, r, [r, &xmlLoopReturned] {
          r->btnGenraCFDIClick();
          xmlLoopReturned = true;
        });
        phase = WaitSecondNotice;
        return;
      case WaitSecondNotice:
        if (notice) {
          TMuestraXML* xml = DemoTerminal::Visible<TMuestraXML>();
          xmlUnderNotice = xml && xml->isVisible() && r && r->isVisible();
          secondNotice = true;
          phase = Done;  // nobody touches it this time
        }
        return;
      case Done:
        return;
    }
  });
  probe.start();
  menu->btnRecibos->Press();  // returns when the receipts screen has been closed
  probe.stop();

  EXPECT_TRUE(noticeOverReceipts);
  EXPECT_EQ(firstShown, IdleLogout::kCountdown);
  EXPECT_TRUE(keptAfterTouch);
  EXPECT_TRUE(openedPdf);
  EXPECT_TRUE(secondNotice);
  EXPECT_TRUE(xmlUnderNotice);
  EXPECT_TRUE(xmlLoopReturned);  // the dialog's loop ended before the screen's
  ASSERT_TRUE(Kiosk::WaitFor([] { return DemoTerminal::Visible<TRegistro>() != nullptr; }));
  DemoTerminal::Settle();
  EXPECT_EQ(DemoTerminal::Visible<TPrincipal>(), nullptr);
  EXPECT_EQ(DemoTerminal::Visible<TRecibos>(), nullptr);
  EXPECT_EQ(DemoTerminal::Visible<TMuestraXML>(), nullptr);
  EXPECT_EQ(IdleLogout::Notice(), nullptr);
  EXPECT_EQ(DocumentOpener::RunningCount(), 0);
  EXPECT_TRUE(Kiosk::TempLeftovers(terminal.path()).isEmpty()) << Kiosk::TempLeftovers(terminal.path()).join(u' ').toStdString();
  EXPECT_TRUE(StatementJournal::Statements().contains(" exec PortalPatronBorraEmpresasSeleccionadas " + key));
  EXPECT_TRUE(MsgSeam::Taken().isEmpty()) << MsgSeam::Texts().join(u'|').toStdString();
}

TEST(IdleLogout, ALoginWindowLeftWithTypedTextIsCleared) {
  DemoTerminal terminal;
  auto* login = TForm::New<TRegistro>();
  login->Show();
  ShortIdle idle;
  login->txtEmpleado->Value = QStringLiteral("12");
  login->txtPassword->Value = QStringLiteral("secreto");
  bool noticeShown = false;
  ASSERT_TRUE(Kiosk::WaitFor([&] {
    noticeShown = noticeShown || IdleLogout::Notice();
    return login->txtEmpleado->Value().isEmpty();
  }));
  EXPECT_TRUE(noticeShown);
  EXPECT_TRUE(login->txtPassword->Value().isEmpty());
  EXPECT_TRUE(login->isVisible());
  EXPECT_EQ(login->Teclado()->Active(), login->txtEmpleado);
}

TEST(IdleLogout, AnAdministratorWalkedAwayFromGetsAFreshLoginAndNothingSaved) {
  DemoTerminal terminal;
  auto* admin = DemoTerminal::LogIn<TRegistro, TAdministrador>(QStringLiteral("Administrador"), QStringLiteral("Admin2024"));
  ASSERT_NE(admin, nullptr) << MsgSeam::Texts().join(u'|').toStdString();
  admin->txtServidor->Value = QStringLiteral("sin-guardar.local");
  StatementJournal::Clear();
  ShortIdle idle;
  bool noticeShown = false;
  ASSERT_TRUE(Kiosk::WaitFor([&] {
    noticeShown = noticeShown || IdleLogout::Notice();
    return DemoTerminal::Visible<TRegistro>() != nullptr;
  }));
  DemoTerminal::Settle();
  EXPECT_TRUE(noticeShown);
  EXPECT_EQ(DemoTerminal::Visible<TAdministrador>(), nullptr);
  for (const QString& s : StatementJournal::Statements()) EXPECT_FALSE(s.contains(QStringLiteral("sin-guardar"))) << s.toStdString();
}
