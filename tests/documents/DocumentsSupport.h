#pragma once
// What the document tests share: one CUPS scheduler for the whole program (started on first
// use, stopped when the tests end), a terminal with employee 1 logged in, the receipts screen,
// and a job's attributes read back from CUPS itself.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QProcess>

#include "../kiosk/KioskSupport.h"
#include "printing/Cups.h"
#include "support/CupsServer.h"
#include "support/QtPrinters.h"

namespace Docs {

class PrintServerEnvironment : public ::testing::Environment {
 public:
  static TestCups::CupsServer& Server() {
    static TestCups::CupsServer server;
    static const bool started = [] {
      const bool ok = server.start();
      Cups::UseServer(server.socket());
      return ok;
    }();
    if (!started) ADD_FAILURE() << "cupsd: " << server.errorString().toStdString();
    return server;
  }
  void TearDown() override {
    if (used) Server().stop();
  }
  static inline bool used = false;
};

inline TestCups::CupsServer& PrintServer() {
  PrintServerEnvironment::used = true;
  return PrintServerEnvironment::Server();
}

struct Session {
  DemoTerminal terminal;
  TPrincipal* menu = nullptr;
  explicit Session(const QString& variables)
      : terminal(QStringLiteral("SalirActivado=Si\nPDF=Si\nFDA=Si\n") + variables) {
    menu = Kiosk::LogIn();
    MsgSeam::Clear();
  }
  TRecibos* Receipts() const {
    return TForm::New<TRecibos>(menu, [this](TRecibos& s) {
      s.CNX = menu->CNX;
      s.empresa = menu->empresa;
      s.codigo = AppData.Codigo;
    });
  }
};

// A job as CUPS keeps it.
struct Job {
  int state = 0;  // IPP job-state: 3 pending ... 7 canceled, 9 completed
  int copies = 0;
  QString media;
  QString name;
};

inline Job JobOf(int id) {
  Job j;
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(id);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
  ipp_t* answer = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  if (answer) {
    if (ipp_attribute_t* a = ippFindAttribute(answer, "job-state", IPP_TAG_ENUM)) j.state = ippGetInteger(a, 0);
    if (ipp_attribute_t* a = ippFindAttribute(answer, "copies", IPP_TAG_INTEGER)) j.copies = ippGetInteger(a, 0);
    if (ipp_attribute_t* a = ippFindAttribute(answer, "media", IPP_TAG_ZERO))
      j.media = QString::fromUtf8(ippGetString(a, 0, nullptr));
    if (ipp_attribute_t* a = ippFindAttribute(answer, "job-name", IPP_TAG_ZERO))
      j.name = QString::fromUtf8(ippGetString(a, 0, nullptr));
  }
  ippDelete(answer);
  return j;
}

// The newest job of the queue, or 0.
inline int LastJob(const QString& queue) {
  cups_job_t* jobs = nullptr;
  const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
  int last = 0;
  for (int i = 0; i < n; ++i) last = std::max(last, jobs[i].id);
  cupsFreeJobs(n, jobs);
  return last;
}

inline QString Run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace Docs
