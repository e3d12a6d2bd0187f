#include "toolkit/DocumentOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <memory>
#include <signal.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::unique_ptr<QProcess>>& viewers() {
  static std::vector<std::unique_ptr<QProcess>> list;
  return list;
}

// The Exec line of the desktop entry that handles this MIME type, or empty.
QString desktopExec(const QString& mime) {
  QProcess query;
  query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mime});
  if (!query.waitForFinished(3000)) return QString();
  const QString entry = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
  if (entry.isEmpty()) return QString();
  for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
    QFile f(QDir(dir).filePath(entry));
    if (!f.open(QIODevice::ReadOnly)) continue;
    for (const QByteArray& line : f.readAll().split('\n'))
      if (line.startsWith("Exec=")) return QString::fromUtf8(line.mid(5)).trimmed();
  }
  return QString();
}

// Splits a command line into words, respecting double quotes; "%f"-style codes take the file.
QStringList commandFor(const QString& command, const QString& file) {
  QStringList words = QProcess::splitCommand(command);
  bool placed = false;
  QStringList out;
  for (const QString& w : words) {
    if (w == u"%f" || w == u"%F" || w == u"%u" || w == u"%U") {
      out << file;
      placed = true;
    } else if (w.size() == 2 && w.startsWith(u'%')) {
      continue;  // other desktop-entry codes carry nothing we use
    } else {
      out << w;
    }
  }
  if (!placed) out << file;
  return out;
}

void prune() {
  auto& list = viewers();
  std::erase_if(list, [](const std::unique_ptr<QProcess>& p) { return p->state() == QProcess::NotRunning; });
}

}  // namespace

namespace DocumentOpener {

bool Open(const QString& path) {
  const QString file = QFileInfo(path).absoluteFilePath();
  if (!QFileInfo::exists(file)) return false;
  QString command = qEnvironmentVariable("PORTAL_DOCUMENT_VIEWER");
  if (command.isEmpty()) command = desktopExec(QMimeDatabase().mimeTypeForFile(file).name());
  if (command.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(file));

  const QStringList words = commandFor(command, file);
  auto process = std::make_unique<QProcess>();
  // Its own process group, so that closing it also closes what it started.
  process->setChildProcessModifier([] { ::setsid(); });
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->start(words.first(), words.mid(1));
  if (!process->waitForStarted(5000)) return false;
  prune();
  viewers().push_back(std::move(process));
  return true;
}

void CloseAll() {
  for (auto& p : viewers()) {
    if (p->state() == QProcess::NotRunning) continue;
    const auto pid = static_cast<pid_t>(p->processId());
    ::kill(-pid, SIGTERM);
    if (!p->waitForFinished(2000)) {
      ::kill(-pid, SIGKILL);
      p->waitForFinished(2000);
    }
  }
  viewers().clear();
}

int RunningCount() {
  prune();
  return static_cast<int>(viewers().size());
}

}  // namespace DocumentOpener
