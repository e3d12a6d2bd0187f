#pragma once
// Pictures of widgets for tests and tools.
#include <QImage>
#include <QString>

class QWidget;

namespace Render {

// The widget as its window shows it (a window not shown is shown for the picture).
QImage Grab(QWidget* widget);
// Writes it as PNG; false when the file cannot be written.
bool ToPng(QWidget* widget, const QString& path);

}  // namespace Render
