#include "toolkit/Pictures.h"

#include <QCache>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
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

// Through Qt's SVG image plugin, loaded the first time a picture has to be drawn: a start whose
// pictures were all drawn before never loads the SVG module.
QPixmap renderSvg(const QString& path, QSize size) {
  QImageReader svg(path, QByteArrayLiteral("svg"));
  if (!size.isEmpty()) svg.setScaledSize(size);
  const QImage image = svg.read();
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
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

// FNV-1a of the SVG as compiled in (compressed or not): the same for every run of one build,
// unlike qHash, and read without unpacking the SVG.
quint64 sourceHash(const QString& res) {
  static QHash<QString, quint64> known;
  if (const auto it = known.constFind(res); it != known.constEnd()) return *it;
  const QResource compiled(res);
  if (!compiled.isValid()) return 0;
  quint64 h = 14695981039346656037ULL;
  const auto mix = [&h](uchar c) { h = (h ^ c) * 1099511628211ULL; };
  mix(uchar(compiled.compressionAlgorithm()));
  for (qint64 i = 0; i < compiled.size(); ++i) mix(compiled.data()[i]);
  known.insert(res, h);
  return h;
}

// True when a file's header and length say it holds `source` drawn at `size`.
bool holdsDrawing(const CacheHeader& got, qint64 fileSize, quint64 source, const QSize& size) {
  CacheHeader want;
  want.source = source;
  want.width = size.width();
  want.height = size.height();
  want.opaque = got.opaque;
  return memcmp(&got, &want, sizeof got) == 0 && (got.opaque == 0 || got.opaque == 1) &&
         fileSize == qint64(sizeof got) + qint64(size.width()) * size.height() * 4;
}

QImage::Format formatOf(const CacheHeader& header) {
  return header.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
}

QPixmap readCached(const QString& file, quint64 source, const QSize& size) {
  QFile in(file);
  CacheHeader got;
  if (!in.open(QIODevice::ReadOnly) || in.read(reinterpret_cast<char*>(&got), sizeof got) != qint64(sizeof got) ||
      !holdsDrawing(got, in.size(), source, size))
    return QPixmap();
  QImage image(size, formatOf(got));
  if (image.isNull() || in.read(reinterpret_cast<char*>(image.bits()), image.sizeInBytes()) != image.sizeInBytes())
    return QPixmap();
  return QPixmap::fromImage(std::move(image));
}

// Draws the drawing kept in `file` straight from the mapped file: only the rows painted are
// read, and none of it stays in the process once painted.
bool drawFromFile(QPainter& p, const QRectF& target, const QString& file, quint64 source, const QSize& size) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly) || in.size() < qint64(sizeof(CacheHeader))) return false;
  const uchar* bytes = in.map(0, in.size());
  if (!bytes) return false;
  CacheHeader got;
  memcpy(&got, bytes, sizeof got);
  if (!holdsDrawing(got, in.size(), source, size)) return false;
  const QImage image(bytes + sizeof got, size.width(), size.height(), size.width() * 4, formatOf(got));
  p.drawImage(target, image);
  return true;  // the file is unmapped when closed
}

bool writeCached(const QString& file, quint64 source, const QPixmap& pm) {
  QImage image = pm.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  CacheHeader header;
  header.source = source;
  header.width = image.width();
  header.height = image.height();
  header.opaque = everyPixelOpaque(image) ? 1 : 0;
  if (header.opaque) image = std::move(image).convertToFormat(QImage::Format_RGB32);
  QDir().mkpath(QFileInfo(file).path());
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return false;
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
  return out.commit();
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
// picture is drawn once per size and kept: small ones (buttons, icons) up to 8 MB. Window-size
// ones are painted from their file in the folder (drawMapped), so an open window's background
// is not held by the process; only where no folder can keep them are the last three drawn kept
// here. A file's entry is keyed by its modification time and length as well, so that a
// replaced logo is read again.
constexpr int kSmallKilobytes = 8 * 1024;
constexpr qint64 kLargeKilobytes = 512;

QCache<QString, QPixmap>& smallPictures() {
  static QCache<QString, QPixmap> cache(kSmallKilobytes);
  return cache;
}

// Three, so that a window with two such pictures does not draw them again at every paint.
QCache<QString, QPixmap>& lastLargePictures() {
  static QCache<QString, QPixmap> cache(3);
  return cache;
}

bool isLarge(const QSize& size) { return qint64(size.width()) * size.height() * 4 / 1024 >= kLargeKilobytes; }

// Pictures whose drawing could not be kept in the folder (it cannot be written): these are
// kept in memory instead of being drawn again at every paint.
QSet<QString>& notInFolder() {
  static QSet<QString> keys;
  return keys;
}

QString keyOf(const QString& source, const QSize& size) {
  return source + u'|' + QString::number(size.width()) + u'x' + QString::number(size.height());
}

QPixmap remembered(const QString& key, const std::function<QPixmap()>& draw) {
  if (const QPixmap* hit = smallPictures().object(key)) return *hit;
  if (const QPixmap* hit = lastLargePictures().object(key)) return *hit;
  QPixmap pm = draw();
  if (!pm.isNull()) {
    const qint64 kb = std::max<qint64>(1, qint64(pm.width()) * pm.height() * pm.depth() / 8 / 1024);
    if (kb >= kLargeKilobytes) lastLargePictures().insert(key, new QPixmap(pm), 1);
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

// A compiled-in window-size picture painted from its drawing in the folder, drawn there first
// when missing or not matching. False when the folder cannot hold it.
bool drawMapped(QPainter& p, const QRectF& target, const QString& res, const QSize& size) {
  const QString key = keyOf(res, size);
  if (cacheFolder().isEmpty() || notInFolder().contains(key)) return false;
  const quint64 source = sourceHash(res);
  const QString file = cacheFile(res, size);
  if (drawFromFile(p, target, file, source, size)) return true;
  const QPixmap drawn = renderSvg(res, size);
  if (!drawn.isNull() && writeCached(file, source, drawn) && drawFromFile(p, target, file, source, size)) return true;
  notInFolder().insert(key);
  return false;
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
    if (it == sizes.constEnd()) it = sizes.insert(res, QImageReader(res, QByteArrayLiteral("svg")).size());
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
  lastLargePictures().clear();
  notInFolder().clear();
}

void Draw(QPainter& p, const QRectF& target, const QString& nameOrPath, const QSize& size) {
  const QString res = ResourcePath(nameOrPath);
  if (isLarge(size) && isResource(res) && drawMapped(p, target, res, size)) return;
  const QPixmap pm = Load(nameOrPath, size);
  if (!pm.isNull()) p.drawPixmap(target, pm, QRectF(pm.rect()));
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
