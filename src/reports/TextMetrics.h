#pragma once
// Measuring and breaking text in millimetres with the PDF device's font metrics,
// so that the preview and the PDF break lines at the same places.
#include <QFont>
#include <QString>
#include <QStringList>

namespace TextMetrics {

// A font of the given family (falling back to Liberation Sans / DejaVu Sans) at `points`.
QFont MakeFont(const QString& family, double points, bool bold, bool italic, bool underline);

double WidthMm(const QFont& font, const QString& text);
double LineHeightMm(const QFont& font);
double AscentMm(const QFont& font);

// Breaks at blanks (and inside words longer than the width); '\n' always breaks.
// Without wrapping every paragraph stays one line.
QStringList BreakLines(const QFont& font, const QString& text, double widthMm, bool wrap);

}  // namespace TextMetrics
