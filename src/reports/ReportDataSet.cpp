#include "reports/ReportDataSet.h"

void ResultSetDataSet::Skip(int step) {
  m_pos = std::clamp<qsizetype>(m_pos + step, 0, m_rows.rows.size());
}

QVariant ResultSetDataSet::FieldGet(const QString& name) const {
  if (Eof()) return {};
  const int column = static_cast<int>(m_rows.columns.indexOf(name, 0)) ;
  int found = column;
  if (found < 0) {  // column names compare without regard to case, as the server does
    for (int i = 0; i < m_rows.columns.size(); ++i)
      if (m_rows.columns[i].compare(name, Qt::CaseInsensitive) == 0) { found = i; break; }
  }
  return found < 0 ? QVariant() : m_rows.rows[m_pos].col(found + 1);
}
