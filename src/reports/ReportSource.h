#pragma once
// The data handed to the report bridge: one data set (registered as "Datos") or a list of
// {alias, data set} pairs, or nothing.
#include <QList>
#include <QString>
#include <memory>

#include "reports/ReportDataSet.h"

class TQuery;

class ReportSource {
 public:
  struct Pair {
    Pair(QString alias, ReportDataSet& data);  // the caller keeps the data set
    Pair(QString alias, const ResultSet& rows);
    Pair(QString alias, const TQuery& query);  // the query's rows as they are now
    QString alias;
    std::shared_ptr<ReportDataSet> data;
  };

  ReportSource() = default;  // nothing given
  ReportSource(ReportDataSet& single);
  ReportSource(const ResultSet& single);
  ReportSource(const TQuery& single);
  ReportSource(const std::shared_ptr<TQuery>& single);  // null: nothing given
  ReportSource(QList<Pair> pairs);

  bool IsGiven() const { return m_given; }
  bool IsArray() const { return m_array; }
  const QList<Pair>& Pairs() const { return m_pairs; }

 private:
  QList<Pair> m_pairs;
  bool m_given = false;
  bool m_array = false;
};
