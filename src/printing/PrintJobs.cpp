#include "printing/PrintJobs.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QList>
#include <QTimer>

#include "printing/Cups.h"
#include "printing/PrintDestination.h"

namespace {

struct Sent {
  QString printer;
  int job;
};

QList<Sent>& tracked() {
  static QList<Sent> jobs;
  return jobs;
}

// Lets the window repaint between two looks, without taking touches meanwhile.
void pause(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// Held or stopped, or in line behind a stopped printer; a job in line on a working printer
// comes out in a moment and is left, as is one printing.
bool stuck(const Sent& s) {
  switch (Cups::Job(s.job)) {
    case Cups::JobState::Held:
    case Cups::JobState::Stopped:
      return true;
    case Cups::JobState::Pending:
      return Cups::Query(s.printer).state == Cups::PrinterState::Stopped;
    default:
      return false;
  }
}

}  // namespace

namespace PrintJobs {

QString Follow(const QString& printer, int job) {
  const QDeadlineTimer deadline(kSeguimientoMs);
  for (;;) {
    switch (Cups::Job(job)) {
      case Cups::JobState::Completed:
      case Cups::JobState::Processing:
        return QString();
      case Cups::JobState::Held:
        return Retenido(printer);
      case Cups::JobState::Stopped:
        return Detenida(printer);
      case Cups::JobState::Canceled:
      case Cups::JobState::Aborted:
        return NoImprimio(printer);
      case Cups::JobState::Unknown:
        return Printing::SinServicio();
      case Cups::JobState::Pending:
        if (Cups::Query(printer).state == Cups::PrinterState::Stopped) return Detenida(printer);
        break;
    }
    if (deadline.hasExpired()) return QString();  // waits its turn on a working printer
    pause(100);
  }
}

void Track(const QString& printer, int job) { tracked().append({printer, job}); }
int Tracked() { return static_cast<int>(tracked().size()); }

int CancelWaiting() {
  int cancelled = 0;
  const QList<Sent> jobs = tracked();
  tracked().clear();
  for (const Sent& s : jobs)
    if (stuck(s) && Cups::Cancel(s.job)) ++cancelled;
  return cancelled;
}

QString Detenida(const QString& printer) {
  return QStringLiteral(
             "La impresora \"%1\" está detenida. El documento quedó en espera y se cancelará al cerrar "
             "su sesión.")
      .arg(printer);
}
QString Retenido(const QString& printer) {
  return QStringLiteral("El documento quedó retenido en la impresora \"%1\" y se cancelará al cerrar su sesión.")
      .arg(printer);
}
QString NoImprimio(const QString& printer) {
  return QStringLiteral("La impresora \"%1\" no pudo imprimir el documento.").arg(printer);
}

}  // namespace PrintJobs
