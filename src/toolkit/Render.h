#pragma once
// Pictures of widgets for tests and tools.
#include <QImage>
#include <QString>

class QWidget;

namespace Render {

// The widget as it looks now (laid out and polished first, even when not shown).
QImage Grab(QWidget* widget);
// Writes it as PNG; false when the file cannot be written.
bool ToPng(QWidget* widget, const QString& path);

}  // namespace Render
