#include "check/Checks.h"
#include "printing/PrintDestination.h"

namespace Checks {

// The printer the portal would print on, resolved as printing resolves it.
CheckLine Printer() {
  const Printing::Destination d = Printing::ResolveDestination();
  const QString title = d.configured ? QStringLiteral("Impresora %1").arg(d.name) : QStringLiteral("Impresora predeterminada");
  if (!d.reachable)
    return CheckLine::Fail(u"impresora"_qs, title, QStringLiteral("CUPS no responde"),
                           QStringLiteral("revise que cupsd esté en marcha (systemctl status cups)"));
  if (d.name.isEmpty())
    return CheckLine::Fail(u"impresora"_qs, title, QStringLiteral("CUPS no tiene impresora predeterminada"),
                           QStringLiteral("agregue la impresora (lpadmin -p ... -E) y hágala predeterminada (lpoptions -d), o póngala en [VARIABLES] Impresora"));
  if (!d.exists)
    return CheckLine::Fail(u"impresora"_qs, title, QStringLiteral("CUPS no conoce esa impresora"),
                           QStringLiteral("revise el nombre en [VARIABLES] Impresora contra lpstat -p, o agregue la impresora con lpadmin"));
  const QString found = QStringLiteral("%1: %2, %3").arg(d.name, d.stopped ? u"detenida"_qs : u"lista"_qs,
                                                         d.accepting ? u"acepta trabajos"_qs : u"no acepta trabajos"_qs);
  if (d.stopped || !d.accepting)
    return CheckLine::Fail(u"impresora"_qs, title, found, QStringLiteral("cupsenable %1 && cupsaccept %1, y revise papel y cable").arg(d.name));
  return CheckLine::Pass(u"impresora"_qs, title, found);
}

}  // namespace Checks
