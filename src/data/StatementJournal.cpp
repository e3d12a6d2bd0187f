#include "data/StatementJournal.h"

#include <QDateTime>
#include <QFile>

#include "data/SecretMask.h"

namespace {

QList<JournalEntry>& journal() {
  static QList<JournalEntry> entries;
  return entries;
}

QString kindName(JournalEntry::Kind kind) {
  switch (kind) {
    case JournalEntry::Kind::Statement: return QStringLiteral("EXEC");
    case JournalEntry::Kind::Query: return QStringLiteral("QUERY");
    case JournalEntry::Kind::Connect: return QStringLiteral("CONNECT");
    case JournalEntry::Kind::Disconnect: return QStringLiteral("CLOSE");
  }
  return QString();
}

void appendToLogFile(const JournalEntry& e) {
  const QString path = qEnvironmentVariable("PORTAL_STATEMENT_LOG");
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::Append | QIODevice::Text)) return;  // a log must never stop the program
  const QString line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + u'\t' + e.channel + u'\t' +
                       kindName(e.kind) + u'\t' + (e.ok ? QStringLiteral("OK") : QStringLiteral("ERROR")) + u'\t' +
                       QString(e.statement).replace(u'\n', u' ').replace(u'\r', u' ') + u'\t' +
                       QString(e.outcome).replace(u'\n', u' ').replace(u'\r', u' ') + u'\n';
  file.write(line.toUtf8());
}

}  // namespace

namespace StatementJournal {

void Record(const JournalEntry& entry) {
  JournalEntry kept = entry;
  if (kept.kind == JournalEntry::Kind::Statement || kept.kind == JournalEntry::Kind::Query)
    kept.statement = SecretMask::Masked(kept.statement);
  journal().append(kept);
  appendToLogFile(kept);
}

QList<JournalEntry> Entries() { return journal(); }

QStringList Statements() {
  QStringList out;
  for (const JournalEntry& e : journal())
    if (e.kind == JournalEntry::Kind::Statement || e.kind == JournalEntry::Kind::Query) out << e.statement;
  return out;
}

QString Last() {
  const QStringList all = Statements();
  return all.isEmpty() ? QString() : all.last();
}

void Clear() { journal().clear(); }

}  // namespace StatementJournal
