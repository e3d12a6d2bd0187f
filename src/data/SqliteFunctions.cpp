#include "data/SqliteFunctions.h"

#include <QRegularExpression>
#include <sqlite3.h>

#include "data/ProcedureText.h"

namespace SqliteFunctions {

namespace {

QString argText(sqlite3_value* v) {
  const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
  return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

bool isNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

void resultText(sqlite3_context* ctx, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  sqlite3_result_text(ctx, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

QString isoText(const QDateTime& dt) { return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")); }

void fnGetDate(sqlite3_context* ctx, int, sqlite3_value**) { resultText(ctx, isoText(QDateTime::currentDateTime())); }

void fnDateDiff(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (isNull(argv[1]) || isNull(argv[2])) return sqlite3_result_null(ctx);
  const QString unit = argText(argv[0]).toLower();
  const QDateTime a = ParseDate(argText(argv[1]));
  const QDateTime b = ParseDate(argText(argv[2]));
  if (!a.isValid() || !b.isValid())
    return sqlite3_result_error(ctx, "Conversion failed when converting date and/or time from character string.", -1);
  qint64 diff = 0;
  // Like SQL Server: the number of unit boundaries crossed.
  if (unit == u"yy" || unit == u"yyyy" || unit == u"year") diff = b.date().year() - a.date().year();
  else if (unit == u"mm" || unit == u"m" || unit == u"month")
    diff = (b.date().year() - a.date().year()) * 12 + b.date().month() - a.date().month();
  else diff = a.date().daysTo(b.date());
  sqlite3_result_int64(ctx, diff);
}

void fnDateAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (isNull(argv[1]) || isNull(argv[2])) return sqlite3_result_null(ctx);
  const QString unit = argText(argv[0]).toLower();
  const QDateTime d = ParseDate(argText(argv[2]));
  if (!d.isValid())
    return sqlite3_result_error(ctx, "Conversion failed when converting date and/or time from character string.", -1);
  const int n = sqlite3_value_int(argv[1]);
  QDateTime r;
  if (unit == u"yy" || unit == u"yyyy" || unit == u"year") r = d.addYears(n);
  else if (unit == u"mm" || unit == u"m" || unit == u"month") r = d.addMonths(n);
  else r = d.addDays(n);
  resultText(ctx, isoText(r));
}

template <bool Left>
void fnSide(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (isNull(argv[0]) || isNull(argv[1])) return sqlite3_result_null(ctx);
  const QString t = argText(argv[0]);
  const int n = qMax(0, sqlite3_value_int(argv[1]));
  resultText(ctx, Left ? t.left(n) : t.right(n));
}

void fnConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (isNull(argv[1])) return sqlite3_result_null(ctx);
  static const QRegularExpression typeRe(QStringLiteral(R"(^\s*(\w+)\s*(?:\(\s*(\d+)?[^)]*\))?\s*$)"));
  const QRegularExpressionMatch m = typeRe.match(argText(argv[0]).toLower());
  const QString type = m.captured(1);
  const int length = m.captured(2).isEmpty() ? 30 : m.captured(2).toInt();
  const int style = argc > 2 && !isNull(argv[2]) ? sqlite3_value_int(argv[2]) : -1;
  sqlite3_value* v = argv[1];
  if (type.endsWith(QStringLiteral("char")) || type == u"text" || type == u"ntext") {
    QString text;
    const QDateTime dt = sqlite3_value_type(v) == SQLITE_TEXT && style >= 0 ? ParseDate(argText(v)) : QDateTime();
    if (dt.isValid()) text = DateStyle(dt, style);
    else if (sqlite3_value_type(v) == SQLITE_FLOAT) text = QString::number(sqlite3_value_double(v), 'g', 17);
    else text = argText(v);
    return resultText(ctx, text.left(length));
  }
  if (type.contains(QStringLiteral("int")) || type == u"bit") {
    if (sqlite3_value_type(v) == SQLITE_INTEGER) return sqlite3_result_int64(ctx, sqlite3_value_int64(v));
    bool ok = false;
    const QString t = argText(v).trimmed();
    const qlonglong n = t.toLongLong(&ok);
    if (ok) return sqlite3_result_int64(ctx, n);
    const double d = t.toDouble(&ok);
    if (ok) return sqlite3_result_int64(ctx, static_cast<qlonglong>(d));
    return sqlite3_result_error(ctx, "Conversion failed when converting the value to data type int.", -1);
  }
  if (type == u"numeric" || type == u"decimal" || type == u"float" || type == u"real" || type.endsWith(u"money")) {
    bool ok = false;
    const double d = sqlite3_value_type(v) == SQLITE_TEXT ? argText(v).trimmed().toDouble(&ok) : sqlite3_value_double(v);
    if (sqlite3_value_type(v) == SQLITE_TEXT && !ok)
      return sqlite3_result_error(ctx, "Error converting data type varchar to numeric.", -1);
    return sqlite3_result_double(ctx, d);
  }
  if (type.contains(QStringLiteral("date")) || type.contains(QStringLiteral("time"))) {
    const QDateTime dt = ParseDate(argText(v));
    if (!dt.isValid())
      return sqlite3_result_error(ctx, "Conversion failed when converting date and/or time from character string.", -1);
    return resultText(ctx, type == u"date" ? dt.toString(QStringLiteral("yyyy-MM-dd")) : isoText(dt));
  }
  sqlite3_result_value(ctx, v);
}

void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (isNull(argv[0])) return sqlite3_result_null(ctx);
  QString t = argText(argv[0]);
  while (!t.isEmpty() && t.back() == u' ') t.chop(1);
  sqlite3_result_int64(ctx, t.size());
}

template <int Part>
void fnDatePart(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (isNull(argv[0])) return sqlite3_result_null(ctx);
  const QDateTime dt = ParseDate(argText(argv[0]));
  if (!dt.isValid()) return sqlite3_result_null(ctx);
  sqlite3_result_int(ctx, Part == 0 ? dt.date().year() : Part == 1 ? dt.date().month() : dt.date().day());
}

void fnCharIndex(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (isNull(argv[0]) || isNull(argv[1])) return sqlite3_result_null(ctx);
  sqlite3_result_int64(ctx, argText(argv[1]).indexOf(argText(argv[0]), 0, Qt::CaseInsensitive) + 1);
}

void fnSpace(sqlite3_context* ctx, int, sqlite3_value** argv) {
  resultText(ctx, QString(qMax(0, sqlite3_value_int(argv[0])), u' '));
}

void fnReplicate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (isNull(argv[0])) return sqlite3_result_null(ctx);
  resultText(ctx, argText(argv[0]).repeated(qMax(0, sqlite3_value_int(argv[1]))));
}

void fnScopeIdentity(sqlite3_context* ctx, int, sqlite3_value**) {
  sqlite3_result_int64(ctx, sqlite3_last_insert_rowid(sqlite3_context_db_handle(ctx)));
}

void fnPortalObjectId(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_result_int64(ctx, ObjectId(argText(argv[0])));
}

// object_id(name): the id when a table, view or stored procedure of that name exists.
void fnObjectId(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (isNull(argv[0])) return sqlite3_result_null(ctx);
  const qint64 id = ObjectId(argText(argv[0]));
  sqlite3* db = sqlite3_context_db_handle(ctx);
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(db, "select 1 from sysobjects where id = ?", -1, &st, nullptr) != SQLITE_OK) {
    sqlite3_finalize(st);
    return sqlite3_result_null(ctx);
  }
  sqlite3_bind_int64(st, 1, id);
  const bool found = sqlite3_step(st) == SQLITE_ROW;
  sqlite3_finalize(st);
  if (found) sqlite3_result_int64(ctx, id);
  else sqlite3_result_null(ctx);
}

// objectproperty(id, 'IsUserTable' | 'IsProcedure' | 'IsView').
void fnObjectProperty(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (isNull(argv[0])) return sqlite3_result_null(ctx);
  const QString prop = argText(argv[1]).toLower();
  const char* wanted = prop == u"isusertable" ? "U" : prop == u"isprocedure" ? "P" : prop == u"isview" ? "V" : nullptr;
  if (!wanted) return sqlite3_result_null(ctx);
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(sqlite3_context_db_handle(ctx), "select xtype from sysobjects where id = ?", -1, &st,
                         nullptr) != SQLITE_OK) {
    sqlite3_finalize(st);
    return sqlite3_result_null(ctx);
  }
  sqlite3_bind_int64(st, 1, sqlite3_value_int64(argv[0]));
  if (sqlite3_step(st) == SQLITE_ROW)
    sqlite3_result_int(ctx, qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), wanted) == 0 ? 1 : 0);
  else sqlite3_result_null(ctx);
  sqlite3_finalize(st);
}

