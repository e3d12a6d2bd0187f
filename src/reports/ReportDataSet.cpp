#include "reports/ReportDataSet.h"

void ResultSetDataSet::Skip(int step) {
  m_pos = std::clamp<qsizetype>(m_pos + step, 0, m_rows.rows.size());
}

QVariant ResultSetDataSet::FieldGet(const QString& name) const {
  if (Eof()) return {};
  // Column names compare without regard to case, as the server does.
  for (qsizetype i = 0; i < m_rows.columns.size(); ++i)
    if (m_rows.columns[i].compare(name, Qt::CaseInsensitive) == 0) return m_rows.rows[m_pos].col(int(i) + 1);
  return {};
}
