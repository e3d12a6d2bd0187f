// Filing a vacation request on the demo database, the "Guardar" press to the window closed:
// the filing statement, the step data, the request form written as a PDF and the notice
// mailed with it to a local SMTP server (target under 100 ms).
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "app/AppData.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/requests/TSolicitarDetalle.h"
#include "support/DemoTerminal.h"
#include "support/SmtpServer.h"
#include "toolkit/Controls.h"

namespace {

void BM_FileRequestWithNotice(benchmark::State& state) {
  TestSmtp::SmtpServer server;
  if (!server.start()) {
    state.SkipWithError(server.errorString().toUtf8().constData());
    return;
  }
  MsgSeam::Capture(true);
  DemoTerminal terminal;
  auto* menu = DemoTerminal::LogIn<TRegistro, TPrincipal>(QStringLiteral("5"), QStringLiteral("OIÑA900215AB3"));
  if (!menu) {
    state.SkipWithError("login failed");
    return;
  }
  AppData.oAdo->Execute("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '" + server.portText() + "'");
  const QString guardada = QStringLiteral("Soliciud guardada y correo(s) electrónico(s) enviado.");
  for (auto _ : state) {
    state.PauseTiming();
    MsgSeam::Clear();
    auto* d = TForm::New<TSolicitarDetalle>(menu, [&](TSolicitarDetalle& s) {
      s.empresa = menu->empresa;
      s.tipoSolicitud = 2;
    });
    d->Show();
    d->txtDiasSolicitados->Value = QStringLiteral("1");
    d->txtMotivo->Value = QStringLiteral("Cita en el IMSS");
    state.ResumeTiming();
    d->btnGuardar->Press();
    state.PauseTiming();
    if (MsgSeam::Texts() != QStringList{guardada}) {
      state.SkipWithError(MsgSeam::Texts().join(QStringLiteral(" | ")).toUtf8().constData());
      break;
    }
    DemoTerminal::Settle();
    state.ResumeTiming();
  }
  state.counters["mails"] = static_cast<double>(server.messages().size());
}
BENCHMARK(BM_FileRequestWithNotice)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
