#include "toolkit/TFont.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace {

struct Substitute {
  const char* face;
  const char* family;
};

// Metric-compatible faces where one exists, a close sans-serif otherwise.
constexpr Substitute kSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Calibri", "Carlito"},
    {"Verdana", "DejaVu Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

}  // namespace

namespace TFont {

void InstallSubstitutes() {
  for (const auto& s : kSubstitutes)
    QFont::insertSubstitution(QString::fromLatin1(s.face), QString::fromLatin1(s.family));
}

QString Resolve(const QString& face) {
  for (const auto& s : kSubstitutes)
    if (face.compare(QLatin1String(s.face), Qt::CaseInsensitive) == 0) return QString::fromLatin1(s.family);
  return face;
}

QFont Create(const QString& face, int size, int, int weight, bool italic) {
  QFont f(Resolve(face));
  f.setPointSize(size > 0 ? size : 8);
  // Windows weights run 100..900 like CSS; Qt 6 uses the same scale.
  f.setWeight(static_cast<QFont::Weight>(std::clamp(weight <= 0 ? 400 : weight, 100, 900)));
  f.setItalic(italic);
  return f;
}

}  // namespace TFont
