#include "data/SqliteEngine.h"

#include <QRegularExpression>
#include <sqlite3.h>

#include "data/SqlDialect.h"
#include "data/SqliteFunctions.h"
#include "toolkit/BoundedMemo.h"

namespace {

constexpr int kMaxNesting = 32;  // as SQL Server's procedure nesting limit

const char* kSchema =
    "CREATE TABLE IF NOT EXISTS portal_procedures ("
    " name TEXT PRIMARY KEY COLLATE NOCASE, definition TEXT NOT NULL);"
    "CREATE VIEW IF NOT EXISTS sysobjects AS"
    " SELECT name, portal_object_id(name) AS id,"
    "  CASE type WHEN 'view' THEN 'V' ELSE 'U' END AS xtype,"
    "  CASE type WHEN 'view' THEN 'V' ELSE 'U' END AS type"
    " FROM sqlite_master WHERE type IN ('table', 'view')"
    "  AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' AND name NOT IN ('portal_procedures', 'sysobjects')"
    " UNION ALL SELECT name, portal_object_id(name), 'P', 'P' FROM portal_procedures;";

QVariant columnValue(sqlite3_stmt* st, int i) {
  switch (sqlite3_column_type(st, i)) {
    case SQLITE_INTEGER: return QVariant(static_cast<qlonglong>(sqlite3_column_int64(st, i)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(st, i));
    case SQLITE_TEXT:
      return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                        sqlite3_column_bytes(st, i)));
    case SQLITE_BLOB: {
      const void* p = sqlite3_column_blob(st, i);
      return QVariant(QByteArray(static_cast<const char*>(p), sqlite3_column_bytes(st, i)));
    }
    default: return QVariant();
  }
}

void bindValue(sqlite3_stmt* st, int i, const QVariant& v) {
  if (!v.isValid() || v.isNull()) {
    sqlite3_bind_null(st, i);
    return;
  }
  switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool: sqlite3_bind_int64(st, i, v.toLongLong()); break;
    case QMetaType::Double: sqlite3_bind_double(st, i, v.toDouble()); break;
    case QMetaType::QByteArray: {
      const QByteArray b = v.toByteArray();
      sqlite3_bind_blob(st, i, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
      break;
    }
    default: {
      const QByteArray t = v.toString().toUtf8();
      sqlite3_bind_text(st, i, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
    }
  }
}

enum class TypeClass { Integer, Real, Text };

TypeClass classOf(const QString& declared, bool* integralNumeric) {
  static const QRegularExpression re(QStringLiteral(R"(^(\w+)\s*(?:\(\s*(\d+)\s*(?:,\s*(\d+))?\s*\))?)"));
  const QRegularExpressionMatch m = re.match(declared);
  const QString base = m.captured(1);
  *integralNumeric = false;
  if (base == u"int" || base == u"integer" || base == u"bigint" || base == u"smallint" || base == u"tinyint" ||
      base == u"bit")
    return TypeClass::Integer;
  if (base == u"numeric" || base == u"decimal") {
    *integralNumeric = m.captured(3).isEmpty() || m.captured(3).toInt() == 0;
    return TypeClass::Real;
  }
  if (base == u"float" || base == u"real" || base == u"money" || base == u"smallmoney") return TypeClass::Real;
  return TypeClass::Text;
}

// An argument's value as the declared parameter type takes it.
bool typedValue(const QVariant& raw, bool quoted, const ProcedureText::Parameter& p, QVariant* out, QString* error) {
  if (!raw.isValid() || raw.isNull()) {
    *out = QVariant();
    return true;
  }
  bool integral = false;
  const TypeClass cls = classOf(p.type, &integral);
  if (cls == TypeClass::Text) {
    *out = raw.typeId() == QMetaType::QByteArray ? raw : QVariant(raw.toString());
    return true;
  }
  if (raw.typeId() == QMetaType::LongLong || raw.typeId() == QMetaType::Double) {
    *out = cls == TypeClass::Integer ? QVariant(raw.toLongLong()) : raw;
    return true;
  }
  const QString text = raw.toString().trimmed();
  if (text.isEmpty()) {
    *out = cls == TypeClass::Integer || integral ? QVariant(qlonglong(0)) : QVariant(0.0);
    return true;
  }
  bool ok = false;
  const qlonglong n = text.toLongLong(&ok);
  if (ok) {
    *out = cls == TypeClass::Real && !integral ? QVariant(double(n)) : QVariant(n);
    return true;
  }
  const double d = text.toDouble(&ok);
  if (ok && (cls == TypeClass::Real || !quoted)) {
    *out = cls == TypeClass::Integer ? QVariant(static_cast<qlonglong>(d)) : QVariant(d);
    return true;
  }
  *error = QStringLiteral("Error converting data type varchar to %1.").arg(p.type);
  return false;
}

}  // namespace

