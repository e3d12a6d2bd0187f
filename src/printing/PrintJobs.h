#pragma once
// The jobs this terminal sent during the employee's session: each one followed for a short,
// bounded time after it is sent, and every one still waiting (printer stopped, job held)
// cancelled when the session ends, so it never comes out for the next person. A job already
// printing is left to finish.
#include <QString>

namespace PrintJobs {

// How long a job is followed after it is sent.
constexpr int kSeguimientoMs = 3000;

// What CUPS says of the job within that time, as a message for the employee: empty when it
// printed, is printing or waits its turn on a working printer.
QString Follow(const QString& printer, int job);

// Remembered until CancelWaiting.
void Track(const QString& printer, int job);
int Tracked();

// Cancels every remembered job that is held, stopped or in line behind a stopped printer, and
// forgets them all; the number cancelled.
int CancelWaiting();

QString Detenida(const QString& printer);
QString Retenido(const QString& printer);
QString NoImprimio(const QString& printer);

}  // namespace PrintJobs
