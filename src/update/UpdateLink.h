#pragma once
// The two calls the start-up update makes on the session data source: run a statement
// (failures are reported by the data source itself) and run a query for its rows, telling
// whether the query itself failed.
#include <QString>
#include <functional>

#include "data/Rows.h"

struct UpdateLink {
  std::function<bool(const QString&)> Execute;
  std::function<Rows(const QString&, bool* ok)> Query;
};
