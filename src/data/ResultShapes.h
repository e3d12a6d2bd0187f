#pragma once
// The ways a data operation hands back what the session data source (AppData.oAdo) returned.
#include <QString>
#include <QVariant>
#include <memory>

#include "data/Rows.h"

class TQuery;

namespace ResultShapes {

// Every row of the first result with columns; an empty array (never one empty row) when none.
Rows RowsOf(const QString& statement);

// Column 1 of row 1, or `fallback` when there is no row (or the value is NULL).
QVariant FirstValue(const QString& statement, const QVariant& fallback);

// The query still open for a report or grid, or null when it has no row.
std::shared_ptr<TQuery> OpenQuery(const QString& statement);

// A statement through Execute: false only when it could not be handed to a data source at
// all; a statement the server rejects has been shown in the alert and still gives true.
bool Statement(const QString& statement);

// A statement through Execute that answers what the server did: false when it was rejected
// (already shown in the alert) or could not be sent.
bool Executed(const QString& statement);

}  // namespace ResultShapes

// What the listings of the time-and-absence screens return: the open query (printing) or the
// rows (the screen's grid); both empty when there was nothing.
struct Listado {
  Rows rows;
  std::shared_ptr<TQuery> query;
  bool empty() const { return rows.isEmpty() && !query; }
};
