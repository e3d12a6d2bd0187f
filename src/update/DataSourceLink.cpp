#include "update/DataSourceLink.h"

#include "data/TDataSource.h"

UpdateLink UpdateLinkFor(TDataSource& dataSource) {
  return {[&dataSource](const QString& statement) { return dataSource.Execute(statement); },
          [&dataSource](const QString& statement) { return dataSource.Query(statement).rows; }};
}
