#include "reports/ReportDataSet.h"

void ResultSetDataSet::Skip(int step) {
  m_pos = std::clamp<qsizetype>(m_pos + step, 0, m_rows.rows.size());
}

QVariant ResultSetDataSet::FieldGet(const QString& name) const {
  if (Eof()) return {};
  // Column names compare without regard to case, as the server does. A report asks for the same
  // names row after row, so each spelling's column is found once.
  auto known = m_columnOf.constFind(name);
  if (known == m_columnOf.constEnd()) {
    int column = 0;
    for (qsizetype i = 0; i < m_rows.columns.size() && column == 0; ++i)
      if (m_rows.columns[i].compare(name, Qt::CaseInsensitive) == 0) column = int(i) + 1;
    known = m_columnOf.insert(name, column);
  }
  return *known > 0 ? m_rows.rows[m_pos].col(*known) : QVariant();
}
