// Screens on the demo database: process start to the login window shown (target under
// 300 ms), accept button to the menu shown (under 100 ms) with the resident memory at the
// menu, and the receipts button to the listing shown for an employee with three years of
// weekly receipts (under 150 ms). The menu buttons to the general-information and the
// payroll-information screens shown, data loaded (under 30 ms each).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/BuildPaths.h"
#include "app/AppData.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "db/DemoDatabase.h"
#include "screens/employee/TInformacionGeneral.h"
#include "screens/employee/TInformacionNomina.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/receipts/TRecibos.h"
#include "toolkit/Controls.h"

namespace {

// A demo terminal whose start-up update has already run: later starts have nothing to apply.
const QString& Terminal() {
  static QTemporaryDir dir;
  static const bool built = [] {
    DemoDatabase::PrepareTerminal(dir.path());
    DemoDatabase::Build(dir.path());
    return true;
  }();
  Q_UNUSED(built);
  static const QString path = dir.path();
  return path;
}

void settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

double residentMegabytes() {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
  return 0;
}

void BM_ProcessStartToLoginShown(benchmark::State& state) {
  const QString dir = Terminal();
  for (auto _ : state) {
    QProcess p;
    p.setWorkingDirectory(dir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("PORTAL_SALIR_TRAS_LOGIN"), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    p.start(BuildPaths::Binary(QStringLiteral("/portal-empleado")), {});
    p.waitForFinished(30000);
    if (p.exitCode() != 0) state.SkipWithError("the portal did not start");
  }
}
BENCHMARK(BM_ProcessStartToLoginShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_AcceptToMenuShown(benchmark::State& state) {
  QDir::setCurrent(Terminal());
  TPrincipal* menu = nullptr;
  for (auto _ : state) {
    state.PauseTiming();
    auto* login = TForm::New<TRegistro>();
    login->Show();
    login->txtEmpleado->Value = "1";
    login->txtPassword->Value = "Clave2024";
    state.ResumeTiming();
    login->btnAceptar->Press();
    state.PauseTiming();
    menu = nullptr;
    for (TForm* f : Application::Windows())
      if (auto* m = qobject_cast<TPrincipal*>(f); m && m->isVisible()) menu = m;
    if (!menu) state.SkipWithError("no menu");
    state.counters["rss_mb"] = residentMegabytes();
    if (menu) menu->Close();
    settle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AcceptToMenuShown)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ReceiptsButtonToListingShown(benchmark::State& state) {
  QDir::setCurrent(Terminal());
  auto* login = TForm::New<TRegistro>();
  login->Show();
  // An employee paid weekly for three years.
  TQuery q(AppData.oAdo, QStringLiteral("GENERAL"),
           QStringLiteral("SELECT codigo FROM recibos WHERE empresa = 1 AND tiponom = 1 AND codigo > 7 "
                          "GROUP BY codigo HAVING count(DISTINCT ayo) >= 3 ORDER BY count(*) DESC LIMIT 1"));
  if (q.RecCount() == 0) {
    state.SkipWithError("no weekly employee in the demo");
    return;
  }
  login->txtEmpleado->Value = q.GetRows().row(1).col(1).toString();
  login->txtPassword->Value = "1234";
  login->btnAceptar->Press();
  settle();
  TPrincipal* menu = nullptr;
  for (TForm* f : Application::Windows())
    if (auto* m = qobject_cast<TPrincipal*>(f); m && m->isVisible()) menu = m;
  if (!menu) {
    state.SkipWithError("no menu");
    return;
  }
  int rows = 0;
  TForm::SetModalHook([&rows](TForm& form) {
    if (auto* r = qobject_cast<TRecibos*>(&form)) rows = r->arregloRecibos->Len();
    form.Close();
  });
  for (auto _ : state) {
    menu->btnRecibos->Press();
    state.PauseTiming();
    settle();
    state.ResumeTiming();
  }
  TForm::SetModalHook(nullptr);
  state.counters["rows"] = rows;
}
BENCHMARK(BM_ReceiptsButtonToListingShown)->Unit(benchmark::kMillisecond)->Iterations(20);

// --- Employee information screens -----------------------------------------------------------

// The menu of employee 1, logged in on the demo terminal; null when the login failed.
TPrincipal* employeeMenu() {
  QDir::setCurrent(Terminal());
  auto* login = TForm::New<TRegistro>();
  login->Show();
  login->txtEmpleado->Value = "1";
  login->txtPassword->Value = "Clave2024";
  login->btnAceptar->Press();
  settle();
  for (TForm* f : Application::Windows())
    if (auto* m = qobject_cast<TPrincipal*>(f); m && m->isVisible()) return m;
  return nullptr;
}

// Presses a menu button each iteration; the screen is shown and loaded when the hook gets it.
template <class Screen>
void menuButtonToScreenShown(benchmark::State& state, TBtnBmp* TPrincipal::*button) {
  TPrincipal* menu = employeeMenu();
  if (!menu) {
    state.SkipWithError("no menu");
    return;
  }
  int shown = 0;
  TForm::SetModalHook([&shown](TForm& form) {
    if (qobject_cast<Screen*>(&form) && form.isVisible()) ++shown;
    form.Close();
  });
  for (auto _ : state) {
    (menu->*button)->Press();
    state.PauseTiming();
    settle();
    state.ResumeTiming();
  }
  TForm::SetModalHook(nullptr);
  if (shown != static_cast<int>(state.iterations())) state.SkipWithError("the screen was not shown");
  menu->Close();
  settle();
}

void BM_GeneralInformationButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TInformacionGeneral>(state, &TPrincipal::btnInformacionGeneral);
}
BENCHMARK(BM_GeneralInformationButtonToScreenShown)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_PayrollInformationButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TInformacionNomina>(state, &TPrincipal::btnDatosNomina);
}
BENCHMARK(BM_PayrollInformationButtonToScreenShown)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
