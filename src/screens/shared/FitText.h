#pragma once
// The replacement fonts run wider than the faces the screens name: a label or a field whose
// text would run past its box is written smaller until the text fits.
#include <QString>

class QWidget;

namespace FitText {

// Reduces the font of `w` in half points, not below `smallest`, until `text` fits in `room`
// pixels; a text that fits already leaves the font alone.
void Shrink(QWidget* w, const QString& text, int room, double smallest = 6);

}  // namespace FitText
