#include "reports/TextMetrics.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QPdfWriter>

#include "toolkit/BoundedMemo.h"
#include "toolkit/PerFont.h"

namespace {

constexpr int kResolution = 1200;  // the resolution of our PDF files
constexpr double kMmPerDot = 25.4 / kResolution;

QPaintDevice* PdfDevice() {
  static QBuffer sink;
  static QPdfWriter* writer = [] {
    auto* w = new QPdfWriter(&sink);
    w->setResolution(kResolution);
    return w;
  }();
  return writer;
}

// Metrics objects are costly to build, and so are a font's key and the shaping behind a
// width: one entry per font, with the widths measured in it.
struct FontEntry {
  explicit FontEntry(const QFont& font) : metrics(font, PdfDevice()) {}
  QFontMetricsF metrics;
  BoundedMemo<QString, double> widths{20000};  // in dots
};

FontEntry& Entry(const QFont& font) { return PerFont<FontEntry>(font); }

const QFontMetricsF& Metrics(const QFont& font) { return Entry(font).metrics; }

double WidthDots(const QFont& font, const QString& text) {
  FontEntry& e = Entry(font);
  return e.widths.Get(text, [&e](const QString& t) { return e.metrics.horizontalAdvance(t); });
}

QString ResolveFamily(const QString& wanted) {
  static QHash<QString, QString> resolved;
  auto it = resolved.find(wanted);
  if (it != resolved.end()) return *it;
  const QStringList families = QFontDatabase::families();
  QString family;
  for (const QString& candidate : {wanted, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}) {
    if (families.contains(candidate, Qt::CaseInsensitive)) {
      family = candidate;
      break;
    }
  }
  if (family.isEmpty()) family = wanted;
  resolved.insert(wanted, family);
  return family;
}

}  // namespace

namespace TextMetrics {

QFont MakeFont(const QString& family, double points, bool bold, bool italic, bool underline) {
  // A band's texts mostly share one font: building it again costs a family lookup each time.
  struct Made {
    QString family;
    double points = -1;
    int style = -1;
    QFont font;
  };
  static Made last;
  const int style = (bold ? 1 : 0) | (italic ? 2 : 0) | (underline ? 4 : 0);
  if (last.style == style && last.points == points && last.family == family) return last.font;
  QFont font(ResolveFamily(family.isEmpty() ? QStringLiteral("Liberation Sans") : family));
  font.setPointSizeF(points > 0 ? points : 9);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  last = Made{family, points, style, font};
  return font;
}

double WidthMm(const QFont& font, const QString& text) { return WidthDots(font, text) * kMmPerDot; }
double LineHeightMm(const QFont& font) { return Metrics(font).lineSpacing() * kMmPerDot; }
double AscentMm(const QFont& font) { return Metrics(font).ascent() * kMmPerDot; }

QStringList BreakLines(const QFont& font, const QString& text, double widthMm, bool wrap) {
  QStringList lines;
  // Most texts are one line that fits: no splitting, one width at most.
  const bool oneParagraph = !text.contains(u'\n') && !text.contains(u'\r');
  if (oneParagraph && (!wrap || WidthMm(font, text) <= widthMm)) return {text};
  const QStringList paragraphs = oneParagraph ? QStringList{text}
                                              : QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                                    .replace(u'\r', u'\n').split(u'\n');
  for (const QString& paragraph : paragraphs) {
    if (!wrap || WidthMm(font, paragraph) <= widthMm) {
      lines << paragraph;
      continue;
    }
    QString line;
    const QStringList words = paragraph.split(u' ');
    for (int i = 0; i < words.size(); ++i) {
      QString word = words[i];
      const QString candidate = line.isEmpty() ? word : line + u' ' + word;
      if (WidthMm(font, candidate) <= widthMm) {
        line = candidate;
        continue;
      }
      if (!line.isEmpty()) lines << line;
      line.clear();
      // A word wider than the box is cut where it stops fitting.
      while (WidthMm(font, word) > widthMm && word.size() > 1) {
        qsizetype fit = 1;
        while (fit < word.size() && WidthMm(font, word.left(fit + 1)) <= widthMm) ++fit;
        lines << word.left(fit);
        word = word.mid(fit);
      }
      line = word;
    }
    lines << line;
  }
  return lines;
}

}  // namespace TextMetrics
