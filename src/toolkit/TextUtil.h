#pragma once
// Text, number and date helpers shared by every screen and data operation.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVariant>

namespace Text {

// Text form of any value: numbers without trailing zeros, dates as dd/MM/yyyy,
// logicals as .T./.F., empty for a null value.
QString ToText(const QVariant& value);

// Numeric value of the leading number in a text: "0012" is 12, "ABC" is 0, "12ABC" is 12.
double Val(const QString& text);
double Val(const QVariant& value);

// Right-aligned in `width` positions; a longer text keeps its first `width` characters.
QString PadL(const QString& text, int width, QChar fill = u' ');
QString PadR(const QString& text, int width, QChar fill = u' ');

// Blanks removed at both ends / at the right end only.
QString AllTrim(const QString& text);
QString RTrim(const QString& text);

// Picture formatting ("99999999", "999999.9", "9,999,999,999.99", "####").
// Numbers are right-aligned in the picture; when they do not fit every slot shows "*".
// A text value is matched position by position against the picture.
QString Transform(const QVariant& value, const QString& picture);

// Eight-digit dates: year, month, day. An invalid date gives eight blanks.
QString DToS(const QDate& date);
QDate SToD(const QString& text);

// Windows-1252 bytes to and from text. The five undefined bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D
// map to U+0081, U+008D, U+008F, U+0090, U+009D so that every byte round-trips.
// Characters without a Windows-1252 byte become '?'.
QString FromCp1252(const QByteArray& bytes);
QByteArray ToCp1252(const QString& text);
bool IsCp1252(const QString& text);

// A value put between single quotes with its quotes doubled, for statement texts.
QString Quoted(const QString& text);
// Only the doubling, for callers that write the surrounding quotes themselves.
QString EscapeQuotes(const QString& text);

}  // namespace Text
