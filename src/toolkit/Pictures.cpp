#include "toolkit/Pictures.h"

#include <QCache>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <algorithm>
#include <cstring>
#include <functional>

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
  char magic[8] = {'P', 'E', 'P', 'I', 'C', '0', '0', '2'};
  quint64 source = 0;  // hash of the SVG's bytes
  qint32 width = 0;
  qint32 height = 0;
  qint32 opaque = 0;  // 1: kept without alpha, so a load needs no look at every pixel
  qint32 reserved = 0;
};

bool everyPixelOpaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(line[x]) != 255) return false;
  }
  return true;
}

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
  if (!in.open(QIODevice::ReadOnly) || in.read(reinterpret_cast<char*>(&got), sizeof got) != qint64(sizeof got))
    return QPixmap();
  want.opaque = got.opaque;
  if (memcmp(&got, &want, sizeof got) != 0) return QPixmap();
  QImage image(size, got.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  if (image.isNull() || in.size() != qint64(sizeof got) + image.sizeInBytes() ||
      in.read(reinterpret_cast<char*>(image.bits()), image.sizeInBytes()) != image.sizeInBytes())
    return QPixmap();
  return QPixmap::fromImage(std::move(image));
}

void writeCached(const QString& file, quint64 source, const QPixmap& pm) {
  QImage image = pm.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  CacheHeader header;
  header.source = source;
  header.width = image.width();
  header.height = image.height();
  header.opaque = everyPixelOpaque(image) ? 1 : 0;
  if (header.opaque) image = std::move(image).convertToFormat(QImage::Format_RGB32);
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

// Rendering a screen's picture costs several milliseconds (its texts most of all), so each
// picture is drawn once per size and kept: small ones (buttons, icons) up to 8 MB, and the last
// window-size one drawn. A window keeps its own background while it is open, so the one kept
// here only serves the next opening of the same screen; an earlier screen's background (the
// login's, once the menu shows) is read again from the folder instead of staying resident.
// A file's entry is keyed by its modification time and length as well, so that a replaced logo
// is read again.
constexpr int kSmallKilobytes = 8 * 1024;
constexpr qint64 kLargeKilobytes = 512;

QCache<QString, QPixmap>& smallPictures() {
  static QCache<QString, QPixmap> cache(kSmallKilobytes);
  return cache;
}

QCache<QString, QPixmap>& lastLargePicture() {
  static QCache<QString, QPixmap> cache(1);
  return cache;
}

QString keyOf(const QString& source, const QSize& size) {
  return source + u'|' + QString::number(size.width()) + u'x' + QString::number(size.height());
}

QPixmap remembered(const QString& key, const std::function<QPixmap()>& draw) {
  if (const QPixmap* hit = smallPictures().object(key)) return *hit;
  if (const QPixmap* hit = lastLargePicture().object(key)) return *hit;
  QPixmap pm = draw();
  if (!pm.isNull()) {
    const qint64 kb = std::max<qint64>(1, qint64(pm.width()) * pm.height() * pm.depth() / 8 / 1024);
    if (kb >= kLargeKilobytes) lastLargePicture().insert(key, new QPixmap(pm), 1);
    else smallPictures().insert(key, new QPixmap(pm), int(kb));
  }
  return pm;
}

QString fileKey(const QString& path) {
  const QFileInfo info(path);
  return QStringLiteral("file:") + info.absoluteFilePath() + u'|' +
         QString::number(info.lastModified().toMSecsSinceEpoch()) + u'|' + QString::number(info.size());
}

bool isResource(const QString& res) {
  static QHash<QString, bool> known;
  auto it = known.constFind(res);
  if (it == known.constEnd()) it = known.insert(res, QFileInfo::exists(res));
  return *it;
}

}  // namespace

namespace Pictures {

QString ResourcePath(const QString& name) {
  return QStringLiteral(":/pictures/") + name.trimmed().toLower() + QStringLiteral(".svg");
}

bool Exists(const QString& nameOrPath) {
  if (nameOrPath.trimmed().isEmpty()) return false;
  if (isResource(ResourcePath(nameOrPath))) return true;
  return looksLikeFile(nameOrPath) && QFileInfo(localPath(nameOrPath)).isFile();
}

QSize NaturalSize(const QString& nameOrPath) {
  const QString res = ResourcePath(nameOrPath);
  if (isResource(res)) {
    static QHash<QString, QSize> sizes;
    auto it = sizes.constFind(res);
    if (it == sizes.constEnd()) it = sizes.insert(res, QSvgRenderer(res).defaultSize());
    return *it;
  }
  QImageReader reader(localPath(nameOrPath));
  return reader.size();
}

QString CacheFolder() { return cacheFolder(); }
void SetCacheFolder(const QString& folder) {
  cacheFolder() = folder;
  // As on a new start: the next load goes through the folder.
  smallPictures().clear();
  lastLargePicture().clear();
}

QPixmap Load(const QString& nameOrPath, const QSize& size) {
  const QString name = nameOrPath.trimmed();
  if (name.isEmpty()) return QPixmap();
  const QString res = ResourcePath(name);
  if (isResource(res)) {
    // Kept in memory for this run, and on disk for the next start.
    QPixmap pm = remembered(keyOf(res, size), [&] { return renderResource(res, size); });
    if (pm.isNull()) warnOnce(name, "SVG ilegible");
    return pm;
  }
  if (looksLikeFile(name)) {
    const QString path = localPath(name);
    if (!QFileInfo(path).isFile()) {
      warnOnce(name, "archivo ilegible");
      return QPixmap();
    }
    QPixmap pm = remembered(keyOf(fileKey(path), size), [&] {
      if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) return renderSvg(path, size);
      QImageReader reader(path);
      reader.setAutoTransform(true);
      const QImage img = reader.read();
      if (img.isNull()) return QPixmap();
      QPixmap read = QPixmap::fromImage(img);
      if (!size.isEmpty()) read = read.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      return read;
    });
    if (pm.isNull()) warnOnce(name, "archivo ilegible");
    return pm;
  }
  warnOnce(name, "recurso desconocido");
  return QPixmap();
}

}  // namespace Pictures