SqliteEngine::SqliteEngine(QString file) : m_file(std::move(file)) {}

SqliteEngine::~SqliteEngine() { Close(); }

bool SqliteEngine::NamesDatabaseFile(const QString& database) {
  return database.trimmed().endsWith(QStringLiteral(".db"), Qt::CaseInsensitive);
}

QString SqliteEngine::Describe() const { return QStringLiteral("SQLite ") + m_file; }

bool SqliteEngine::Open(QList<DbError>* errors) {
  Close();
  m_reopen = false;
  m_cache.clear();
  m_absent.clear();
  m_dataVersion = -1;
  const QByteArray path = m_file.toUtf8();
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  auto openFailed = [&](int code, const QString& message) {
    if (errors) errors->append({QString(), code, message});
    sqlite3_close(db);
    return false;
  };
  if (rc != SQLITE_OK)
    return openFailed(rc, QStringLiteral("Cannot open database \"%1\": %2").arg(m_file, QString::fromUtf8(sqlite3_errmsg(db))));
  sqlite3_extended_result_codes(db, 1);
  sqlite3_busy_timeout(db, 30000);
  if (!SqliteFunctions::Register(db)) return openFailed(sqlite3_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
  char* msg = nullptr;
  const int prc = sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr, &msg);
  const int src = prc == SQLITE_OK ? sqlite3_exec(db, kSchema, nullptr, nullptr, &msg) : prc;
  if (src != SQLITE_OK) {
    const QString text = QStringLiteral("Cannot open database \"%1\": %2").arg(m_file, QString::fromUtf8(msg ? msg : ""));
    sqlite3_free(msg);
    return openFailed(sqlite3_extended_errcode(db), text);
  }
  m_db = db;
  return true;
}

void SqliteEngine::Close() {
  m_statements.Clear();
  if (m_db) sqlite3_close_v2(m_db);
  m_db = nullptr;
}

void SqliteEngine::fail(DbOutcome& out, qlonglong native, const QString& message) {
  out.errors.append({QString(), native, message});
}

void SqliteEngine::failSqlite(DbOutcome& out) {
  const int code = sqlite3_extended_errcode(m_db);
  fail(out, code, QString::fromUtf8(sqlite3_errmsg(m_db)));
  // A damaged or unreadable file leaves pages in the connection's cache that may be wrong
  // once the file is whole again: the next statement starts on a fresh connection.
  const int primary = code & 0xff;
  if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB || primary == SQLITE_IOERR) m_reopen = true;
}

DbOutcome SqliteEngine::Run(const QString& statement) {
  DbOutcome out;
  if (m_reopen) {
    QList<DbError> errors;
    if (!Open(&errors)) {
      out.errors << errors;
      m_reopen = true;  // Open closed the old connection; try again with the next statement
      return out;
    }
  }
  if (!m_db) {
    fail(out, 0, QStringLiteral("Connection closed"));
    return out;
  }
  forgetWhenChangedElsewhere();
  QString error;
  const std::optional<ProcedureText::Definition> def = ProcedureText::ParseCreate(statement, &error);
  if (def) {
    if (!error.isEmpty()) fail(out, 102, error);
    else storeProcedure(*def, statement.trimmed(), out);
    return out;
  }
  runBatch(statement, nullptr, out, 0);
  return out;
}

bool SqliteEngine::runBatch(const QString& batch, const Scope* scope, DbOutcome& out, int depth) {
  const QStringList statements = SqlDialect::SplitStatements(batch);
  for (const QString& s : statements)
    if (!runPiece(s, scope, out, depth)) return false;
  return true;
}

bool SqliteEngine::runPiece(const QString& statement, const Scope* scope, DbOutcome& out, int depth) {
  if (const auto cond = SqlDialect::ParseConditional(statement)) {
    bool holds = false;
    if (!evaluateCondition(cond->condition, scope, &holds, out)) return false;
    return !holds || runPiece(cond->statement, scope, out, depth);
  }
  if (SqlDialect::IsNoOp(statement)) return true;
  if (const auto drop = ProcedureText::ParseDrop(statement)) return dropProcedure(*drop, out);
  QString error;
  if (const auto def = ProcedureText::ParseCreate(statement, &error)) {
    if (!error.isEmpty()) {
      fail(out, 102, error);
      return false;
    }
    return storeProcedure(*def, statement, out);
  }
  std::optional<ProcedureText::Call> call = ProcedureText::ParseCall(statement, false, &error);
  if (!call && error.isEmpty()) {
    call = ProcedureText::ParseCall(statement, true, &error);
    if (call && !hasProcedure(call->name)) call.reset();
    if (!call) error.clear();
  }
  if (!error.isEmpty()) {
    fail(out, 102, error);
    return false;
  }
  if (call) return callProcedure(*call, scope, out, depth);
  return runSql(SqlDialect::Translate(statement), scope, out);
}

