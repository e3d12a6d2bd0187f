#include "data/SqliteStatementCache.h"

#include <sqlite3.h>

sqlite3_stmt* SqliteStatementCache::Take(const QByteArray& text) {
  const auto it = m_kept.find(text);
  if (it == m_kept.end()) return nullptr;
  sqlite3_stmt* statement = it->statement;
  m_kept.erase(it);
  return statement;
}

void SqliteStatementCache::Put(const QByteArray& text, sqlite3_stmt* statement) {
  if (m_capacity <= 0) {
    sqlite3_finalize(statement);
    return;
  }
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  if (const auto same = m_kept.find(text); same != m_kept.end()) {
    sqlite3_finalize(same->statement);
    m_kept.erase(same);
  }
  if (m_kept.size() >= m_capacity) {
    auto oldest = m_kept.begin();
    for (auto it = m_kept.begin(); it != m_kept.end(); ++it)
      if (it->lastUse < oldest->lastUse) oldest = it;
    sqlite3_finalize(oldest->statement);
    m_kept.erase(oldest);
  }
  m_kept.insert(text, Kept{statement, ++m_clock});
}

void SqliteStatementCache::Clear() {
  for (const Kept& k : std::as_const(m_kept)) sqlite3_finalize(k.statement);
  m_kept.clear();
}
