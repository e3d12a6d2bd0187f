// Screens on the demo database: process start to the login window shown (target under
// 300 ms), accept button to the menu shown (under 100 ms) with the resident memory at the
// menu. Every screen the menu opens, shown (under 10 ms each, median), the receipts listing of
// an employee with three years of weekly receipts included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
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
#include "screens/admin/TAdministrador.h"
#include "screens/login/TPassword.h"
#include "screens/reports/TPoliticas.h"
#include "screens/reports/TReportes.h"
#include "screens/requests/TAutorizaciones.h"
#include "screens/requests/TSolicitudes.h"
#include "screens/time/TAusentismos.h"
#include "screens/time/TFiltroVacaciones.h"
#include "screens/time/TSolicitarVacaciones.h"
#include "screens/time/TTiempoExtra.h"
#include "screens/time/TVacaciones.h"
#include "support/SqlServerStandIn.h"
#include "support/Yardsticks.h"
#include "toolkit/Controls.h"
#include "toolkit/DocumentOpener.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TVisorDocumento.h"

namespace {

// A demo terminal whose start-up update has already run: later starts have nothing to apply.
// With PORTAL_BENCH_SQLSERVER=1 its config.ini names the SQL Server stand-in serving that
// database, so every screen goes through FreeTDS and unixODBC (the production path).
const QString& Terminal() {
  static QTemporaryDir dir;
  static const bool built = [] {
    DemoDatabase::PrepareTerminal(dir.path());
    DemoDatabase::Build(dir.path());
    if (qEnvironmentVariableIntValue("PORTAL_BENCH_SQLSERVER") == 1) {
      static SqlServerStandIn server(QDir(dir.path()).filePath(QString::fromLatin1(DemoDatabase::kFile)));
      if (!server.start()) qFatal("SQL Server stand-in: %s", qPrintable(server.errorString()));
      QFile ini(QDir(dir.path()).filePath(QStringLiteral("config.ini")));
      ini.open(QIODevice::ReadOnly);
      QString text = QString::fromUtf8(ini.readAll());
      ini.close();
      text.replace(QRegularExpression(QStringLiteral(R"(\[CONFIG\][^\[]*)")), server.configSection() + u'\n');
      ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
      ini.write(text.toUtf8());
    }
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

// --- Every screen the menu opens ------------------------------------------------------------
// Target: each shown within 10 ms (median) on the demo database, timed from the button press to
// the screen painted once, beside the yardstick of a bare window with 40 controls.

// The menu after a login on the demo terminal; null when the login failed.
TPrincipal* DemoLogIn(const QString& employee, const QString& password) {
  QDir::setCurrent(Terminal());
  auto* login = TForm::New<TRegistro>();
  login->Show();
  login->txtEmpleado->Value = employee;
  login->txtPassword->Value = password;
  login->btnAceptar->Press();
  settle();
  for (TForm* f : Application::Windows())
    if (auto* m = qobject_cast<TPrincipal*>(f); m && m->isVisible()) return m;
  return nullptr;
}

TPrincipal* employeeMenu() { return DemoLogIn(QStringLiteral("1"), QStringLiteral("Clave2024")); }

// PORTAL_BENCH_SHOTS=<folder> keeps a picture of each screen as first shown, for a look.
void keepPicture(QWidget& screen) {
  const QString folder = qEnvironmentVariable("PORTAL_BENCH_SHOTS");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  screen.grab().save(folder + u'/' + QString::fromLatin1(screen.metaObject()->className()) + QStringLiteral(".png"));
}

// Presses `button` each iteration; a screen of class Screen counts as shown when the modal hook
// has painted it. `before` runs untimed ahead of each press.
template <class Screen>
void pressToScreenShown(benchmark::State& state, const std::function<TBtnBmp*()>& button,
                        const std::function<void()>& before = {}, const std::function<void(Screen&)>& seen = {}) {
  QElapsedTimer clock;
  double shownAt = -1;
  int shown = 0;
  TForm::SetModalHook([&](TForm& form) {
    if (auto* screen = qobject_cast<Screen*>(&form); screen && form.isVisible() && Bench::PaintNow(&form)) {
      shownAt = clock.nsecsElapsed() / 1e6;
      if (shown++ == 0) keepPicture(form);
      if (seen) seen(*screen);
    }
    form.Close();
  });
  if (before) before();
  Bench::TimeEachMeasured(state, [&] {
    shownAt = -1;
    clock.start();
    button()->Press();
    return shownAt >= 0 ? shownAt : clock.nsecsElapsed() / 1e6;
  }, Bench::BareWindow(), [&] {
    settle();
    if (before) before();
  });
  TForm::SetModalHook(nullptr);
  if (shown != static_cast<int>(state.iterations())) state.SkipWithError("the screen was not shown");
}

// A menu button of employee 1's menu to its screen shown.
template <class Screen>
void menuButtonToScreenShown(benchmark::State& state, TBtnBmp* TPrincipal::*button,
                             const std::function<void()>& before = {}) {
  TPrincipal* menu = employeeMenu();
  if (!menu) {
    state.SkipWithError("no menu");
    return;
  }
  pressToScreenShown<Screen>(state, [menu, button] { return menu->*button; }, before);
  menu->Close();
  settle();
}

void BM_GeneralInformationButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TInformacionGeneral>(state, &TPrincipal::btnInformacionGeneral);
}
void BM_PayrollInformationButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TInformacionNomina>(state, &TPrincipal::btnDatosNomina);
}
void BM_ReceiptsOfEmployee1ButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TRecibos>(state, &TPrincipal::btnRecibos);
}
void BM_VacationsButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TFiltroVacaciones>(state, &TPrincipal::btnVacaciones);
}
void BM_AbsencesButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TAusentismos>(state, &TPrincipal::btnAusentismo);
}
void BM_OvertimeButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TTiempoExtra>(state, &TPrincipal::btnTiempoExtra);
}
void BM_RequestsButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TSolicitudes>(state, &TPrincipal::btnSolicitudes);
}
void BM_AuthorizationsButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TAutorizaciones>(state, &TPrincipal::btnAutorizaciones);
}
void BM_ReportsButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TReportes>(state, &TPrincipal::btnReportes);
}
void BM_PoliciesButtonToScreenShown(benchmark::State& state) {
  menuButtonToScreenShown<TPoliticas>(state, &TPrincipal::btnPoliticas);
}
void BM_PasswordButtonToScreenShown(benchmark::State& state) {
  // The question before the screen is answered yes.
  menuButtonToScreenShown<TPassword>(state, &TPrincipal::btnCambiaPassword, [] { MsgSeam::QueueAnswer(true); });
}
// The receipts button to the listing shown for an employee paid weekly for three years.
void BM_ReceiptsButtonToListingShown(benchmark::State& state) {
  QDir::setCurrent(Terminal());
  auto* probe = TForm::New<TRegistro>();  // opens the session's data source
  probe->Show();
  TQuery q(AppData.oAdo, QStringLiteral("GENERAL"),
           QStringLiteral("SELECT codigo FROM recibos WHERE empresa = 1 AND tiponom = 1 AND codigo > 7 "
                          "GROUP BY codigo HAVING count(DISTINCT ayo) >= 3 ORDER BY count(*) DESC LIMIT 1"));
  if (q.RecCount() == 0) {
    state.SkipWithError("no weekly employee in the demo");
    return;
  }
  const QString employee = q.GetRows().row(1).col(1).toString();
  probe->Close();
  settle();
  TPrincipal* menu = DemoLogIn(employee, QStringLiteral("1234"));
  if (!menu) {
    state.SkipWithError("no menu");
    return;
  }
  int rows = 0;
  pressToScreenShown<TRecibos>(state, [menu] { return menu->btnRecibos; }, {},
                               [&rows](TRecibos& r) { rows = r.arregloRecibos->Len(); });
  state.counters["rows"] = rows;
  menu->Close();
  settle();
}

