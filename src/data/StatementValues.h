#pragma once
// How values enter statement texts: as held (numbers and codes, leading blanks kept), trimmed,
// or as the inside of a quoted literal with its quotes doubled.
#include <QString>
#include <QVariant>

#include "toolkit/TextUtil.h"

namespace StatementValues {

// A number or code goes bare, exactly as held ("      5", "SEM", "-3.5"). Anything else that
// would end up bare (quotes, semicolons, comments, words separated by blanks) could change the
// statement, so it goes as a quoted literal instead and the server rejects it as a bad value.
QString Held(const QVariant& v);
QString Trimmed(const QVariant& v);  // as Held, without surrounding blanks
inline QString InQuotes(const QVariant& v) { return Text::EscapeQuotes(Text::ToText(v)); }
inline QString TrimmedInQuotes(const QVariant& v) { return InQuotes(Text::AllTrim(Text::ToText(v))); }

// Whether a text may go bare.
bool IsPlainCode(const QString& text);

}  // namespace StatementValues
