#pragma once
// A real CUPS scheduler for tests: cupsd run as a child process with its own configuration,
// spool, logs and domain socket, and queues whose device writes each job as its own file
// ("job-<id>.pdf" in the queue's folder). The portal and the CUPS tools in child processes are
// pointed at it; stop() (or the destructor) ends it and nothing of it stays.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace TestCups {

class CupsServer {
 public:
  CupsServer();
  ~CupsServer();
  CupsServer(const CupsServer&) = delete;
  CupsServer& operator=(const CupsServer&) = delete;

  // Starts cupsd and returns once it answers (false with errorString()). Sets CUPS_SERVER for
  // this process and its children.
  bool start();
  void stop();
  QString errorString() const { return m_error; }
  QString socket() const;

  // A queue whose jobs arrive as files in Output(name); true when lpadmin took it.
  bool AddQueue(const QString& name, const QStringList& lpadminOptions = {});
  QString Output(const QString& queue) const;
  // The file of that job once it has arrived (waits up to `limitMs`), or empty.
  QString JobFile(const QString& queue, int job, int limitMs = 20000) const;

  // Runs a CUPS tool (lpadmin, cupsdisable, cupsenable, cupsreject, ...) against this server.
  bool Tool(const QString& program, const QStringList& arguments, QString* output = nullptr) const;

 private:
  QTemporaryDir m_dir;
  QProcess m_cupsd;
  QString m_error;
};

}  // namespace TestCups
