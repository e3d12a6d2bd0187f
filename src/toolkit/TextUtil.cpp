#include "toolkit/TextUtil.h"

#include <QRegularExpression>
#include <QtMath>
#include <array>
#include <cmath>

namespace Text {

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; the five gaps keep their C1 value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int cp1252Byte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == c) return 0x80 + i;
  return -1;
}

}  // namespace

QString ToText(const QVariant& value) {
  if (!value.isValid() || value.isNull()) return QString();
  switch (value.typeId()) {
    case QMetaType::Bool:
      return value.toBool() ? QStringLiteral(".T.") : QStringLiteral(".F.");
    case QMetaType::Double:
    case QMetaType::Float: {
      const double d = value.toDouble();
      if (d == std::floor(d) && std::fabs(d) < 1e15) return QString::number(static_cast<qint64>(d));
      return QString::number(d, 'f', 10).remove(QRegularExpression(QStringLiteral("0+$")));
    }
    case QMetaType::QDate:
      return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QDateTime:
      return value.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    case QMetaType::QByteArray:
      return FromCp1252(value.toByteArray());
    default:
      return value.toString();
  }
}

double Val(const QString& text) {
  int i = 0;
  const int n = text.size();
  while (i < n && text[i] == u' ') ++i;
  const int start = i;
  if (i < n && (text[i] == u'-' || text[i] == u'+')) ++i;
  bool digits = false;
  while (i < n && text[i].isDigit() && text[i].unicode() < 128) { ++i; digits = true; }
  if (i < n && text[i] == u'.') {
    ++i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) { ++i; digits = true; }
  }
  if (!digits) return 0.0;
  return text.mid(start, i - start).toDouble();
}

double Val(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Int: case QMetaType::LongLong: case QMetaType::UInt:
    case QMetaType::ULongLong: case QMetaType::Double: case QMetaType::Float:
    case QMetaType::Short: case QMetaType::Long:
      return value.toDouble();
    case QMetaType::Bool:
      return value.toBool() ? 1.0 : 0.0;
    default:
      return Val(ToText(value));
  }
}

QString PadL(const QString& text, int width, QChar fill) {
  if (text.size() >= width) return text.left(width);
  return QString(width - text.size(), fill) + text;
}

QString PadR(const QString& text, int width, QChar fill) {
  if (text.size() >= width) return text.left(width);
  return text + QString(width - text.size(), fill);
}

QString AllTrim(const QString& text) {
  int b = 0, e = text.size();
  while (b < e && text[b] == u' ') ++b;
  while (e > b && text[e - 1] == u' ') --e;
  return text.mid(b, e - b);
}

QString RTrim(const QString& text) {
  int e = text.size();
  while (e > 0 && text[e - 1] == u' ') --e;
  return text.left(e);
}

static bool isNumeric(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::LongLong: case QMetaType::UInt:
    case QMetaType::ULongLong: case QMetaType::Double: case QMetaType::Float:
    case QMetaType::Short: case QMetaType::Long:
      return true;
    default:
      return false;
  }
}

static QString transformNumber(double value, const QString& picture) {
  const int dot = picture.indexOf(u'.');
  const QString intPart = dot < 0 ? picture : picture.left(dot);
  const QString decPart = dot < 0 ? QString() : picture.mid(dot + 1);
  int decimals = 0;
  for (QChar c : decPart) if (c == u'9' || c == u'#') ++decimals;
  int digitSlots = 0;
  for (QChar c : intPart) if (c == u'9' || c == u'#') ++digitSlots;

  const double factor = std::pow(10.0, decimals);
  const double rounded = std::round(std::fabs(value) * factor) / factor;
  const bool negative = value < 0 && rounded != 0.0;
  QString digits = QString::number(rounded, 'f', decimals);
  QString whole = decimals ? digits.left(digits.indexOf(u'.')) : digits;
  const QString frac = decimals ? digits.mid(digits.indexOf(u'.') + 1) : QString();
  if (digitSlots == 0 && whole == QStringLiteral("0")) whole.clear();

  const int need = whole.size() + (negative ? 1 : 0);
  if (need > digitSlots) {
    QString stars = picture;
    for (QChar& c : stars) if (c != u'.') c = u'*';
    return stars;
  }

  // Fill the integer digitSlots from the right; a comma shows only between digits.
  QString out(intPart.size(), u' ');
  int d = whole.size() - 1;
  bool signPlaced = !negative;
  for (int i = intPart.size() - 1; i >= 0; --i) {
    const QChar p = intPart[i];
    if (p == u'9' || p == u'#') {
      if (d >= 0) out[i] = whole[d--];
      else if (!signPlaced) { out[i] = u'-'; signPlaced = true; }
    } else if (p == u',') {
      out[i] = d >= 0 ? u',' : u' ';
    } else {
      out[i] = p;
    }
  }
  if (dot < 0) return out;
  QString fracOut = decPart;
  int f = 0;
  for (QChar& c : fracOut)
    if (c == u'9' || c == u'#') c = f < frac.size() ? frac[f++] : u'0';
  return out + u'.' + fracOut;
}

QString Transform(const QVariant& value, const QString& picture) {
  if (isNumeric(value)) return transformNumber(value.toDouble(), picture);
  if (value.typeId() == QMetaType::QDate) return ToText(value);
  const QString text = ToText(value);
  QString out;
  int t = 0;
  for (QChar p : picture) {
    if (p == u'9' || p == u'#' || p == u'X' || p == u'!' || p == u'A' || p == u'N') {
      if (t >= text.size()) break;
      out += p == u'!' ? text[t].toUpper() : text[t];
      ++t;
    } else {
      out += p;
    }
  }
  return out;
}

QString DToS(const QDate& date) {
  if (!date.isValid()) return QString(8, u' ');
  return date.toString(QStringLiteral("yyyyMMdd"));
}

QDate SToD(const QString& text) {
  return QDate::fromString(text.trimmed(), QStringLiteral("yyyyMMdd"));
}

QString FromCp1252(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    out += QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
  }
  return out;
}

QByteArray ToCp1252(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar c : text) {
    const int b = cp1252Byte(c.unicode());
    out += static_cast<char>(b < 0 ? '?' : b);
  }
  return out;
}

bool IsCp1252(const QString& text) {
  for (QChar c : text)
    if (cp1252Byte(c.unicode()) < 0) return false;
  return true;
}

QString EscapeQuotes(const QString& text) {
  QString out = text;
  out.replace(u'\'', QStringLiteral("''"));
  return out;
}

QString Quoted(const QString& text) {
  return u'\'' + EscapeQuotes(text) + u'\'';
}

}  // namespace Text