struct Fn {
  const char* name;
  int args;
  void (*fn)(sqlite3_context*, int, sqlite3_value**);
  bool deterministic;
};

}  // namespace

QDateTime ParseDate(const QString& text) {
  static const QRegularExpression re(QStringLiteral(
      R"(^\s*(\d{4})-?(\d{2})-?(\d{2})(?:[ T]+(\d{1,2}):(\d{2})(?::(\d{2})(?:[.:](\d{1,3})\d*)?)?)?\s*$)"));
  const QRegularExpressionMatch m = re.match(text);
  if (!m.hasMatch()) return QDateTime();
  const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
  const QString ms = m.captured(7).isEmpty() ? QStringLiteral("0") : m.captured(7).leftJustified(3, u'0');
  const QTime t(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt(), ms.toInt());
  if (!d.isValid() || !t.isValid()) return QDateTime();
  return QDateTime(d, t);
}

qint64 ObjectId(const QString& name) {
  // FNV-1a over the lower-case name, kept positive and within 31 bits like SQL Server's ids.
  const QByteArray bytes = ProcedureText::PlainName(name).toLower().toUtf8();
  quint32 h = 2166136261u;
  for (char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 16777619u;
  }
  return static_cast<qint64>(h & 0x7fffffff);
}

QString DateStyle(const QDateTime& dt, int style) {
  static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const QString mon = QString::fromLatin1(months[dt.date().month() - 1]);
  const QString dd = QStringLiteral("%1").arg(dt.date().day(), 2, 10, QChar(u'0'));
  const QString yyyy = QString::number(dt.date().year());
  switch (style) {
    case 103: return dt.toString(QStringLiteral("dd/MM/yyyy"));
    case 3: return dt.toString(QStringLiteral("dd/MM/yy"));
    case 101: return dt.toString(QStringLiteral("MM/dd/yyyy"));
    case 105: return dt.toString(QStringLiteral("dd-MM-yyyy"));
    case 106: return dd + u' ' + mon + u' ' + yyyy;
    case 108: return dt.toString(QStringLiteral("HH:mm:ss"));
    case 112: return dt.toString(QStringLiteral("yyyyMMdd"));
    case 23: return dt.toString(QStringLiteral("yyyy-MM-dd"));
    case 120: return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case 121: return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    case 113:
    case 13: return dd + u' ' + mon + u' ' + yyyy + u' ' + dt.toString(QStringLiteral("HH:mm:ss:zzz"));
    default: return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
  }
}

