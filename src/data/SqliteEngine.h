#pragma once
// The embedded engine: one SQLite database file, spoken to in the portal's statement dialect.
// Stored procedures live in the table portal_procedures of the file; sysobjects is a view
// listing its tables (xtype 'U'), views ('V') and procedures ('P').
#include <QHash>
#include <QSet>
#include <QVariant>

#include "data/DbEngine.h"
#include "data/ProcedureText.h"
#include "data/SqliteStatementCache.h"

struct sqlite3;

class SqliteEngine : public DbEngine {
 public:
  explicit SqliteEngine(QString file);
  ~SqliteEngine() override;
  SqliteEngine(const SqliteEngine&) = delete;
  SqliteEngine& operator=(const SqliteEngine&) = delete;

  bool Open(QList<DbError>* errors) override;
  void Close() override;
  // Also while a damaged file waits for the next statement to open it afresh: a reopen that
  // failed once must not leave the connection closed for good.
  bool IsOpen() const override { return m_db != nullptr || m_reopen; }
  DbOutcome Run(const QString& statement) override;
  QString Describe() const override;

  const QString& FileName() const { return m_file; }

  // The BD value names the embedded database when it ends in ".db" (case ignored).
  static bool NamesDatabaseFile(const QString& database);

 private:
  using Scope = QHash<QString, QVariant>;  // "@name" in lower case -> value

  bool runBatch(const QString& batch, const Scope* scope, DbOutcome& out, int depth);
  bool runPiece(const QString& statement, const Scope* scope, DbOutcome& out, int depth);
  bool runSql(const QString& sql, const Scope* scope, DbOutcome& out);
  bool evaluateCondition(const QString& condition, const Scope* scope, bool* holds, DbOutcome& out);
  bool storeProcedure(const ProcedureText::Definition& def, const QString& source, DbOutcome& out);
  bool dropProcedure(const ProcedureText::Drop& drop, DbOutcome& out);
  bool callProcedure(const ProcedureText::Call& call, const Scope* scope, DbOutcome& out, int depth);
  bool hasProcedure(const QString& name);
  // The stored definition, or nothing when absent. A lookup the file cannot answer (damaged,
  // unreadable) is reported into `out` when given and not remembered as an absence.
  std::optional<ProcedureText::Definition> procedure(const QString& name, DbOutcome* out = nullptr);
  void fail(DbOutcome& out, qlonglong native, const QString& message);
  void failSqlite(DbOutcome& out);

  QString m_file;
  sqlite3* m_db = nullptr;
  void forgetWhenChangedElsewhere();

  QHash<QString, ProcedureText::Definition> m_cache;  // lower-case name -> definition
  bool m_reopen = false;  // the file failed: start over with the next statement
  QSet<QString> m_absent;                             // lower-case names known not to be procedures
  qlonglong m_dataVersion = -1;                       // changes when another connection commits
  SqliteStatementCache m_statements;                   // before m_db is closed, always cleared
};