namespace {

bool onlyBlanks(const char* from, const char* end) {
  for (; from < end; ++from)
    if (*from != ' ' && *from != '\t' && *from != '\r' && *from != '\n' && *from != ';') return false;
  return true;
}

}  // namespace

bool SqliteEngine::runSql(const QString& sql, const Scope* scope, DbOutcome& out) {
  const QByteArray utf8 = sql.toUtf8();
  const char* tail = utf8.constData();
  const char* end = tail + utf8.size();
  while (tail < end) {
    // A text of one statement is kept prepared for its next run; a batch is prepared piece by
    // piece, since a piece may need what the one before it creates.
    const bool whole = tail == utf8.constData();
    sqlite3_stmt* st = whole ? m_statements.Take(utf8) : nullptr;
    const char* next = end;
    if (!st) {
      if (sqlite3_prepare_v3(m_db, tail, static_cast<int>(end - tail), SQLITE_PREPARE_PERSISTENT, &st, &next) !=
          SQLITE_OK) {
        failSqlite(out);
        return false;
      }
      if (!st) {  // only blanks or a comment were left
        tail = next;
        continue;
      }
    }
    const bool keep = whole && onlyBlanks(next, end);
    for (int i = 1; i <= sqlite3_bind_parameter_count(st); ++i) {
      const char* name = sqlite3_bind_parameter_name(st, i);
      const QString key = name ? QString::fromUtf8(name).toLower() : QString();
      bindValue(st, i, scope && scope->contains(key) ? scope->value(key) : QVariant());
    }
    DbResult result;
    // Columns are read after the first step: a kept statement is prepared again there when the
    // tables changed since its last run ("select *" after a column was added).
    int rc = sqlite3_step(st);
    const int columns = sqlite3_column_count(st);
    result.hasColumns = columns > 0;
    for (int c = 0; c < columns; ++c) result.set.columns << QString::fromUtf8(sqlite3_column_name(st, c));
    for (; rc == SQLITE_ROW; rc = sqlite3_step(st)) {
      Row row;
      row.values.reserve(columns);
      for (int c = 0; c < columns; ++c) row.values << columnValue(st, c);
      result.set.rows << row;
    }
    if (rc != SQLITE_DONE) {
      failSqlite(out);
      sqlite3_finalize(st);
      return false;
    }
    if (!result.hasColumns) result.rowsAffected = sqlite3_changes(m_db);
    if (keep) m_statements.Put(utf8, st);
    else sqlite3_finalize(st);
    out.results << result;
    tail = next;
  }
  return true;
}

bool SqliteEngine::evaluateCondition(const QString& condition, const Scope* scope, bool* holds, DbOutcome& out) {
  DbOutcome probe;
  if (!runSql(QStringLiteral("SELECT CASE WHEN ") + SqlDialect::Translate(condition) + QStringLiteral(" THEN 1 ELSE 0 END"),
              scope, probe)) {
    out.errors << probe.errors;
    return false;
  }
  *holds = !probe.results.isEmpty() && !probe.results.first().set.rows.isEmpty() &&
           probe.results.first().set.rows.first().col(1).toLongLong() != 0;
  return true;
}

void SqliteEngine::forgetWhenChangedElsewhere() {
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(m_db, "PRAGMA data_version", -1, &st, nullptr) != SQLITE_OK) return;
  const qlonglong version = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
  sqlite3_finalize(st);
  if (version != m_dataVersion) {
    // Another connection (another terminal, or the direct connection) may have changed procedures.
    m_cache.clear();
    m_absent.clear();
    m_dataVersion = version;
  }
}

bool SqliteEngine::hasProcedure(const QString& name) { return procedure(name).has_value(); }

std::optional<ProcedureText::Definition> SqliteEngine::procedure(const QString& name, DbOutcome* out) {
  const QString key = name.toLower();
  if (const auto it = m_cache.constFind(key); it != m_cache.constEnd()) return *it;
  if (m_absent.contains(key)) return std::nullopt;
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(m_db, "SELECT definition FROM portal_procedures WHERE name = ?", -1, &st, nullptr) != SQLITE_OK) {
    if (out) failSqlite(*out);
    return std::nullopt;
  }
  const QByteArray n = name.toUtf8();
  sqlite3_bind_text(st, 1, n.constData(), static_cast<int>(n.size()), SQLITE_TRANSIENT);
  std::optional<ProcedureText::Definition> def;
  const int rc = sqlite3_step(st);
  if (rc == SQLITE_ROW) {
    // Every new connection reads the same definitions: each text is parsed once per thread.
    thread_local BoundedMemo<QString, std::optional<ProcedureText::Definition>> parsed(64);
    def = parsed.Get(columnValue(st, 0).toString(), [](const QString& source) {
      QString error;
      return ProcedureText::ParseCreate(source, &error);
    });
    if (def) m_cache.insert(key, *def);
  } else if (rc != SQLITE_DONE) {
    if (out) failSqlite(*out);
    sqlite3_finalize(st);
    return std::nullopt;
  }
  sqlite3_finalize(st);
  if (!def) m_absent.insert(key);
  return def;
}

