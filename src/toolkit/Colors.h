#pragma once
// Colours as the screens write them: 24-bit blue-green-red values, red in the low byte.
#include <QColor>

namespace Clr {

constexpr int Black = 0;
constexpr int Red = 255;
constexpr int Navy = 8388608;
constexpr int White = 16777215;

QColor ToQColor(int bgr);
int FromQColor(const QColor& color);

}  // namespace Clr
