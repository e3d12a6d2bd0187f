#pragma once
// What the report engine needs from a data set: its columns and a row cursor.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/Rows.h"

class ReportDataSet {
 public:
  virtual ~ReportDataSet() = default;
  virtual int FieldCount() const = 0;
  virtual QString FieldName(int n) const = 0;  // counted from 1
  virtual void GoTop() = 0;
  virtual void Skip(int step) = 0;
  virtual bool Eof() const = 0;
  // Value of the named column in the current row; invalid when there is no such column or row.
  virtual QVariant FieldGet(const QString& name) const = 0;
};

// A data set over rows already fetched.
class ResultSetDataSet : public ReportDataSet {
 public:
  explicit ResultSetDataSet(ResultSet rows) : m_rows(std::move(rows)) {}
  int FieldCount() const override { return static_cast<int>(m_rows.columns.size()); }
  QString FieldName(int n) const override { return m_rows.columns.value(n - 1); }
  void GoTop() override { m_pos = 0; }
  void Skip(int step) override;
  bool Eof() const override { return m_pos >= m_rows.rows.size(); }
  QVariant FieldGet(const QString& name) const override;
  int RecNo() const { return static_cast<int>(m_pos) + 1; }

 private:
  ResultSet m_rows;
  qsizetype m_pos = 0;
  mutable QHash<QString, int> m_columnOf;  // name as asked -> 1-based column, 0: none
};
