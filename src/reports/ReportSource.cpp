#include "reports/ReportSource.h"

namespace {
std::shared_ptr<ReportDataSet> Borrowed(ReportDataSet& data) {
  return std::shared_ptr<ReportDataSet>(&data, [](ReportDataSet*) {});
}
}  // namespace

ReportSource::Pair::Pair(QString a, ReportDataSet& d) : alias(std::move(a)), data(Borrowed(d)) {}
ReportSource::Pair::Pair(QString a, const ResultSet& rows)
    : alias(std::move(a)), data(std::make_shared<ResultSetDataSet>(rows)) {}

ReportSource::ReportSource(ReportDataSet& single) : m_given(true) {
  m_pairs << Pair(QStringLiteral("Datos"), single);
}

ReportSource::ReportSource(const ResultSet& single) : m_given(true) {
  m_pairs << Pair(QStringLiteral("Datos"), single);
}

ReportSource::ReportSource(QList<Pair> pairs) : m_pairs(std::move(pairs)), m_given(true), m_array(true) {}
