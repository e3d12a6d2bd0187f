#include "data/OdbcEngine.h"

#include <QRegularExpression>
#include <algorithm>

#include "data/ConnectionTexts.h"
#include "data/FreeTdsConfig.h"
#include "data/OdbcLibrary.h"
#include "toolkit/TextUtil.h"

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "unixODBC wide characters are UTF-16");

namespace {

constexpr SQLLEN kChunk = 64 * 1024;

const QString kLinkLost = QStringLiteral("Se perdió la conexión con el servidor de base de datos.");

// The driver manager's functions, set by the first Open that loads it.
const OdbcApi* odbc = nullptr;

const SQLWCHAR* wide(const QString& text) { return reinterpret_cast<const SQLWCHAR*>(text.utf16()); }

QString fromWide(const SQLWCHAR* p, qsizetype chars) { return QString::fromUtf16(reinterpret_cast<const char16_t*>(p), chars); }

void diagnostics(SQLSMALLINT type, SQLHANDLE handle, QList<DbError>* out) {
  if (!handle || !out) return;
  for (SQLSMALLINT i = 1;; ++i) {
    SQLWCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLWCHAR message[2048] = {};
    SQLSMALLINT length = 0;
    const SQLRETURN rc = odbc->SQLGetDiagRecW(type, handle, i, state, &native, message, 2048, &length);
    if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO) break;
    out->append({fromWide(state, 5), native, fromWide(message, qMin<qsizetype>(length, 2047)).trimmed()});
  }
}

bool succeeded(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }

bool linkBroken(const QList<DbError>& errors) {
  for (const DbError& e : errors)
    if (e.sqlState.startsWith(QStringLiteral("08"))) return true;
  return false;
}

// Asked after a failure: the driver knows whether the link to the server is gone.
bool connectionDead(SQLHDBC dbc) {
  SQLUINTEGER dead = SQL_CD_FALSE;
  return succeeded(odbc->SQLGetConnectAttr(dbc, SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr)) && dead == SQL_CD_TRUE;
}

enum class Fetch { Integer, Double, Decimal, Bytes, Text, Date, Wide };

Fetch fetchFor(SQLSMALLINT type) {
  switch (type) {
    case SQL_BIT:
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT: return Fetch::Integer;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE: return Fetch::Double;
    case SQL_DECIMAL:
    case SQL_NUMERIC: return Fetch::Decimal;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: return Fetch::Bytes;
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_LONGVARCHAR: return Fetch::Text;
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIMESTAMP:
    case SQL_DATE:
    case SQL_TIMESTAMP: return Fetch::Date;
    default: return Fetch::Wide;  // wide text, times, GUIDs, XML: as the driver writes them
  }
}

}  // namespace

// Reads every result of one executed statement handle.
struct OdbcEngine::Reader {
  SQLHSTMT stmt;
  CharColumns chars;
  DbOutcome& out;

  bool bytes(SQLUSMALLINT col, QByteArray* value, bool* isNull) {
    QByteArray data;
    char buffer[kChunk];
    for (;;) {
      SQLLEN ind = 0;
      const SQLRETURN rc = odbc->SQLGetData(stmt, col, SQL_C_BINARY, buffer, kChunk, &ind);
      if (rc == SQL_NO_DATA) break;
      if (!succeeded(rc)) {
        diagnostics(SQL_HANDLE_STMT, stmt, &out.errors);
        return false;
      }
      if (ind == SQL_NULL_DATA) {
        *isNull = true;
        return true;
      }
      const bool more = ind == SQL_NO_TOTAL || ind > kChunk;
      data.append(buffer, more ? kChunk : ind);
      if (!more) break;
    }
    *isNull = false;
    *value = data.isNull() ? QByteArray("") : data;
    return true;
  }

