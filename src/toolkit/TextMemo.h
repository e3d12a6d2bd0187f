#pragma once
// Results of a pure function of a text, kept for the texts seen last. The engine translates and
// parses the same statement and procedure texts again and again; a memo per thread keeps them
// without locking. When full it starts over, which keeps the memory it takes bounded.
#include <QHash>
#include <QString>

template <class Value>
class TextMemo {
 public:
  explicit TextMemo(int capacity) : m_capacity(capacity) {}

  template <class Compute>
  const Value& Get(const QString& text, Compute&& compute) {
    if (const auto it = m_kept.constFind(text); it != m_kept.constEnd()) return *it;
    if (m_kept.size() >= m_capacity) m_kept.clear();
    return *m_kept.insert(text, compute(text));
  }

 private:
  QHash<QString, Value> m_kept;
  int m_capacity;
};
