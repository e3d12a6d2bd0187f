#include "data/TQuery.h"

#include "data/TDataSource.h"

TQuery::TQuery(std::shared_ptr<TDataSource> dataSource, const QString& label, const QString& select)
    : m_dataSource(std::move(dataSource)), m_label(label), m_select(select) {
  if (!m_dataSource) return;
  m_result = m_dataSource->Query(m_select, &m_ok);
  m_open = m_ok;
}

void TQuery::Close() {
  m_result.rows.clear();
  m_open = false;
}
