// Repeated failed logins for one number are slowed, never locked: the accept button counts
// the wait down, other numbers go on as usual, and a success clears the count.
#include <gtest/gtest.h>

#include "KioskSupport.h"
#include "screens/admin/TAdministrador.h"
#include "screens/login/LoginThrottle.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"

namespace {

// The throttle's clock, moved by hand.
struct FakeClock {
  qint64 now = 5'000'000;
  FakeClock() { LoginThrottle::SetClockForTests([this] { return now; }); }
  ~FakeClock() { LoginThrottle::SetClockForTests({}); }
  void advance(int seconds) { now += qint64(seconds) * 1000; }
};

void attempt(TRegistro* login, const QString& employee, const QString& password) {
  login->txtEmpleado->Value = employee;
  login->txtPassword->Value = password;
  login->ActualizaEspera();
  login->btnAceptar->Press();
  DemoTerminal::Settle();
}

}  // namespace

TEST(LoginThrottle, WaitsGrowAfterTheThirdFailureUpToThirtySeconds) {
  const std::pair<int, int> waits[] = {{0, 0}, {1, 0}, {2, 0}, {3, 2}, {4, 4}, {5, 8}, {6, 16}, {7, 30}, {20, 30}};
  for (const auto& [failures, seconds] : waits) EXPECT_EQ(LoginThrottle::WaitAfter(failures), seconds) << failures;

  const std::pair<const char*, const char*> keys[] = {
      {"12", "12"}, {"0012", "12"}, {" 12 ", "12"}, {"Administrador", "administrador"}, {"administrador", "administrador"}};
  for (const auto& [typed, key] : keys) EXPECT_EQ(LoginThrottle::KeyOf(QString::fromUtf8(typed)), QString::fromUtf8(key));
}

TEST(LoginThrottle, FourFailuresShowTheGrowingWaitAndASuccessResetsIt) {
  FakeClock clock;
  DemoTerminal terminal;
  auto* login = TForm::New<TRegistro>();
  login->Show();
  const QString key = LoginThrottle::KeyOf(QStringLiteral("1"));

  struct After {
    int failures;
    bool enabled;
    QString caption;
  };
  const After expected[] = {
      {1, true, QString()}, {2, true, QString()}, {3, false, "Espere\n2 s"}, {4, false, "Espere\n4 s"}};
  for (const After& e : expected) {
    if (!login->btnAceptar->lEnabled()) {
      // Pressing during the wait asks nothing of the database and says nothing.
      MsgSeam::Clear();
      StatementJournal::Clear();
      // The handler itself, as a key press would reach it; the disabled button takes no touch.
      login->txtPassword->Value = QStringLiteral("mala");
      login->btnAceptarClick();
      EXPECT_TRUE(StatementJournal::Statements().isEmpty()) << e.failures;
      EXPECT_TRUE(MsgSeam::Taken().isEmpty()) << e.failures;
      clock.advance(LoginThrottle::WaitAfter(e.failures - 1));
      login->ActualizaEspera();
      EXPECT_TRUE(login->btnAceptar->lEnabled()) << e.failures;
    }
    MsgSeam::Clear();
    attempt(login, QStringLiteral("1"), QStringLiteral("mala"));
    EXPECT_EQ(MsgSeam::Texts(), QStringList{"Usuario o contraseña Invalida."}) << e.failures;
    EXPECT_EQ(LoginThrottle::Terminal().Failures(key), e.failures);
    EXPECT_EQ(login->btnAceptar->lEnabled(), e.enabled) << e.failures;
    EXPECT_EQ(login->btnAceptar->cText(), e.caption) << e.failures;
  }
  EXPECT_TRUE(Render::ToPng(login, Kiosk::PicturePath(QStringLiteral("login-espera.png"))));

  // The countdown goes down with the clock.
  clock.advance(1);
  login->ActualizaEspera();
  EXPECT_EQ(login->btnAceptar->cText(), QStringLiteral("Espere\n3 s"));

  // A colleague's number is not held up by these failures.
  login->txtEmpleado->Value = QStringLiteral("2");
  login->ActualizaEspera();
  EXPECT_TRUE(login->btnAceptar->lEnabled());
  EXPECT_TRUE(login->btnAceptar->cText().isEmpty());

  // Once the wait is over the right password logs in and clears the count.
  clock.advance(3);
  attempt(login, QStringLiteral("1"), QStringLiteral("Clave2024"));
  EXPECT_NE(DemoTerminal::Visible<TPrincipal>(), nullptr);
  EXPECT_EQ(LoginThrottle::Terminal().Failures(key), 0);
  EXPECT_EQ(LoginThrottle::Terminal().SecondsLeft(key), 0);
}

TEST(LoginThrottle, TheAdministratorEntryIsSlowedTheSameWay) {
  FakeClock clock;
  DemoTerminal terminal;
  const QString key = QStringLiteral("administrador");
  for (int failure = 1; failure <= 3; ++failure) {
    // A failed administrator check closes the login window; the next one remembers.
    auto* login = TForm::New<TRegistro>();
    login->Show();
    EXPECT_TRUE(login->btnAceptar->lEnabled()) << failure;
    attempt(login, QStringLiteral("Administrador"), QStringLiteral("otra"));
    EXPECT_EQ(LoginThrottle::Terminal().Failures(key), failure);
  }
  auto* login = TForm::New<TRegistro>();
  login->Show();
  login->txtEmpleado->Value = QStringLiteral("administrador");
  login->ActualizaEspera();
  EXPECT_FALSE(login->btnAceptar->lEnabled());
  EXPECT_EQ(login->btnAceptar->cText(), QStringLiteral("Espere\n2 s"));
  clock.advance(2);
  attempt(login, QStringLiteral("Administrador"), QStringLiteral("Admin2024"));
  EXPECT_NE(DemoTerminal::Visible<TAdministrador>(), nullptr);
  EXPECT_EQ(LoginThrottle::Terminal().Failures(key), 0);
}