  bool wideText(SQLUSMALLINT col, QString* value, bool* isNull) {
    QString text;
    SQLWCHAR buffer[kChunk / 2];
    const SQLLEN bufferBytes = sizeof(buffer);
    for (;;) {
      SQLLEN ind = 0;
      const SQLRETURN rc = odbc->SQLGetData(stmt, col, SQL_C_WCHAR, buffer, bufferBytes, &ind);
      if (rc == SQL_NO_DATA) break;
      if (!succeeded(rc)) {
        diagnostics(SQL_HANDLE_STMT, stmt, &out.errors);
        return false;
      }
      if (ind == SQL_NULL_DATA) {
        *isNull = true;
        return true;
      }
      const bool more = ind == SQL_NO_TOTAL || ind >= bufferBytes;
      // A full buffer keeps room for the terminating zero.
      text += fromWide(buffer, more ? bufferBytes / 2 - 1 : ind / 2);
      if (!more) break;
    }
    *isNull = false;
    *value = text.isNull() ? QStringLiteral("") : text;
    return true;
  }

  bool value(SQLUSMALLINT col, SQLSMALLINT type, QVariant* v) {
    bool isNull = false;
    switch (fetchFor(type)) {
      case Fetch::Integer: {
        SQLBIGINT n = 0;
        SQLLEN ind = 0;
        if (!succeeded(odbc->SQLGetData(stmt, col, SQL_C_SBIGINT, &n, sizeof n, &ind))) break;
        *v = ind == SQL_NULL_DATA ? QVariant() : QVariant(static_cast<qlonglong>(n));
        return true;
      }
      case Fetch::Double: {
        double d = 0;
        SQLLEN ind = 0;
        if (!succeeded(odbc->SQLGetData(stmt, col, SQL_C_DOUBLE, &d, sizeof d, &ind))) break;
        *v = ind == SQL_NULL_DATA ? QVariant() : QVariant(d);
        return true;
      }
      case Fetch::Date: {
        SQL_TIMESTAMP_STRUCT t{};
        SQLLEN ind = 0;
        if (!succeeded(odbc->SQLGetData(stmt, col, SQL_C_TYPE_TIMESTAMP, &t, sizeof t, &ind))) break;
        *v = ind == SQL_NULL_DATA ? QVariant() : QVariant(DateText(t.year, t.month, t.day, t.hour, t.minute, t.second));
        return true;
      }
      case Fetch::Bytes: {
        QByteArray b;
        if (!bytes(col, &b, &isNull)) return false;
        *v = isNull ? QVariant() : QVariant(b);
        return true;
      }
      case Fetch::Text:
        if (chars != CharColumns::Wide) {
          QByteArray b;
          if (!bytes(col, &b, &isNull)) return false;
          *v = isNull ? QVariant()
                      : QVariant(chars == CharColumns::Cp1252Bytes ? Text::FromCp1252(b) : QString::fromUtf8(b));
          return true;
        }
        [[fallthrough]];
      case Fetch::Wide:
      case Fetch::Decimal: {
        QString t;
        if (!wideText(col, &t, &isNull)) return false;
        *v = isNull ? QVariant() : fetchFor(type) == Fetch::Decimal ? DecimalValue(t) : QVariant(t);
        return true;
      }
    }
    diagnostics(SQL_HANDLE_STMT, stmt, &out.errors);
    return false;
  }

  // One result: a row set with its columns, or a row count.
  void result() {
    SQLSMALLINT columns = 0;
    odbc->SQLNumResultCols(stmt, &columns);
    DbResult r;
    if (columns <= 0) {
      SQLLEN count = -1;
      odbc->SQLRowCount(stmt, &count);
      r.rowsAffected = count;
      out.results << r;
      return;
    }
    r.hasColumns = true;
    QList<SQLSMALLINT> types;
    for (SQLUSMALLINT c = 1; c <= columns; ++c) {
      SQLWCHAR name[512] = {};
      SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
      SQLULEN size = 0;
      odbc->SQLDescribeColW(stmt, c, name, 512, &nameLength, &type, &size, &digits, &nullable);
      r.set.columns << fromWide(name, qMin<qsizetype>(nameLength, 511));
      types << type;
    }
    for (;;) {
      const SQLRETURN rc = odbc->SQLFetch(stmt);
      if (rc == SQL_NO_DATA) break;
      if (!succeeded(rc)) {
        diagnostics(SQL_HANDLE_STMT, stmt, &out.errors);
        break;
      }
      Row row;
      row.values.reserve(columns);
      bool ok = true;
      for (SQLUSMALLINT c = 1; c <= columns && ok; ++c) {
        QVariant v;
        ok = value(c, types[c - 1], &v);
        row.values << v;
      }
      if (!ok) break;
      r.set.rows << row;
    }
    out.results << r;
  }
};

