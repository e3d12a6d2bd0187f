#include "screens/shared/FitText.h"

#include <QFontMetrics>
#include <QWidget>

namespace FitText {

void Shrink(QWidget* w, const QString& text, int room, double smallest) {
  QFont f = w->font();
  while (f.pointSizeF() > smallest && QFontMetrics(f).horizontalAdvance(text) > room) f.setPointSizeF(f.pointSizeF() - 0.5);
  if (f != w->font()) w->setFont(f);
}

}  // namespace FitText
