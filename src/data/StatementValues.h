#pragma once
// How values enter statement texts: as held (numbers and codes, leading blanks kept), trimmed,
// or as the inside of a quoted literal with its quotes doubled.
#include <QString>
#include <QVariant>

#include "toolkit/TextUtil.h"

namespace StatementValues {

inline QString Held(const QVariant& v) { return Text::ToText(v); }
inline QString Trimmed(const QVariant& v) { return Text::AllTrim(Text::ToText(v)); }
inline QString InQuotes(const QVariant& v) { return Text::EscapeQuotes(Text::ToText(v)); }

}  // namespace StatementValues
