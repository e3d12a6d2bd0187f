#pragma once
// Prepared statements of the embedded engine kept by their text. Preparing a statement over the
// portal's views costs several times running it, and the screens run the same procedure bodies
// again and again, so a statement is prepared once and reset for the next run.
#include <QByteArray>
#include <QHash>

struct sqlite3_stmt;

class SqliteStatementCache {
 public:
  explicit SqliteStatementCache(int capacity = 48) : m_capacity(capacity) {}
  ~SqliteStatementCache() { Clear(); }
  SqliteStatementCache(const SqliteStatementCache&) = delete;
  SqliteStatementCache& operator=(const SqliteStatementCache&) = delete;

  // The statement prepared for `text`, taken out of the cache (null when none is kept).
  sqlite3_stmt* Take(const QByteArray& text);
  // Keeps a statement that has run to its end; the least recently used one goes when full.
  void Put(const QByteArray& text, sqlite3_stmt* statement);
  // Finalizes every kept statement (before the connection closes).
  void Clear();
  int Size() const { return static_cast<int>(m_kept.size()); }

 private:
  struct Kept {
    sqlite3_stmt* statement = nullptr;
    quint64 lastUse = 0;
  };
  QHash<QByteArray, Kept> m_kept;
  quint64 m_clock = 0;
  int m_capacity;
};
