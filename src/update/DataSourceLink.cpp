#include "update/DataSourceLink.h"

#include "data/TDataSource.h"

UpdateLink UpdateLinkFor(TDataSource& dataSource) {
  return {[&dataSource](const QString& statement) { return dataSource.Execute(statement); },
          [&dataSource](const QString& statement, bool* ok) { return dataSource.Query(statement, ok).rows; }};
}
