// Vacation, absence and overtime screens on the demo database: each button that opens one of
// them to the screen shown with its data (target under 30 ms), and the vacation request form
// written as the PDF that goes with the request mail (target under 50 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "app/AppData.h"
#include "db/DemoDatabase.h"
#include "reports/GeneraFastReports.h"
#include "reports/ReportModal.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/time/TAusentismos.h"
#include "screens/time/TFiltroVacaciones.h"
#include "screens/time/TSolicitarVacaciones.h"
#include "screens/time/TTiempoExtra.h"
#include "screens/time/TVacaciones.h"
#include "toolkit/Controls.h"

namespace {

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

// The menu of employee 10 (absences, overtime and vacations in the demo), or null.
TPrincipal* Menu() {
  static TPrincipal* menu = [] {
    QDir::setCurrent(Terminal());
    auto* login = TForm::New<TRegistro>();
    login->Show();
    login->txtEmpleado->Value = "10";
    login->txtPassword->Value = "1234";
    login->btnAceptar->Press();
    settle();
    for (TForm* f : Application::Windows())
      if (auto* m = qobject_cast<TPrincipal*>(f); m && m->isVisible()) return m;
    return static_cast<TPrincipal*>(nullptr);
  }();
  return menu;
}

// Presses `button` until the screen it opens is shown; the screen closes at once.
void Opens(benchmark::State& state, const std::function<TBtnBmp*(TPrincipal&, TFiltroVacaciones*)>& button) {
  TPrincipal* menu = Menu();
  if (!menu) {
    state.SkipWithError("no menu");
    return;
  }
  // The vacation screens open from the vacation menu: keep one open for them.
  TFiltroVacaciones* filtro = TForm::New<TFiltroVacaciones>(menu, [menu](TFiltroVacaciones& f) {
    f.CNX = menu->CNX;
    f.empresa = menu->empresa;
    f.codigo = AppData.Codigo;
  });
  int shown = 0;
  TForm::SetModalHook([&shown](TForm& form) {
    if (form.isVisible()) ++shown;
    form.Close();
  });
  TBtnBmp* b = button(*menu, filtro);
  for (auto _ : state) {
    b->Press();
    state.PauseTiming();
    settle();
    state.ResumeTiming();
  }
  TForm::SetModalHook(nullptr);
  delete filtro;
  state.counters["shown"] = shown;
}

void BM_MenuToVacationMenu(benchmark::State& state) {
  Opens(state, [](TPrincipal& m, TFiltroVacaciones*) { return m.btnVacaciones; });
}
void BM_MenuToAbsences(benchmark::State& state) {
  Opens(state, [](TPrincipal& m, TFiltroVacaciones*) { return m.btnAusentismo; });
}
void BM_MenuToOvertime(benchmark::State& state) {
  Opens(state, [](TPrincipal& m, TFiltroVacaciones*) { return m.btnTiempoExtra; });
}
void BM_VacationMenuToHistory(benchmark::State& state) {
  Opens(state, [](TPrincipal&, TFiltroVacaciones* f) { return f->bnConsultar; });
}
void BM_VacationMenuToRequest(benchmark::State& state) {
  Opens(state, [](TPrincipal&, TFiltroVacaciones* f) { return f->btnSolicitar; });
}
BENCHMARK(BM_MenuToVacationMenu)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_MenuToAbsences)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_MenuToOvertime)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_VacationMenuToHistory)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_VacationMenuToRequest)->Unit(benchmark::kMillisecond)->Iterations(20);

// The request form laid out for its preview ("Imprimir"); the preview itself is not shown.
void BM_RequestFormPrepared(benchmark::State& state) {
  TPrincipal* menu = Menu();
  if (!menu) {
    state.SkipWithError("no menu");
    return;
  }
  auto* r = TForm::New<TSolicitarVacaciones>(menu, [menu](TSolicitarVacaciones& s) {
    s.CNX = menu->CNX;
    s.empresa = menu->empresa;
    s.codigo = AppData.Codigo;
    s.NombreEmpleado = menu->lblNombre->cText();
  });
  r->txtNumero->Value = "1";
  int previews = 0;
  ReportModal::SetHookForTests([&previews](QDialog&) {
    ++previews;
    return 0;
  });
  for (auto _ : state) r->btnImprimir->Press();
  ReportModal::SetHookForTests({});
  if (previews == 0) state.SkipWithError("no form prepared");
  delete r;
}
BENCHMARK(BM_RequestFormPrepared)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
