#include "toolkit/Render.h"

#include <QApplication>
#include <QWidget>

namespace Render {

QImage Grab(QWidget* widget) {
  if (!widget) return QImage();
  // Laid out as the screen shows it: grids and edits size their parts when first shown, so a
  // window never shown is shown for the picture and hidden again.
  QWidget* window = widget->window();
  const bool shown = window->isVisible();
  if (!shown) window->show();
  widget->ensurePolished();
  QCoreApplication::sendPostedEvents();
  const QImage picture = widget->grab().toImage();
  if (!shown) window->hide();
  return picture;
}

bool ToPng(QWidget* widget, const QString& path) {
  const QImage img = Grab(widget);
  return !img.isNull() && img.save(path, "PNG");
}

}  // namespace Render
