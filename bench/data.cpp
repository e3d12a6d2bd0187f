// Speed of the embedded engine's statement path: dialect translation, a procedure call with
// positional arguments, and a query through the session data source.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "data/SqlDialect.h"
#include "data/SqliteEngine.h"

namespace {

void Translate(benchmark::State& state) {
  const QString statement = QStringLiteral(
      "select isnull(a.nombre, N'') as nombre, CONVERT(varchar(11), a.fecha, 113), DATEDIFF(YY, a.alta, GETDATE()) "
      "from dbo.empleados a where a.empresa = 5 and a.codigo = 12");
  for (auto _ : state) benchmark::DoNotOptimize(SqlDialect::Translate(statement));
}
BENCHMARK(Translate);

void ProcedureCall(benchmark::State& state) {
  QTemporaryDir dir;
  SqliteEngine engine(dir.filePath(QStringLiteral("bench.db")));
  QList<DbError> errors;
  engine.Open(&errors);
  engine.Run(QStringLiteral("create table t (empresa int, codigo int, nombre varchar(40))"));
  engine.Run(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < 5000) "
                            "insert into t select i % 7, i, 'EMPLEADO ' || i from n"));
  engine.Run(QStringLiteral("create index t_codigo on t (empresa, codigo)"));
  engine.Run(QStringLiteral("CREATE PROCEDURE peDatos @empresa int, @codigo int, @filtro varchar(10) AS "
                            "select nombre from t where empresa = @empresa and codigo = @codigo"));
  qlonglong i = 0;
  for (auto _ : state) {
    ++i;
    const DbOutcome out =
        engine.Run(QStringLiteral(" exec peDatos        %1,%2,'T'").arg(i % 7).arg(i % 5000, 10));
    benchmark::DoNotOptimize(out.results.size());
  }
}
BENCHMARK(ProcedureCall);

}  // namespace
