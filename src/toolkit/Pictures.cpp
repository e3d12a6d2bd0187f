#include "toolkit/Pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>

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

QPixmap Load(const QString& nameOrPath, const QSize& size) {
  const QString name = nameOrPath.trimmed();
  if (name.isEmpty()) return QPixmap();
  const QString res = ResourcePath(name);
  if (QFileInfo::exists(res)) {
    QPixmap pm = renderSvg(res, size);
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
