#include "toolkit/Render.h"

#include <QApplication>
#include <QWidget>

namespace Render {

QImage Grab(QWidget* widget) {
  if (!widget) return QImage();
  widget->ensurePolished();
  QCoreApplication::sendPostedEvents();
  return widget->grab().toImage();
}

bool ToPng(QWidget* widget, const QString& path) {
  const QImage img = Grab(widget);
  return !img.isNull() && img.save(path, "PNG");
}

}  // namespace Render
