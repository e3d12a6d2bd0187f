#pragma once
// The one small interface both database engines sit behind: open, run a statement and get
// back its result sets with column names and values, or the provider's errors.
#include <QList>
#include <QString>

#include "data/Rows.h"

struct DbError {
  QString sqlState;    // five-character state, empty when the engine has none
  qlonglong native = 0;  // the provider's own error number
  QString message;
};

// One result of a statement: a row set (with columns, possibly no rows) or a row count.
struct DbResult {
  bool hasColumns = false;
  ResultSet set;
  qlonglong rowsAffected = -1;
};

struct DbOutcome {
  QList<DbResult> results;
  QList<DbError> errors;
  bool connectionLost = false;  // the link to the server broke; the engine is closed now
  bool ok() const { return errors.isEmpty(); }
  // The first result that has columns, or null.
  const DbResult* firstRowSet() const {
    for (const DbResult& r : results)
      if (r.hasColumns) return &r;
    return nullptr;
  }
};

class DbEngine {
 public:
  virtual ~DbEngine() = default;
  // Opens the connection; on failure fills `errors` and returns false.
  virtual bool Open(QList<DbError>* errors) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Runs a statement or batch on the open connection and reads every result.
  virtual DbOutcome Run(const QString& statement) = 0;
  // A short description of where the engine points, for messages and the journal.
  virtual QString Describe() const = 0;
};

// Errors listed one per line with their native numbers, as the alerts and stop boxes show them.
QString DescribeErrors(const QList<DbError>& errors);