bool Register(sqlite3* db) {
  static const Fn fns[] = {
      {"getdate", 0, fnGetDate, false},
      {"portal_datediff", 3, fnDateDiff, true},
      {"portal_dateadd", 3, fnDateAdd, true},
      {"portal_left", 2, fnSide<true>, true},
      {"portal_right", 2, fnSide<false>, true},
      {"portal_convert", 2, fnConvert, true},
      {"portal_convert", 3, fnConvert, true},
      {"len", 1, fnLen, true},
      {"year", 1, fnDatePart<0>, true},
      {"month", 1, fnDatePart<1>, true},
      {"day", 1, fnDatePart<2>, true},
      {"charindex", 2, fnCharIndex, true},
      {"space", 1, fnSpace, true},
      {"replicate", 2, fnReplicate, true},
      {"scope_identity", 0, fnScopeIdentity, false},
      {"portal_object_id", 1, fnPortalObjectId, true},
      {"object_id", 1, fnObjectId, false},
      {"objectproperty", 2, fnObjectProperty, false},
  };
  for (const Fn& f : fns) {
    const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
    if (sqlite3_create_function_v2(db, f.name, f.args, flags, nullptr, f.fn, nullptr, nullptr, nullptr) != SQLITE_OK)
      return false;
  }
  return true;
}

}  // namespace SqliteFunctions