bool SqliteEngine::storeProcedure(const ProcedureText::Definition& def, const QString& source, DbOutcome& out) {
  if (!def.replace && hasProcedure(def.name)) {
    fail(out, 2714, QStringLiteral("There is already an object named '%1' in the database.").arg(def.name));
    return false;
  }
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v2(m_db, "INSERT OR REPLACE INTO portal_procedures (name, definition) VALUES (?, ?)", -1, &st,
                         nullptr) != SQLITE_OK) {
    failSqlite(out);
    return false;
  }
  bindValue(st, 1, def.name);
  bindValue(st, 2, source);
  const bool ok = sqlite3_step(st) == SQLITE_DONE;
  if (!ok) failSqlite(out);
  sqlite3_finalize(st);
  m_cache.remove(def.name.toLower());
  m_absent.remove(def.name.toLower());
  if (ok) out.results << DbResult{false, {}, 0};
  return ok;
}

bool SqliteEngine::dropProcedure(const ProcedureText::Drop& drop, DbOutcome& out) {
  if (!hasProcedure(drop.name)) {
    if (drop.ifExists) return true;
    fail(out, 3701,
         QStringLiteral("Cannot drop the procedure '%1', because it does not exist or you do not have permission.")
             .arg(drop.name));
    return false;
  }
  Scope scope{{QStringLiteral("@name"), drop.name}};
  m_cache.remove(drop.name.toLower());
  return runSql(QStringLiteral("DELETE FROM portal_procedures WHERE name = @name"), &scope, out);
}

bool SqliteEngine::callProcedure(const ProcedureText::Call& call, const Scope* scope, DbOutcome& out, int depth) {
  if (depth >= kMaxNesting) {
    fail(out, 217, QStringLiteral("Maximum stored procedure nesting level exceeded (limit 32)."));
    return false;
  }
  const int errorsBefore = out.errors.size();
  const std::optional<ProcedureText::Definition> def = procedure(call.name, &out);
  if (!def && out.errors.size() > errorsBefore) return false;  // the file could not be read
  if (!def) {
    fail(out, 2812, QStringLiteral("Could not find stored procedure '%1'.").arg(call.name));
    return false;
  }
  using Kind = ProcedureText::Argument::Kind;
  QList<const ProcedureText::Argument*> given(def->parameters.size(), nullptr);
  int position = 0;
  bool named = false;
  for (const ProcedureText::Argument& a : call.arguments) {
    if (a.name.isEmpty()) {
      if (named) {
        fail(out, 119, QStringLiteral("Must pass parameter number %1 and subsequent parameters as '@name = value'.")
                           .arg(position + 1));
        return false;
      }
      if (position >= def->parameters.size()) {
        fail(out, 8144, QStringLiteral("Procedure or function %1 has too many arguments specified.").arg(def->name));
        return false;
      }
      given[position++] = &a;
      continue;
    }
    named = true;
    qsizetype k = 0;
    while (k < def->parameters.size() && def->parameters[k].name.compare(a.name, Qt::CaseInsensitive) != 0) ++k;
    if (k == def->parameters.size()) {
      fail(out, 8145, QStringLiteral("%1 is not a parameter for procedure %2.").arg(a.name, def->name));
      return false;
    }
    given[k] = &a;
  }
  Scope inner;
  for (qsizetype k = 0; k < def->parameters.size(); ++k) {
    const ProcedureText::Parameter& p = def->parameters[k];
    const ProcedureText::Argument* a = given[k];
    QVariant raw;
    bool quoted = false;
    if (!a || a->kind == Kind::Default) {
      if (!p.hasDefault) {
        fail(out, 201, QStringLiteral("Procedure or function '%1' expects parameter '%2', which was not supplied.")
                           .arg(def->name, p.name));
        return false;
      }
      if (!p.defaultIsNull) raw = p.defaultValue;
    } else if (a->kind == Kind::Variable) {
      raw = scope ? scope->value(a->value.toLower()) : QVariant();
    } else if (a->kind != Kind::Null) {
      raw = a->value;
      quoted = a->kind == Kind::Text;
    }
    QVariant value;
    QString error;
    if (!typedValue(raw, quoted, p, &value, &error)) {
      fail(out, 8114, error);
      return false;
    }
    inner.insert(p.name.toLower(), value);
  }
  return runBatch(def->body, &inner, out, depth + 1);
}
