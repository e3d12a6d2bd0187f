#pragma once
// Fonts as the screens name them: face, size in points and weight (400 normal, 700 bold).
#include <QFont>
#include <QString>

namespace TFont {

// Faces of the screens are mapped to installed ones (see InstallSubstitutes).
QFont Create(const QString& face, int size, int width = 0, int weight = 400, bool italic = false);

// Maps "MS Sans Serif", "Tahoma", "Arial", "Arial Narrow" and "Calibri" to the installed
// DejaVu, Liberation and Carlito families. Safe to call more than once.
void InstallSubstitutes();

// The installed family a face name resolves to.
QString Resolve(const QString& face);

}  // namespace TFont
