#include <cups/cups.h>

#include "check/Checks.h"
#include "toolkit/TIni.h"

namespace Checks {

namespace {

QString option(cups_dest_t* dest, const char* name) {
  const char* v = cupsGetOption(name, dest->num_options, dest->options);
  return v ? QString::fromUtf8(v) : QString();
}

}  // namespace

CheckLine Printer() {
  const QString name = TIni(QStringLiteral("config.ini")).GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Impresora"));
  const QString title = name.isEmpty() ? QStringLiteral("Impresora predeterminada") : QStringLiteral("Impresora %1").arg(name);
  const QByteArray wanted = name.toUtf8();
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.isEmpty() ? nullptr : wanted.constData(), nullptr);
  if (!dest) {
    const QString why = QString::fromUtf8(cupsLastErrorString());
    return CheckLine::Fail(u"impresora"_qs, title,
                           (name.isEmpty() ? QStringLiteral("CUPS no tiene impresora predeterminada") : QStringLiteral("CUPS no conoce esa impresora")) +
                               (why.isEmpty() ? QString() : u" ("_qs + why + u')'),
                           name.isEmpty() ? QStringLiteral("agregue la impresora (lpadmin -p ... -E) y hágala predeterminada (lpoptions -d), o póngala en [VARIABLES] Impresora")
                                          : QStringLiteral("revise el nombre en [VARIABLES] Impresora contra lpstat -p, o agregue la impresora con lpadmin"));
  }
  const QString destName = QString::fromUtf8(dest->name);
  const QString state = option(dest, "printer-state");  // 3 idle, 4 printing, 5 stopped
  const QString accepting = option(dest, "printer-is-accepting-jobs");
  const QString reasons = option(dest, "printer-state-reasons");
  cupsFreeDests(1, dest);
  const QString found = QStringLiteral("%1: %2, %3").arg(destName,
      state == u"5" ? u"detenida"_qs : state == u"4" ? u"imprimiendo"_qs : u"lista"_qs,
      accepting == u"false" ? u"no acepta trabajos"_qs : u"acepta trabajos"_qs);
  if (state == u"5" || accepting == u"false")
    return CheckLine::Fail(u"impresora"_qs, title, found + (reasons.isEmpty() || reasons == u"none" ? QString() : u" ("_qs + reasons + u')'),
                           QStringLiteral("cupsenable %1 && cupsaccept %1, y revise papel y cable").arg(destName));
  return CheckLine::Pass(u"impresora"_qs, title, found);
}

}  // namespace Checks