OdbcEngine::OdbcEngine(QString connectionText, CharColumns chars) : m_text(std::move(connectionText)), m_chars(chars) {}

OdbcEngine::~OdbcEngine() { Close(); }

QString OdbcEngine::Describe() const { return QStringLiteral("ODBC ") + ConnectionTexts::Masked(m_text); }

bool OdbcEngine::Open(QList<DbError>* errors) {
  Close();
  QString missing;
  if (const OdbcApi* api = OdbcLibrary::Get(&missing)) {
    odbc = api;
  } else {
    if (errors) errors->append({QString(), 0, missing});
    return false;
  }
  if (m_text.contains(QStringLiteral("Driver=FreeTDS"), Qt::CaseInsensitive)) FreeTdsConfig::Ensure();
  SQLHENV env = nullptr;
  if (!succeeded(odbc->SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env))) {
    if (errors) errors->append({QString(), 0, QStringLiteral("The ODBC driver manager cannot start.")});
    return false;
  }
  odbc->SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  SQLHDBC dbc = nullptr;
  if (!succeeded(odbc->SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
    diagnostics(SQL_HANDLE_ENV, env, errors);
    odbc->SQLFreeHandle(SQL_HANDLE_ENV, env);
    return false;
  }
  // No login or connection time-out: a slow server is waited for.
  odbc->SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(0), 0);
  odbc->SQLSetConnectAttr(dbc, SQL_ATTR_CONNECTION_TIMEOUT, reinterpret_cast<SQLPOINTER>(0), 0);
  SQLWCHAR completed[1024] = {};
  SQLSMALLINT completedLength = 0;
  const SQLRETURN rc = odbc->SQLDriverConnectW(dbc, nullptr, const_cast<SQLWCHAR*>(wide(m_text)),
                                         static_cast<SQLSMALLINT>(m_text.size()), completed, 1024, &completedLength,
                                         SQL_DRIVER_NOPROMPT);
  if (!succeeded(rc)) {
    QList<DbError> found;
    diagnostics(SQL_HANDLE_DBC, dbc, &found);
    if (found.isEmpty()) found.append({QString(), 0, QStringLiteral("The connection could not be opened.")});
    if (errors) *errors << found;
    odbc->SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    odbc->SQLFreeHandle(SQL_HANDLE_ENV, env);
    return false;
  }
  m_env = env;
  m_dbc = dbc;
  if (m_probe.isEmpty()) return true;
  if (!probe(errors)) return false;
  if (m_chars != CharColumns::Utf8Bytes || m_unconverted.isEmpty()) return true;
  // The driver converted the server's bytes: try once asking it not to.
  const QString converting = m_text;
  m_text = m_unconverted;
  m_unconverted.clear();
  QList<DbError> ignored;
  if (Open(&ignored) && m_chars == CharColumns::Cp1252Bytes) return true;
  m_text = converting;
  return Open(errors);
}

bool OdbcEngine::probe(QList<DbError>* errors) {
  const CharColumns wanted = m_chars;
  m_chars = CharColumns::Cp1252Bytes;  // read the probe's bytes as they arrive
  const DbOutcome out = Run(m_probe);
  const DbResult* r = out.firstRowSet();
  m_chars = wanted;
  if (out.ok() && r && !r->set.rows.isEmpty())
    m_chars = r->set.rows.first().col(1).toString() == Text::FromCp1252(QByteArray("\x81\xD1"))
                  ? CharColumns::Cp1252Bytes
                  : CharColumns::Utf8Bytes;
  if (IsOpen()) return true;
  if (errors) *errors << out.errors;
  return false;
}

void OdbcEngine::Close() {
  if (m_dbc) {
    odbc->SQLDisconnect(static_cast<SQLHDBC>(m_dbc));
    odbc->SQLFreeHandle(SQL_HANDLE_DBC, static_cast<SQLHDBC>(m_dbc));
  }
  if (m_env) odbc->SQLFreeHandle(SQL_HANDLE_ENV, static_cast<SQLHENV>(m_env));
  m_dbc = nullptr;
  m_env = nullptr;
}

