#include "printing/PrintDestination.h"

#include "printing/Cups.h"
#include "toolkit/TIni.h"

namespace Printing {

Destination ResolveDestination() {
  Destination d;
  d.name = TIni().GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Impresora"));
  d.configured = !d.name.isEmpty();
  if (!d.configured) {
    d.name = Cups::DefaultDestination(&d.reachable);
    if (!d.reachable || d.name.isEmpty()) return d;
  }
  const Cups::Printer p = Cups::Query(d.name);
  d.reachable = p.reachable;
  d.exists = p.exists;
  d.accepting = p.accepting;
  d.stopped = p.state == Cups::PrinterState::Stopped;
  return d;
}

QString Problem(const Destination& d) {
  if (!d.reachable) return SinServicio();
  if (d.name.isEmpty()) return SinImpresora();
  if (!d.exists) return NoExiste(d.name);
  if (!d.accepting) return NoAcepta(d.name);
  return QString();
}

QString SinServicio() {
  return QStringLiteral("El servicio de impresión de la terminal no responde. El documento no se imprimió.");
}
QString SinImpresora() { return QStringLiteral("No hay una impresora configurada en esta terminal."); }
QString NoExiste(const QString& printer) {
  return QStringLiteral("La impresora \"%1\" no existe en esta terminal.").arg(printer);
}
QString NoAcepta(const QString& printer) {
  return QStringLiteral("La impresora \"%1\" no acepta trabajos por ahora. El documento no se imprimió.").arg(printer);
}

}  // namespace Printing
