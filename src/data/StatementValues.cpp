#include "data/StatementValues.h"

#include <QRegularExpression>

namespace StatementValues {

bool IsPlainCode(const QString& text) {
  static const QRegularExpression plain(QStringLiteral(R"(^\s*[\w.+-]*\s*$)"), QRegularExpression::UseUnicodePropertiesOption);
  return plain.match(text).hasMatch() && !text.contains(QStringLiteral("--"));
}

QString Held(const QVariant& v) {
  const QString text = Text::ToText(v);
  return IsPlainCode(text) ? text : Text::Quoted(text);
}

QString Trimmed(const QVariant& v) { return Held(Text::AllTrim(Text::ToText(v))); }

}  // namespace StatementValues
