#pragma once
// The query object of the session data source: runs its statement as soon as it is made
// (connecting the data source first when needed) and holds the rows of the first result that
// has columns. A failed statement has been shown in the data source's alert and has no rows.
#include <QString>
#include <QStringList>
#include <memory>

#include "data/Rows.h"

class TDataSource;

class TQuery {
 public:
  TQuery(std::shared_ptr<TDataSource> dataSource, const QString& label, const QString& select);

  int RecCount() const { return static_cast<int>(m_result.rows.size()); }
  Rows GetRows() const { return m_result.rows; }  // rows and columns counted from 1
  void Close();                                  // releases the rows
  ResultSet Result() const { return m_result; }  // column names and rows, for the report engine
  QStringList FieldNames() const { return m_result.columns; }

  const QString& cLabel() const { return m_label; }
  const QString& cSelect() const { return m_select; }
  bool lOpen() const { return m_open; }
  bool Failed() const { return !m_ok; }

 private:
  std::shared_ptr<TDataSource> m_dataSource;
  QString m_label;
  QString m_select;
  ResultSet m_result;
  bool m_open = false;
  bool m_ok = false;
};
