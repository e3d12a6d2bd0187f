// Report engine speed: a one-page payroll receipt (target within 1.5 times the bare page) and a
// 500-row listing (under 100 ms), each to a PDF file, beside the yardstick of a bare QPdfWriter
// letter page with a receipt's amount of text.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/BuildPaths.h"
#include "reports/GeneraFastReports.h"
#include "support/Yardsticks.h"
#include "toolkit/MsgBox.h"

namespace {

// The delivered templates in a scratch working directory, or in the folder named by
// PORTAL_BENCH_OUTPUT, where the documents written stay for a look.
class Workspace {
 public:
  Workspace() {
    const QString kept = qEnvironmentVariable("PORTAL_BENCH_OUTPUT");
    if (!kept.isEmpty()) QDir().mkpath(kept);
    QDir::setCurrent(kept.isEmpty() ? m_dir.path() : kept);
    QDir().mkpath(QStringLiteral("FReports"));
    const QDir source(BuildPaths::Source(QStringLiteral("/FReports")));
    for (const QString& f : source.entryList({QStringLiteral("*.fr3")}, QDir::Files))
      QFile::copy(source.filePath(f), QStringLiteral("FReports/") + f);
  }

 private:
  QTemporaryDir m_dir;
};

Workspace& Work() {
  static Workspace w;
  return w;
}

ResultSet Receipt() {
  ResultSet rs;
  rs.columns = QStringLiteral("empresa nombre_empresa rfc_empresa registro_patronal codigo nombre rfc curp afiliacion "
                              "departamento puesto ayo periodo nomina tipo_nomina inicio cierre fecha_pago dias "
                              "sueldo_diario tipo concepto descripcion importe percepcion deduccion total_percepciones "
                              "total_deducciones neto uuid")
                   .split(u' ');
  for (int i = 0; i < 12; ++i) {
    const bool p = i < 6;
    rs.rows << Row{3, "INDUSTRIAS DEL NORTE S.A. DE C.V.", "IND010101AB1", "Y5412345106", 1042, "JOSÉ NÚÑEZ",
                    "NUGJ850101AB1", "NUGJ850101HNLXXX09", "43018512345", "PRODUCCIÓN", "SUPERVISOR", 2025, 5, 1,
                    "Quincenal", "01/03/2025", "15/03/2025", "15/03/2025", 15, 500.0, p ? "P" : "D",
                    QString::number(i + 1), "Concepto", 100.0 * (i + 1), p ? 100.0 * (i + 1) : 0.0,
                    p ? 0.0 : 100.0 * (i + 1), 2100.0, 5700.0, -3600.0, "UUID"};
  }
  return rs;
}

ResultSet Listing(int count) {
  ResultSet rs;
  rs.columns = QStringLiteral("nomina periodo codigo tipo_nomina nombre_nomina nombre inicio cierre dias total_sueldo "
                              "total_percepciones total_deducciones total_isr total_imss neto mail empresa "
                              "nombre_empresa ayo")
                   .split(u' ');
  for (int i = 0; i < count; ++i)
    rs.rows << Row{1, i + 1, 1042, "Quincenal", "QUINCENAL CONFIANZA", "JOSÉ NÚÑEZ", "01/03/2025", "15/03/2025", 15,
                    7500.0, 8100.0, 1200.5, 900.25, 190.1, 6899.5, "", 3, "INDUSTRIAS DEL NORTE", 2025};
  return rs;
}

const ReportVariables kVars = {{"ZELK", "Nombre.Empresa", "'INDUSTRIAS DEL NORTE S.A. DE C.V.'"},
                               {"ZELK", "RFC.Empresa", "'IND010101AB1'"},
                               {"ZELK", "REG_PAT.Empresa", "'Y5412345106'"},
                               {"ZELK", "PeriodoDE", "'01/03/2025'"},
                               {"ZELK", "PeriodoA", "'15/03/2025'"},
                               {"ZELK", "TipoNomina", "'Quincenal'"},
                               {"ZELK", "NombreNomina", "'QUINCENAL'"},
                               {"ZELK", "PeriodoImprimir", "'5'"}};

void BareQPdfWriterPage(benchmark::State& state) {
  Work();
  const QString path = QDir::current().filePath(QStringLiteral("bare.pdf"));
  Bench::TimeEach(state, [&] { Bench::WriteBarePdfPage(path); }, Bench::BarePdfPage());
}
BENCHMARK(BareQPdfWriterPage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(50);

void OneReceiptToPdf(benchmark::State& state) {
  Work();
  const ResultSet rows = Receipt();
  Bench::TimeEach(state, [&] {
    benchmark::DoNotOptimize(GeneraFastReportsPDF(QStringLiteral("ReciboPortalCarta.fr3"), {}, rows, false, kVars,
                                                  QStringLiteral("recibo")));
  }, Bench::BarePdfPage());
}
BENCHMARK(OneReceiptToPdf)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(50);

void ListingOf500RowsToPdf(benchmark::State& state) {
  Work();
  const ResultSet rows = Listing(500);
  Bench::TimeEach(state, [&] {
    benchmark::DoNotOptimize(GeneraFastReportsPDF(QStringLiteral("listadoRecibos.fr3"), {}, rows, false, kVars,
                                                  QStringLiteral("listado")));
  }, Bench::BarePdfPage());
}
BENCHMARK(ListingOf500RowsToPdf)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

}  // namespace
