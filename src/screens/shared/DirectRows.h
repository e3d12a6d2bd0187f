#pragma once
// Reading through a screen's direct connection (CNX): a statement opened as a record set,
// its rows taken and the record set closed. A statement that fails goes to the general error
// handler (the record set's rule) and gives no row.
#include <QString>
#include <QVariant>

#include "data/Rows.h"

class clsConexion;

namespace DirectRows {

// Every row, columns numbered from 1; empty when there is none.
Rows Of(clsConexion& cnx, const QString& statement);

// Column 1 of row 1, or `fallback` when there is no row or the value is NULL.
QVariant First(clsConexion& cnx, const QString& statement, const QVariant& fallback);

// A whole number right-aligned in at least `width` positions, as a digit picture of that
// width shows it, except that a longer number is written whole instead of cut or starred.
QString Whole(const QVariant& number, int width);

}  // namespace DirectRows
