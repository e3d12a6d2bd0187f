#pragma once
// Results of a pure function, kept for the keys seen last: statement texts the engine
// translates and parses again and again, report templates, text widths. When full it starts
// over, which keeps the memory it takes bounded without bookkeeping per entry. Not shared
// between threads: callers keep one per thread or use it from the GUI thread only.
#include <QHash>

template <class Key, class Value>
class BoundedMemo {
 public:
  explicit BoundedMemo(int capacity) : m_capacity(capacity) {}

  // The kept value for `key`, or null.
  const Value* Find(const Key& key) const {
    const auto it = m_kept.constFind(key);
    return it == m_kept.constEnd() ? nullptr : &*it;
  }

  const Value& Keep(const Key& key, Value value) {
    if (m_kept.size() >= m_capacity) m_kept.clear();
    return *m_kept.insert(key, std::move(value));
  }

  template <class Compute>
  const Value& Get(const Key& key, Compute&& compute) {
    if (const Value* kept = Find(key)) return *kept;
    return Keep(key, compute(key));
  }

 private:
  QHash<Key, Value> m_kept;
  int m_capacity;
};
