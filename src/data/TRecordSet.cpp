#include "data/TRecordSet.h"

#include "data/TConnection.h"
#include "toolkit/ErrorSys.h"

bool TRecordSet::Open(const QString& statement, const std::shared_ptr<TConnection>& connection) {
  Close();
  return ErrorSys::Guard([&](TError& error) {
    DbOutcome out;
    if (!connection || !connection->IsOpen()) out.errors.append({QString(), 0, QStringLiteral("Connection closed")});
    else out = connection->Execute(statement, true);
    if (!out.ok()) {
      error.subSystem = QStringLiteral("BD");
      // The provider's own number is the error code shown in Error.log and the error window.
      error.subCode = static_cast<int>(out.errors.first().native);
      error.genCode = error.subCode;
      error.description = DescribeErrors(out.errors);
      error.operation = QStringLiteral("TRecordSet:Open");
      error.args = {statement};
      error.canRetry = true;
      error.canDefault = true;
      return false;
    }
    if (const DbResult* r = out.firstRowSet()) m_result = r->set;
    m_position = 0;
    m_open = true;
    return true;
  });
}

TField TRecordSet::Fields(int index) const {
  if (Eof() || index < 0 || index >= m_result.columns.size()) return {};
  return TField(m_result.columns[index], m_result.rows[m_position].values.value(index));
}

void TRecordSet::MoveNext() {
  if (!Eof()) ++m_position;
}

void TRecordSet::Close() {
  m_result = ResultSet{};
  m_position = 0;
  m_open = false;
}
