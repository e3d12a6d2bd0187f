#include "reports/ReportSource.h"

#include "data/TQuery.h"

namespace {
std::shared_ptr<ReportDataSet> Borrowed(ReportDataSet& data) {
  return std::shared_ptr<ReportDataSet>(&data, [](ReportDataSet*) {});
}
}  // namespace

ReportSource::Pair::Pair(QString a, ReportDataSet& d) : alias(std::move(a)), data(Borrowed(d)) {}
ReportSource::Pair::Pair(QString a, const ResultSet& rows)
    : alias(std::move(a)), data(std::make_shared<ResultSetDataSet>(rows)) {}

ReportSource::Pair::Pair(QString a, const TQuery& query) : Pair(std::move(a), query.Result()) {}

ReportSource::ReportSource(const TQuery& single) : ReportSource(single.Result()) {}

ReportSource::ReportSource(const std::shared_ptr<TQuery>& single) {
  if (single) *this = ReportSource(single->Result());
}

ReportSource::ReportSource(ReportDataSet& single) : m_given(true) {
  m_pairs << Pair(QStringLiteral("Datos"), single);
}

ReportSource::ReportSource(const ResultSet& single) : m_given(true) {
  m_pairs << Pair(QStringLiteral("Datos"), single);
}

ReportSource::ReportSource(QList<Pair> pairs) : m_pairs(std::move(pairs)), m_given(true), m_array(true) {}
