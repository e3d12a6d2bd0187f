#pragma once
// The terminal's printer: the queue named by `[VARIABLES] Impresora` in config.ini, else the
// print service's default destination, and whether it exists and accepts jobs. Printing and
// the terminal's self-check both ask here.
#include <QString>

namespace Printing {

struct Destination {
  QString name;             // empty: none configured and the service has no default
  bool configured = false;  // named by Impresora
  bool reachable = false;   // the print service answered
  bool exists = false;
  bool accepting = false;
  bool stopped = false;
  bool CanPrint() const { return reachable && exists && accepting; }
};

Destination ResolveDestination();

// What the employee is told when nothing can be sent there; empty when it can.
QString Problem(const Destination& d);

// The message texts, one place for each.
QString SinServicio();
QString SinImpresora();
QString NoExiste(const QString& printer);
QString NoAcepta(const QString& printer);

}  // namespace Printing
