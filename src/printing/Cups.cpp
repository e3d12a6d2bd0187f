#include "printing/Cups.h"

#include <cups/cups.h>
#include <cups/pwg.h>

#include <QUrl>
#include <algorithm>
#include <cmath>

namespace {

// The printer's URI and resource, its name encoded (blanks, quotes and accents travel as %XX).
QByteArray printerUri(const QString& name) { return "ipp://localhost/printers/" + QUrl::toPercentEncoding(name); }

QByteArray jobUri(int id) { return "ipp://localhost/jobs/" + QByteArray::number(id); }

bool serviceDown() {
  const ipp_status_t e = cupsLastError();
  return e == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || e == IPP_STATUS_ERROR_INTERNAL;
}

// Sends the request (consumed) and returns the answer, null when the service did not answer.
ipp_t* ask(ipp_t* request, const char* resource = "/") {
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  return cupsDoRequest(CUPS_HTTP_DEFAULT, request, resource);
}

}  // namespace

namespace Cups {

Printer Query(const QString& name) {
  Printer p;
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(name).constData());
  static const char* const wanted[] = {"printer-state", "printer-is-accepting-jobs"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
  ipp_t* answer = ask(request);
  p.reachable = answer != nullptr || !serviceDown();
  if (answer && ippGetStatusCode(answer) <= IPP_STATUS_OK_CONFLICTING) {
    p.exists = true;
    if (ipp_attribute_t* a = ippFindAttribute(answer, "printer-state", IPP_TAG_ENUM))
      p.state = static_cast<PrinterState>(ippGetInteger(a, 0));
    if (ipp_attribute_t* a = ippFindAttribute(answer, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
      p.accepting = ippGetBoolean(a, 0);
  }
  ippDelete(answer);
  return p;
}

QString DefaultDestination(bool* reachable) {
  ipp_t* answer = ask(ippNewRequest(IPP_OP_CUPS_GET_DEFAULT));
  if (reachable) *reachable = answer != nullptr || !serviceDown();
  QString name;
  if (answer && ippGetStatusCode(answer) <= IPP_STATUS_OK_CONFLICTING)
    if (ipp_attribute_t* a = ippFindAttribute(answer, "printer-name", IPP_TAG_NAME))
      name = QString::fromUtf8(ippGetString(a, 0, nullptr));
  ippDelete(answer);
  return name;
}

Sent Submit(const QString& printer, const QString& title, const QByteArray& pdf, int copies, const QString& media) {
  Sent sent;
  const QByteArray name = printer.toUtf8();
  const QByteArray doc = title.toUtf8();
  cups_option_t* options = nullptr;
  int count = cupsAddOption("copies", QByteArray::number(std::max(1, copies)).constData(), 0, &options);
  if (!media.isEmpty()) count = cupsAddOption("media", media.toUtf8().constData(), count, &options);
  const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), doc.constData(), count, options);
  cupsFreeOptions(count, options);
  if (job > 0 &&
      cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, doc.constData(), CUPS_FORMAT_PDF, 1) ==
          HTTP_STATUS_CONTINUE &&
      cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), static_cast<size_t>(pdf.size())) ==
          HTTP_STATUS_CONTINUE &&
      cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) <= IPP_STATUS_OK_CONFLICTING) {
    sent.job = job;
    return sent;
  }
  sent.error = QString::fromUtf8(cupsLastErrorString());
  if (job > 0) Cancel(job);  // never half a document
  sent.reachable = Query(printer).reachable;
  return sent;
}

JobState Job(int id) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, jobUri(id).constData());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "job-state");
  ipp_t* answer = ask(request);
  JobState state = JobState::Unknown;
  if (answer && ippGetStatusCode(answer) <= IPP_STATUS_OK_CONFLICTING)
    if (ipp_attribute_t* a = ippFindAttribute(answer, "job-state", IPP_TAG_ENUM))
      state = static_cast<JobState>(ippGetInteger(a, 0));
  ippDelete(answer);
  return state;
}

bool Cancel(int id) {
  ipp_t* request = ippNewRequest(IPP_OP_CANCEL_JOB);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, jobUri(id).constData());
  ipp_t* answer = ask(request, "/jobs/");
  const bool ok = answer && ippGetStatusCode(answer) <= IPP_STATUS_OK_CONFLICTING;
  ippDelete(answer);
  return ok;
}

QString MediaFor(double widthMm, double heightMm) {
  const int w = static_cast<int>(std::lround(std::min(widthMm, heightMm) * 100));
  const int h = static_cast<int>(std::lround(std::max(widthMm, heightMm) * 100));
  pwg_media_t* m = pwgMediaForSize(w, h);
  return m && m->pwg ? QString::fromLatin1(m->pwg) : QString();
}

void UseServer(const QString& server) { cupsSetServer(server.isEmpty() ? nullptr : server.toUtf8().constData()); }

}  // namespace Cups
