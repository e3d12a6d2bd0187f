#pragma once
// The few requests the portal makes to the print service (libcups, IPP): a printer's state,
// the default destination, sending a PDF as a job, a job's state, cancelling a job.
// Every call answers at once; none keeps a connection of its own.
#include <QByteArray>
#include <QString>

namespace Cups {

enum class JobState {
  Unknown = 0,
  Pending = 3,
  Held = 4,
  Processing = 5,
  Stopped = 6,
  Canceled = 7,
  Aborted = 8,
  Completed = 9
};
enum class PrinterState { Unknown = 0, Idle = 3, Processing = 4, Stopped = 5 };

struct Printer {
  bool reachable = false;  // the print service answered
  bool exists = false;
  bool accepting = false;  // printer-is-accepting-jobs
  PrinterState state = PrinterState::Unknown;
};

// The queue of that name as the print service sees it.
Printer Query(const QString& name);

// The service's default destination; empty when there is none or the service did not answer
// (`reachable` tells which).
QString DefaultDestination(bool* reachable = nullptr);

struct Sent {
  int job = 0;  // 0 when refused
  bool reachable = true;
  QString error;  // the service's reason when refused
};

// Sends `pdf` as one job: `copies`, and `media` (a PWG size name) when not empty.
Sent Submit(const QString& printer, const QString& title, const QByteArray& pdf, int copies, const QString& media);

JobState Job(int id);
bool Cancel(int id);

// The PWG name of a page size in mm, portrait or landscape alike ("na_letter_8.5x11in").
QString MediaFor(double widthMm, double heightMm);

// Which print service to ask: a host[:port] or a domain socket path; empty is the usual one
// (CUPS_SERVER, client.conf or the system's socket).
void UseServer(const QString& server);

}  // namespace Cups
