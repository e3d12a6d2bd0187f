#pragma once
// Every statement sent by the session data source and the direct connection, in order,
// with its outcome. Tests assert exact statement texts through it; when the environment
// variable PORTAL_STATEMENT_LOG names a file, every entry is also appended there.
#include <QList>
#include <QString>
#include <QStringList>

struct JournalEntry {
  enum class Kind { Statement, Query, Connect, Disconnect };
  Kind kind = Kind::Statement;
  QString channel;    // "oAdo" for the session data source, "CNX" for the direct connection
  QString statement;  // the text exactly as sent (a connection text with its password masked)
  bool ok = true;
  QString outcome;    // "3 filas", "1 afectadas", or the provider errors
};

namespace StatementJournal {

void Record(const JournalEntry& entry);
QList<JournalEntry> Entries();
// Only the statement and query texts, in order (connections left out).
QStringList Statements();
// The last statement or query text, empty when none.
QString Last();
void Clear();

}  // namespace StatementJournal
