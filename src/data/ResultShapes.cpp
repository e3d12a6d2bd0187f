#include "data/ResultShapes.h"

#include "app/AppData.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"

namespace ResultShapes {

namespace {
const QString kLabel = QStringLiteral("GENERAL");
}

Rows RowsOf(const QString& statement) {
  Rows rows;
  TQuery query(AppData.oAdo, kLabel, statement);
  if (query.RecCount() > 0) {
    rows = query.GetRows();
    query.Close();
  }
  return rows;
}

QVariant FirstValue(const QString& statement, const QVariant& fallback) {
  const Rows rows = RowsOf(statement);
  if (rows.isEmpty()) return fallback;
  const QVariant value = rows.row(1).col(1);
  return value.isNull() ? fallback : value;  // a NULL counts as nothing, like a missing row
}

std::shared_ptr<TQuery> OpenQuery(const QString& statement) {
  auto query = std::make_shared<TQuery>(AppData.oAdo, kLabel, statement);
  return query->RecCount() > 0 ? query : nullptr;
}

bool Statement(const QString& statement) {
  if (!AppData.oAdo) return false;
  AppData.oAdo->Execute(statement);
  return true;
}

bool Executed(const QString& statement) { return AppData.oAdo && AppData.oAdo->Execute(statement); }

}  // namespace ResultShapes
