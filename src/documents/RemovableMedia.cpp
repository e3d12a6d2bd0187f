#include "documents/RemovableMedia.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <algorithm>

#include "toolkit/TIni.h"

namespace {

// A free name on the medium: "name.pdf", then "name (2).pdf", ...
QString freeName(const QDir& dir, const QString& fileName) {
  if (!QFileInfo::exists(dir.filePath(fileName))) return fileName;
  const QFileInfo f(fileName);
  const QString base = f.completeBaseName();
  const QString ext = f.suffix().isEmpty() ? QString() : u'.' + f.suffix();
  for (int n = 2;; ++n) {
    const QString candidate = QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(ext);
    if (!QFileInfo::exists(dir.filePath(candidate))) return candidate;
  }
}

}  // namespace

namespace RemovableMedia {

QString Root() {
  const QString root = TIni().GetEntry(QStringLiteral("VARIABLES"), QStringLiteral("Medios"));
  return QDir::cleanPath(root.isEmpty() ? QStringLiteral("/media") : root);
}

QList<Medium> List() {
  const QString under = QDir(Root()).canonicalPath();
  QList<Medium> media;
  if (under.isEmpty()) return media;
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
    const QString mount = v.rootPath();
    if (!v.isValid() || !v.isReady() || !mount.startsWith(under + u'/')) continue;
    Medium m;
    m.path = mount;
    m.name = v.name().isEmpty() ? QFileInfo(mount).fileName() : v.name();
    m.free = v.bytesAvailable();
    m.readOnly = v.isReadOnly();
    media.append(m);
  }
  std::sort(media.begin(), media.end(),
            [](const Medium& a, const Medium& b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
  return media;
}

Result Write(const Medium& medium, const QString& fileName, const QByteArray& bytes, QString* written) {
  QStorageInfo now(medium.path);
  if (now.isReadOnly()) return Result::ReadOnly;
  if (now.bytesAvailable() < bytes.size()) return Result::Full;
  const QDir dir(medium.path);
  const QString name = freeName(dir, fileName);
  // Written beside its final name and renamed when whole; removed on any failure.
  QSaveFile file(dir.filePath(name));
  const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
  if (!ok) {
    file.cancelWriting();
    now.refresh();
    if (now.isReadOnly() || !QFileInfo(medium.path).isWritable()) return Result::ReadOnly;
    if (now.bytesAvailable() < bytes.size() + 4096) return Result::Full;
    return Result::Failed;
  }
  if (written) *written = name;
  return Result::Saved;
}

}  // namespace RemovableMedia
