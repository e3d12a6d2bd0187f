#pragma once
// What a picture of the kiosk's screen shows: the box of everything that is not the black of an
// empty screen.
#include <QImage>
#include <QRect>
#include <QSize>

namespace ScreenPicture {

// The login window's inside, as its screen draws it at the design size.
inline const QSize kLogin{1017, 698};

inline QRect Drawn(const QImage& image) {
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] & 0xFFFFFF) != 0) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace ScreenPicture
