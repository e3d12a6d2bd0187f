// Demo database and start-up update: time to build the demo database, a start-up update with
// nothing to run (target under 50 ms), and the login and receipt-listing queries at 100, 1,000
// and 10,000 employees (target under 10 ms each, flat as the company grows).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "data/Scramble.h"
#include "db/DemoDatabase.h"
#include "toolkit/MsgBox.h"

namespace {

struct Terminal {
  QTemporaryDir dir;
  std::shared_ptr<TDataSource> ds;
};

// One demo terminal per size, built on first use and kept for the whole run.
Terminal& TerminalOf(int employees, int years) {
  static std::map<std::pair<int, int>, std::unique_ptr<Terminal>> built;
  auto& t = built[{employees, years}];
  if (!t) {
    t = std::make_unique<Terminal>();
    DemoDatabase::PrepareTerminal(t->dir.path());
    DemoDatabase::Build(t->dir.path(), employees, years);
    t->ds = DemoDatabase::Open(t->dir.filePath(DemoDatabase::kFile));
    t->ds->Execute(QStringLiteral(" exec PortalPatronInsertaEmpresasSeleccionadas  4242,       1"));
  }
  return *t;
}

void BM_BuildDemoDatabase(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir;
    DemoDatabase::PrepareTerminal(dir.path());
    DemoDatabase::Build(dir.path());
  }
}
BENCHMARK(BM_BuildDemoDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StartupUpdateNothingToRun(benchmark::State& state) {
  Terminal& t = TerminalOf(50, 3);
  const QString folder = t.dir.filePath(QStringLiteral("ActualDB"));
  for (auto _ : state) clsActualizaBD(UpdateLinkFor(*t.ds), folder).Actualiza_BasedeDatos();
}
BENCHMARK(BM_StartupUpdateNothingToRun)->Unit(benchmark::kMillisecond);

void BM_LoginQueries(benchmark::State& state) {
  Terminal& t = TerminalOf(static_cast<int>(state.range(0)), 1);
  const QString pwd = EncriptaPWD(QStringLiteral("Clave2024"));
  for (auto _ : state) {
    benchmark::DoNotOptimize(t.ds->Query("exec peValidaEntrada 1,'" + pwd + "',0,0"));
    benchmark::DoNotOptimize(t.ds->Query(QStringLiteral("exec peValidaPasswordNulo @codigo=         1, @empresa=       1")));
  }
}
BENCHMARK(BM_LoginQueries)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReceiptListing(benchmark::State& state) {
  Terminal& t = TerminalOf(static_cast<int>(state.range(0)), 1);
  const QString year = QString::number(QDate::currentDate().year());
  const QString sql = "exec  PortalEmpleadoCargaListadoDeRecibos 4," + year + ",1,24,'','','',4242,1,'110001','       1'";
  for (auto _ : state) benchmark::DoNotOptimize(t.ds->Query(sql));
}
BENCHMARK(BM_ReceiptListing)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
