#include "toolkit/Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <cstring>

namespace {

bool looksLikeFile(const QString& s) {
  return s.contains(u'/') || s.contains(u'\\') || s.contains(u'.');
}

void warnOnce(const QString& name, const char* why) {
  static QSet<QString> warned;
  const QString key = name.toLower();
  if (warned.contains(key)) return;
  warned.insert(key);
  qWarning("Imagen no disponible: %s (%s)", qPrintable(name), why);
}

QPixmap renderSvg(const QString& path, QSize size) {
  QSvgRenderer svg(path);
  if (!svg.isValid()) return QPixmap();
  if (size.isEmpty()) size = svg.defaultSize();
  if (size.isEmpty()) return QPixmap();
  QPixmap pm(size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  svg.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
  return pm;
}

// A drawn picture on disk: a header naming the picture's source and size, then the pixels.
struct CacheHeader {
  char magic[8] = {'P', 'E', 'P', 'I', 'C', '0', '0', '1'};
  quint64 source = 0;  // hash of the SVG's bytes
  qint32 width = 0;
  qint32 height = 0;
};

QString& cacheFolder() {
  static QString folder = [] {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/pictures");
  }();
  return folder;
}

QString cacheFile(const QString& res, const QSize& size) {
  return QStringLiteral("%1/%2-%3x%4.argb").arg(cacheFolder(), QFileInfo(res).completeBaseName()).arg(size.width()).arg(size.height());
}

// FNV-1a of the SVG's bytes: the same on every machine, unlike qHash.
quint64 sourceHash(const QString& res) {
  QFile f(res);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  quint64 h = 14695981039346656037ULL;
  for (const char c : f.readAll()) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  return h;
}

QPixmap readCached(const QString& file, quint64 source, const QSize& size) {
  QFile in(file);
  CacheHeader want, got;
  want.source = source;
  want.width = size.width();
  want.height = size.height();
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull() || !in.open(QIODevice::ReadOnly) ||
      in.size() != qint64(sizeof got) + image.sizeInBytes() ||
      in.read(reinterpret_cast<char*>(&got), sizeof got) != qint64(sizeof got) || memcmp(&got, &want, sizeof got) != 0 ||
      in.read(reinterpret_cast<char*>(image.bits()), image.sizeInBytes()) != image.sizeInBytes())
    return QPixmap();
  return QPixmap::fromImage(std::move(image));
}

void writeCached(const QString& file, quint64 source, const QPixmap& pm) {
  const QImage image = pm.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  CacheHeader header;
  header.source = source;
  header.width = image.width();
  header.height = image.height();
  QDir().mkpath(QFileInfo(file).path());
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return;
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
  out.commit();
}

// A compiled-in picture at a size: read when drawn before, otherwise drawn and kept.
QPixmap renderResource(const QString& res, const QSize& size) {
  if (size.isEmpty() || cacheFolder().isEmpty()) return renderSvg(res, size);
  const quint64 source = sourceHash(res);
  const QString file = cacheFile(res, size);
  QPixmap pm = readCached(file, source, size);
  if (!pm.isNull()) return pm;
  pm = renderSvg(res, size);
  if (!pm.isNull()) writeCached(file, source, pm);
  return pm;
}

QString localPath(const QString& path) {
  QString p = path;
  p.replace(u'\\', u'/');
  return p;
}

}  // namespace

namespace Pictures {

QString ResourcePath(const QString& name) {
  return QStringLiteral(":/pictures/") + name.trimmed().toLower() + QStringLiteral(".svg");
}

bool Exists(const QString& nameOrPath) {
  if (nameOrPath.trimmed().isEmpty()) return false;
  if (QFileInfo::exists(ResourcePath(nameOrPath))) return true;
  return looksLikeFile(nameOrPath) && QFileInfo(localPath(nameOrPath)).isFile();
}

QSize NaturalSize(const QString& nameOrPath) {
  const QString res = ResourcePath(nameOrPath);
  if (QFileInfo::exists(res)) return QSvgRenderer(res).defaultSize();
  QImageReader reader(localPath(nameOrPath));
  return reader.size();
}

QString CacheFolder() { return cacheFolder(); }
void SetCacheFolder(const QString& folder) { cacheFolder() = folder; }

QPixmap Load(const QString& nameOrPath, const QSize& size) {
  const QString name = nameOrPath.trimmed();
  if (name.isEmpty()) return QPixmap();
  const QString res = ResourcePath(name);
  if (QFileInfo::exists(res)) {
    QPixmap pm = renderResource(res, size);
    if (pm.isNull()) warnOnce(name, "SVG ilegible");
    return pm;
  }
  if (looksLikeFile(name)) {
    const QString path = localPath(name);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
      QPixmap pm = renderSvg(path, size);
      if (pm.isNull()) warnOnce(name, "archivo ilegible");
      return pm;
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage img = reader.read();
    if (img.isNull()) {
      warnOnce(name, "archivo ilegible");
      return QPixmap();
    }
    QPixmap pm = QPixmap::fromImage(img);
    if (!size.isEmpty()) pm = pm.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return pm;
  }
  warnOnce(name, "recurso desconocido");
  return QPixmap();
}

}  // namespace Pictures
