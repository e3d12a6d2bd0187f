#include "documents/OfficeConversion.h"

#include <signal.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "documents/TConvirtiendo.h"
#include "toolkit/MsgBox.h"

namespace {

enum class Kind { Zip, Ole, Rtf, Text };

const QHash<QString, Kind>& kinds() {
  static const QHash<QString, Kind> k{
      {QStringLiteral("docx"), Kind::Zip}, {QStringLiteral("xlsx"), Kind::Zip}, {QStringLiteral("pptx"), Kind::Zip},
      {QStringLiteral("odt"), Kind::Zip},  {QStringLiteral("ods"), Kind::Zip},  {QStringLiteral("odp"), Kind::Zip},
      {QStringLiteral("doc"), Kind::Ole},  {QStringLiteral("xls"), Kind::Ole},  {QStringLiteral("ppt"), Kind::Ole},
      {QStringLiteral("rtf"), Kind::Rtf},  {QStringLiteral("txt"), Kind::Text},
  };
  return k;
}

// Whether the first bytes are what the extension promises, so that LibreOffice is never
// handed a file it would show as something else.
bool looksRight(const QString& path, Kind kind) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = f.read(4096);
  switch (kind) {
    case Kind::Zip:
      return head.startsWith("PK\x03\x04");
    case Kind::Ole:
      return head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    case Kind::Rtf:
      return head.startsWith("{\\rtf");
    case Kind::Text:
      return !head.contains('\0');
  }
  return false;
}

struct Converted {
  QDateTime modified;
  qint64 size = 0;
  QString pdf;
};

struct State {
  std::unique_ptr<QTemporaryDir> folder;
  QHash<QString, Converted> done;
  int next = 0;
  int limitMs = 0;
};

State& state() {
  static State s;
  return s;
}

QString folder() {
  State& s = state();
  if (!s.folder || !s.folder->isValid() || !QFileInfo(s.folder->path()).isDir()) {
    s.done.clear();
    s.folder = std::make_unique<QTemporaryDir>(QDir::current().filePath(QStringLiteral("TEMPdocumentos-XXXXXX")));
    if (!s.folder->isValid()) {
      s.folder.reset();
      return QString();
    }
  }
  return s.folder->path();
}

QString program() { return QStandardPaths::findExecutable(QStringLiteral("soffice")); }

// Ends soffice and what it started (its own process group).
void stop(QProcess& p) {
  if (p.state() == QProcess::NotRunning) return;
  const auto pid = static_cast<pid_t>(p.processId());
  ::kill(-pid, SIGKILL);
  p.waitForFinished(5000);
}

}  // namespace

namespace OfficeConversion {

bool IsOfficeFile(const QString& path) { return kinds().contains(QFileInfo(path).suffix().toLower()); }

bool Available() { return !program().isEmpty(); }

QString ToPdf(const QString& source) {
  const QFileInfo in(source);
  const Kind kind = kinds().value(in.suffix().toLower(), Kind::Text);
  if (!looksRight(source, kind)) {
    MsgInfo(NoEsValido());
    return QString();
  }
  const QString key = in.canonicalFilePath();
  State& s = state();
  const QString base = folder();
  if (base.isEmpty()) {
    MsgInfo(NoSePudo());
    return QString();
  }
  if (auto it = s.done.constFind(key);
      it != s.done.cend() && it->modified == in.lastModified() && it->size == in.size() && QFileInfo::exists(it->pdf))
    return it->pdf;

  const QString out = QDir(base).filePath(QString::number(++s.next));
  QDir().mkpath(out);
  QProcess soffice;
  soffice.setChildProcessModifier([] { ::setsid(); });
  soffice.setProcessChannelMode(QProcess::MergedChannels);
  soffice.start(program(), {QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--nologo"),
                            QStringLiteral("--nolockcheck"), QStringLiteral("--nodefault"),
                            QStringLiteral("-env:UserInstallation=") +
                                QUrl::fromLocalFile(QDir(base).filePath(QStringLiteral("perfil"))).toString(),
                            QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), out,
                            in.absoluteFilePath()});
  auto* aviso = TForm::New<TConvirtiendo>(nullptr, [&](TConvirtiendo& f) { f.documento = in.fileName(); });
  aviso->Show();
  bool late = false;
  {
    // The screens keep drawing meanwhile; touches wait until it is done.
    QEventLoop loop;
    QObject::connect(&soffice, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&soffice, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
      late = true;
      loop.quit();
    });
    limit.start(s.limitMs > 0 ? s.limitMs : kLimiteMs);
    if (soffice.state() != QProcess::NotRunning) loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  stop(soffice);
  aviso->Close();
  const QString pdf = QDir(out).filePath(in.completeBaseName() + QStringLiteral(".pdf"));
  if (late || soffice.exitStatus() != QProcess::NormalExit || soffice.exitCode() != 0 || !QFileInfo(pdf).isFile() ||
      QFileInfo(pdf).size() == 0) {
    QDir(out).removeRecursively();
    MsgInfo(late ? Tardo() : NoSePudo());
    return QString();
  }
  s.done.insert(key, {in.lastModified(), in.size(), pdf});
  return pdf;
}

void Discard() {
  State& s = state();
  s.done.clear();
  s.folder.reset();
}

QString Folder() {
  const State& s = state();
  return s.folder && s.folder->isValid() ? s.folder->path() : QString();
}

void SetTimeLimitForTests(int ms) { state().limitMs = ms; }

QString NoEsValido() { return QStringLiteral("El archivo no es un documento válido del tipo que indica su nombre."); }
QString Tardo() { return QStringLiteral("El documento tardó demasiado en prepararse y no se puede mostrar."); }
QString NoSePudo() { return QStringLiteral("No se pudo preparar el documento para mostrarlo."); }

}  // namespace OfficeConversion
