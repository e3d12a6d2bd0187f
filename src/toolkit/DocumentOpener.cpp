#include "toolkit/DocumentOpener.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QProcess>
#include <memory>
#include <signal.h>
#include <unistd.h>
#include <vector>

#include "documents/OfficeConversion.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TVisorDocumento.h"

namespace {

std::vector<std::unique_ptr<QProcess>>& processes() {
  static std::vector<std::unique_ptr<QProcess>> list;
  return list;
}

QList<QPointer<TVisorDocumento>>& windows() {
  static QList<QPointer<TVisorDocumento>> list;
  return list;
}

// Splits a command line into words, respecting double quotes; "%f"-style codes take the file.
QStringList commandFor(const QString& command, const QString& file) {
  const QStringList words = QProcess::splitCommand(command);
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
  std::erase_if(processes(), [](const std::unique_ptr<QProcess>& p) { return p->state() == QProcess::NotRunning; });
  windows().removeIf([](const QPointer<TVisorDocumento>& w) { return w.isNull() || !w->isVisible(); });
}

bool startExternal(const QString& command, const QString& file) {
  const QStringList words = commandFor(command, file);
  if (words.isEmpty()) return false;
  auto process = std::make_unique<QProcess>();
  // Its own process group, so that closing it also closes what it started.
  process->setChildProcessModifier([] { ::setsid(); });
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->start(words.first(), words.mid(1));
  if (!process->waitForStarted(5000)) return false;
  prune();
  processes().push_back(std::move(process));
  return true;
}

bool isPicture(const QString& file) {
  return !QImageReader::imageFormat(file).isEmpty();
}

bool isPdf(const QString& file) {
  QFile f(file);
  if (f.open(QIODevice::ReadOnly) && f.peek(1024).contains("%PDF-")) return true;
  return QFileInfo(file).suffix().compare(u"pdf", Qt::CaseInsensitive) == 0;
}

bool openInPortal(const QString& file) {
  // The viewer belongs to the screen the employee is on, so that it stays usable above a
  // modal screen and goes with it.
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner) owner = QApplication::activeWindow();
  auto* viewer = TForm::New<TVisorDocumento>(owner);
  if (!viewer->Abrir(file)) {
    const QString sinPdf = viewer->SinPdf();
    delete viewer;
    // Without the PDF module pictures still show; a PDF says what is missing.
    MsgInfo(sinPdf.isEmpty() ? QStringLiteral("No se pudo abrir el documento.")
                             : QStringLiteral("No se pudo abrir el documento: %1.").arg(sinPdf));
    return false;
  }
  prune();
  windows().append(viewer);
  viewer->Show();
  return true;
}

}  // namespace

namespace DocumentOpener {

bool Open(const QString& path) {
  const QString file = QFileInfo(path).absoluteFilePath();
  if (!QFileInfo(file).isFile()) return false;
  const QString command = qEnvironmentVariable("PORTAL_DOCUMENT_VIEWER").trimmed();
  if (!command.isEmpty()) return startExternal(command, file);
  if (isPicture(file) || isPdf(file)) return openInPortal(file);
  if (OfficeConversion::IsOfficeFile(file) && OfficeConversion::Available()) {
    const QString pdf = OfficeConversion::ToPdf(file);
    return !pdf.isEmpty() && openInPortal(pdf);
  }
  MsgInfo(QStringLiteral("No hay un visor configurado para este tipo de archivo."));
  return false;
}

bool CanShow(const QString& path) {
  return isPicture(path) || isPdf(path) || OfficeConversion::IsOfficeFile(path);
}

QString SinVisorEnTerminales() {
  return QStringLiteral("Las terminales no pueden mostrar este tipo de archivo: los empleados solo podrán "
                        "recibirlo por correo.");
}

void CloseAll() {
  for (auto& p : processes()) {
    if (p->state() == QProcess::NotRunning) continue;
    const auto pid = static_cast<pid_t>(p->processId());
    ::kill(-pid, SIGTERM);
    if (!p->waitForFinished(2000)) {
      ::kill(-pid, SIGKILL);
      p->waitForFinished(2000);
    }
  }
  processes().clear();
  const auto open = windows();
  windows().clear();
  for (const auto& w : open) {
    if (!w) continue;
    w->hide();
    w->deleteLater();
  }
}

int RunningCount() {
  prune();
  return static_cast<int>(processes().size() + windows().size());
}

QList<TVisorDocumento*> Viewers() {
  prune();
  QList<TVisorDocumento*> out;
  for (const auto& w : windows()) out.append(w.data());
  return out;
}

}  // namespace DocumentOpener
