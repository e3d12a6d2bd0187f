#include "printing/KioskPrint.h"

#include "printing/Cups.h"
#include "printing/PrintDestination.h"
#include "printing/PrintJobs.h"
#include "printing/TConfirmaImpresion.h"
#include "toolkit/MsgBox.h"
#include "toolkit/SystemJournal.h"

namespace Printing {

namespace {

// A print failure is told to the employee and left in the system journal for the site.
void Failed(const QString& code, const QString& text) {
  SystemJournal::Report(QStringLiteral("impresion"), code, QString(), text);
  MsgStop(text, kTitulo);
}

}  // namespace

bool PrintPdf(QWidget* parent, const QByteArray& pdf, const QString& document, const QSizeF& pageMm) {
  const Destination d = ResolveDestination();
  if (const QString problem = Problem(d); !problem.isEmpty()) {
    Failed(QStringLiteral("destino"), problem);
    return false;
  }
  int copias = 0;
  auto* confirma = TForm::New<TConfirmaImpresion>(parent, [&](TConfirmaImpresion& f) {
    f.impresora = d.name;
    f.documento = document;
  });
  confirma->ShowModal();
  if (confirma->lAceptado) copias = confirma->copias;
  if (copias < 1) return false;

  const Cups::Sent sent = Cups::Submit(d.name, document, pdf, copias, Cups::MediaFor(pageMm.width(), pageMm.height()));
  if (sent.job == 0) {
    Failed(sent.reachable ? QStringLiteral("rechazado") : QStringLiteral("sin-servicio"),
           sent.reachable ? Rechazado(d.name, sent.error) : SinServicio());
    return false;
  }
  PrintJobs::Track(d.name, sent.job);
  if (const QString said = PrintJobs::Follow(d.name, sent.job); !said.isEmpty()) Failed(QStringLiteral("trabajo"), said);
  return true;
}

QString Rechazado(const QString& printer, const QString& reason) {
  return QStringLiteral("La impresora \"%1\" rechazó el documento (%2).").arg(printer, reason);
}

}  // namespace Printing