DbOutcome OdbcEngine::Run(const QString& statement) {
  DbOutcome out;
  if (!m_dbc) {
    out.errors.append({QString(), 0, QStringLiteral("Connection closed")});
    return out;
  }
  SQLHSTMT stmt = nullptr;
  if (!succeeded(odbc->SQLAllocHandle(SQL_HANDLE_STMT, static_cast<SQLHDBC>(m_dbc), &stmt))) {
    diagnostics(SQL_HANDLE_DBC, static_cast<SQLHDBC>(m_dbc), &out.errors);
    out.connectionLost = linkBroken(out.errors) || out.errors.isEmpty();
    if (out.errors.isEmpty()) out.errors.append({QString(), 0, QStringLiteral("Connection closed")});
    if (out.connectionLost) Close();
    return out;
  }
  odbc->SQLSetStmtAttr(stmt, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(0), 0);
  odbc->SQLSetStmtAttr(stmt, SQL_ATTR_CURSOR_TYPE, reinterpret_cast<SQLPOINTER>(SQL_CURSOR_FORWARD_ONLY), 0);
  Reader reader{stmt, m_chars, out};
  SQLRETURN rc = odbc->SQLExecDirectW(stmt, const_cast<SQLWCHAR*>(wide(statement)), static_cast<SQLINTEGER>(statement.size()));
  // Every result in order: row counts, row sets and the errors between them.
  int failuresInRow = 0;
  for (;;) {
    if (succeeded(rc)) {
      failuresInRow = 0;
      reader.result();
    } else if (rc == SQL_NO_DATA) {
      out.results << DbResult{false, {}, 0};
    } else if (rc == SQL_ERROR) {
      diagnostics(SQL_HANDLE_STMT, stmt, &out.errors);
      if (++failuresInRow > 1 || linkBroken(out.errors)) break;
    } else {
      break;  // SQL_INVALID_HANDLE / SQL_NEED_DATA: nothing more can be read
    }
    rc = odbc->SQLMoreResults(stmt);
    if (rc == SQL_NO_DATA) break;
  }
  odbc->SQLFreeHandle(SQL_HANDLE_STMT, stmt);
  if (!out.ok() && (linkBroken(out.errors) || connectionDead(static_cast<SQLHDBC>(m_dbc)))) {
    // The driver may only say "Unknown error" when the server went away: say what happened.
    const bool onlyGeneral = std::all_of(out.errors.cbegin(), out.errors.cend(),
                                         [](const DbError& e) { return e.sqlState == u"HY000"; });
    if (onlyGeneral) out.errors.append({QStringLiteral("08S01"), 0, kLinkLost});
    out.connectionLost = true;
    Close();
  }
  return out;
}

QVariant OdbcEngine::DecimalValue(const QString& text) {
  static const QRegularExpression number(QStringLiteral(R"(^([+-]?)0*(\d*)(?:\.(\d*?)0*)?$)"));
  const QString t = text.trimmed();
  const QRegularExpressionMatch m = number.match(t);
  const bool hasDigit = std::any_of(t.cbegin(), t.cend(), [](QChar c) { return c.isDigit(); });
  if (!m.hasMatch() || !hasDigit) return t;
  const QString sign = m.captured(1) == u"-" ? QStringLiteral("-") : QString();
  const QString integer = m.captured(2).isEmpty() ? QStringLiteral("0") : m.captured(2);
  const QString fraction = m.captured(3);
  bool ok = false;
  if (fraction.isEmpty()) {
    const qlonglong whole = (sign + integer).toLongLong(&ok);
    return ok ? QVariant(whole) : QVariant(t);  // too long for a whole number: every digit kept
  }
  // Up to 15 significant digits a double gives back exactly the same decimal digits.
  const qsizetype digits = (integer == u"0" ? 0 : integer.size()) + fraction.size();
  if (digits > 15) return t;
  return (sign + integer + u'.' + fraction).toDouble();
}

QString OdbcEngine::DateText(int year, int month, int day, int hour, int minute, int second) {
  const QString date = QStringLiteral("%1-%2-%3").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0'));
  if (hour == 0 && minute == 0 && second == 0) return date;
  return date + QStringLiteral(" %1:%2:%3").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0')).arg(second, 2, 10, QLatin1Char('0'));
}
