#pragma once
// SQL Server functions the portal's statements use, registered on an SQLite connection
// where that is simpler than rewriting the text: getdate(), len(), year(), month(), day(),
// charindex(), space(), replicate(), scope_identity(), object_id(), objectproperty(), and the
// targets of the dialect's rewrites portal_datediff(unit, a, b), portal_dateadd(unit, n, d), portal_left(),
// portal_right() and portal_convert(type, value[, style]).
#include <QDateTime>
#include <QString>

struct sqlite3;

namespace SqliteFunctions {

bool Register(sqlite3* db);

// Date and time as the statements send them: "yyyyMMdd", "yyyy-MM-dd", with an optional
// time "HH:mm[:ss[.zzz]]" after a blank or a T. Invalid when the text is none of these.
QDateTime ParseDate(const QString& text);

// The stable id of an object name (case ignored), as object_id() and sysobjects give it.
qint64 ObjectId(const QString& name);

// CONVERT's text styles for dates (113 gives "dd mon yyyy hh:mi:ss:mmm").
QString DateStyle(const QDateTime& value, int style);

}  // namespace SqliteFunctions
