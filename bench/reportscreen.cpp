// Reports screen on the demo database: each of the ten documents of employee 1 from its
// statement to the PDF written for mailing (target under 100 ms each), beside the yardstick of
// a bare QPdfWriter page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/AppData.h"
#include "db/DemoDatabase.h"
#include "reports/GeneraFastReports.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/reports/TReportes.h"
#include "support/Yardsticks.h"
#include "toolkit/Controls.h"

namespace {

// A demo terminal with employee 1 logged in and the reports screen open on it.
TReportes* Screen() {
  static QTemporaryDir dir;
  static TReportes* screen = [] {
    DemoDatabase::PrepareTerminal(dir.path());
    DemoDatabase::Build(dir.path());
    QDir::setCurrent(dir.path());
    auto* login = TForm::New<TRegistro>();
    login->Show();
    login->txtEmpleado->Value = "1";
    login->txtPassword->Value = "Clave2024";
    login->btnAceptar->Press();
    TPrincipal* menu = nullptr;
    for (TForm* f : Application::Windows())
      if (auto* m = qobject_cast<TPrincipal*>(f); m && m->isVisible()) menu = m;
    if (!menu) return static_cast<TReportes*>(nullptr);
    return TForm::New<TReportes>(menu, [menu](TReportes& r) {
      r.CNX = menu->CNX;
      r.empresa = menu->empresa;
      r.codigo = AppData.Codigo;
    });
  }();
  return screen;
}

void BM_DocumentToPdf(benchmark::State& state) {
  TReportes* r = Screen();
  if (!r) {
    state.SkipWithError("no menu for employee 1");
    return;
  }
  const TReportes::Documento& d = TReportes::kDocumentos[state.range(0)];
  (r->*d.boton)->lChecked = true;
  state.SetLabel((r->*d.boton)->objectName().toStdString());
  const QString archivo = QDir::current().filePath(QStringLiteral("TEMPbench"));
  bool produced = true;
  Bench::TimeEach(state, [&] { produced = produced && r->GeneraReporte(QStringLiteral("Mail"), archivo); },
                  Bench::BarePdfPage());
  if (!produced) state.SkipWithError("the document was not produced");
  state.counters["bytes"] = static_cast<double>(QFile(ArchivoPDF(archivo)).size());
  QFile::remove(ArchivoPDF(archivo));
}
BENCHMARK(BM_DocumentToPdf)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

}  // namespace