BENCHMARK(BM_GeneralInformationButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_PayrollInformationButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_ReceiptsButtonToListingShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_ReceiptsOfEmployee1ButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_VacationsButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_AbsencesButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_OvertimeButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_RequestsButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_AuthorizationsButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_ReportsButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_PoliciesButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_PasswordButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The two buttons of the vacation menu, on a vacation menu opened from employee 1's menu.
template <class Screen>
void vacationButtonToScreenShown(benchmark::State& state, TBtnBmp* TFiltroVacaciones::*button) {
  TPrincipal* menu = employeeMenu();
  if (!menu) {
    state.SkipWithError("no menu");
    return;
  }
  auto* filter = TForm::New<TFiltroVacaciones>(menu, [menu](TFiltroVacaciones& f) {
    f.CNX = menu->CNX;
    f.empresa = menu->empresa;
    f.codigo = AppData.Codigo;
    f.NombreEmpleado = AppData.NombreTrabajador;
  });
  filter->Show();
  pressToScreenShown<Screen>(state, [filter, button] { return filter->*button; });
  filter->Close();
  menu->Close();
  settle();
}

void BM_VacationHistoryButtonToScreenShown(benchmark::State& state) {
  vacationButtonToScreenShown<TVacaciones>(state, &TFiltroVacaciones::bnConsultar);
}
void BM_VacationRequestButtonToScreenShown(benchmark::State& state) {
  vacationButtonToScreenShown<TSolicitarVacaciones>(state, &TFiltroVacaciones::btnSolicitar);
}
BENCHMARK(BM_VacationHistoryButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_VacationRequestButtonToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The conduct button to the portal's own viewer showing the company's conduct code.
void BM_ConductButtonToViewerShown(benchmark::State& state) {
  TPrincipal* menu = employeeMenu();
  if (!menu) {
    state.SkipWithError("no menu");
    return;
  }
  int shown = 0;
  Bench::TimeEachMeasured(state, [&] {
    QElapsedTimer clock;
    clock.start();
    menu->btnConducta->Press();
    const QList<TVisorDocumento*> viewers = DocumentOpener::Viewers();
    if (viewers.isEmpty()) return clock.nsecsElapsed() / 1e6;
    if (Bench::PaintNow(viewers.last())) ++shown;
    return clock.nsecsElapsed() / 1e6;
  }, Bench::BareWindow(), [] {
    DocumentOpener::CloseAll();
    settle();
  });
  if (shown != static_cast<int>(state.iterations())) state.SkipWithError("the viewer was not shown");
  menu->Close();
  settle();
}
BENCHMARK(BM_ConductButtonToViewerShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The administrator's accept on the login window to the administration screen shown.
void BM_AdministratorAcceptToScreenShown(benchmark::State& state) {
  QDir::setCurrent(Terminal());
  int shown = 0;
  // Closing the administration screen leads to a fresh login window.
  auto login = [] {
    TRegistro* l = nullptr;
    for (TForm* f : Application::Windows())
      if (auto* r = qobject_cast<TRegistro*>(f); r && r->isVisible()) l = r;
    if (!l) {
      l = TForm::New<TRegistro>();
      l->Show();
    }
    l->txtEmpleado->Value = "Administrador";
    l->txtPassword->Value = "Admin2024";
    return l;
  };
  TRegistro* next = login();
  Bench::TimeEachMeasured(state, [&] {
    QElapsedTimer clock;
    clock.start();
    next->btnAceptar->Press();
    for (TForm* f : Application::Windows())
      if (auto* a = qobject_cast<TAdministrador*>(f); a && a->isVisible()) {
        if (Bench::PaintNow(a) && shown++ == 0) keepPicture(*a);
        break;
      }
    return clock.nsecsElapsed() / 1e6;
  }, Bench::BareWindow(), [&] {
    for (TForm* f : Application::Windows())
      if (auto* a = qobject_cast<TAdministrador*>(f); a && a->isVisible()) a->Close();
    settle();
    next = login();
  });
  next->Close();
  settle();
  if (shown != static_cast<int>(state.iterations())) state.SkipWithError("the administration screen was not shown");
}
BENCHMARK(BM_AdministratorAcceptToScreenShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The yardstick of the screens above.
void BM_BareWindowShown(benchmark::State& state) {
  Bench::TimeEach(state, [] { Bench::ShowBareWindow(40); }, Bench::BareWindow());
}
BENCHMARK(BM_BareWindowShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

}  // namespace
