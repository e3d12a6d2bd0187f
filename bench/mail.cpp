// Sending one message with a 100 KB PDF attached, as a receipt screen does, to a local server.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "support/SmtpServer.h"

#include "mail/TEnviaMail.h"
#include "toolkit/MsgBox.h"

namespace {

void BM_EnviaMailWithPdf(benchmark::State& state) {
  QTemporaryDir dir;
  QDir::setCurrent(dir.path());
  const QString pdf = dir.filePath(QStringLiteral("TEMPrecibo.pdf"));
  {
    QFile file(pdf);
    file.open(QIODevice::WriteOnly);
    QByteArray bytes("%PDF-1.4\n");
    for (int i = 0; bytes.size() < 100 * 1024; ++i) bytes += static_cast<char>((i * 2654435761u) >> 24);
    file.write(bytes);
  }
  TestSmtp::SmtpServer server;
  if (!server.start()) {
    state.SkipWithError(server.errorString().toUtf8().constData());
    return;
  }
  TEnviaMail mail;
  mail.ServidorMail = QStringLiteral("127.0.0.1");
  mail.Mail = QStringLiteral("portal@empresa.mx");
  mail.Puerto = server.portText();
  mail.tipoAutenticacion = QStringLiteral("Automatically");
  mail.titulo = QStringLiteral("Recibo de nómina");
  mail.TextoMail = QStringLiteral("Se adjunta su recibo de nómina.");
  mail.correoDeEmpleado = QStringLiteral("ana.pena@empresa.mx");
  mail.AddAttach(pdf);
  for (auto _ : state) {
    if (!mail.EnviaMail()) {
      state.SkipWithError("the message was not sent");
      break;
    }
  }
  state.SetBytesProcessed(state.iterations() * 100 * 1024);
}
BENCHMARK(BM_EnviaMailWithPdf)->Unit(benchmark::kMillisecond);

}  // namespace
