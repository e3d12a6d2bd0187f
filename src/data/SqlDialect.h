#pragma once
// The statement dialect of the portal (SQL Server's) turned into SQLite's: a small table of
// rewrites applied outside string literals and comments, the batch splitter, and the
// "if [not] exists (...) statement" form of the update register.
#include <QString>
#include <QStringList>
#include <optional>

namespace SqlDialect {

// One rewrite of the table: a pattern (case ignored) and its replacement.
struct Rewrite {
  const char* name;
  const char* pattern;
  const char* replacement;
  const char* words;  // "a|b": the pattern can only match code holding one of them (any case)
};
const QList<Rewrite>& Rewrites();

// The statement with every rewrite applied outside literals and comments, N'..' literals
// made plain, and a leading "select top n" turned into a final "limit n".
QString Translate(const QString& statement);

// Splits a batch at the semicolons that end complete statements; blank pieces are dropped
// and each piece is trimmed, without its final semicolon.
QStringList SplitStatements(const QString& batch);

// "if condition statement", e.g. "if not exists (subquery) create table ..." or
// "if object_id('X') is not null drop procedure X": the statement begins at the first
// statement word outside parentheses.
struct Conditional {
  QString condition;  // a boolean SQL expression
  QString statement;  // what runs when the condition holds
};
std::optional<Conditional> ParseConditional(const QString& statement);

// Session settings and messages that mean nothing to the embedded engine: SET NOCOUNT,
// SET ANSI_NULLS and the like, PRINT, USE.
bool IsNoOp(const QString& statement);

// The text with string literals, quoted identifiers and comments blanked out, same length:
// lets callers search for keywords without being fooled by literal contents.
QString CodeOnly(const QString& statement);

}  // namespace SqlDialect
