#pragma once
// What the vacation, absence and overtime histories share: the all-dates flag with its date
// range, their grids' look, the listing report and the annual vacation-and-absence report.
#include <QDate>
#include <QString>
#include <memory>

class TArrayBrowse;
class TCheckBox;
class TDatePicker;
class TQuery;

namespace HistoryScreens {

// The filter a listing procedure takes: "T" for all dates (the procedure then ignores them),
// else "F"; the dates as eight digits.
struct Filtro {
  QString flag, desde, hasta;
};
Filtro Lee(const TCheckBox* todas, const TDatePicker* desde, const TDatePicker* hasta);

// One grid column: header, width, alignment code (see ColumnAlignment), picture, hidden.
struct Columna {
  const char* header;
  int width;
  int alignment;
  const char* picture = nullptr;
  bool hidden = false;
};
// Adds the columns and the look the history grids share: record selector, light-grey
// dividers, whole-row highlight, rows 35 high.
void Columnas(TArrayBrowse* grid, std::initializer_list<Columna> columns);

// The listing report: with no query (the listing had no row) the stop message, otherwise the
// company variables and a preview of `plantilla`; the query is closed afterwards.
void ImprimeListado(const std::shared_ptr<TQuery>& query, const QString& plantilla);

// The annual vacation-and-absence report of the year of `desde`; each screen names the
// employer registration and tax id variables its own way.
void ImprimeAnual(const QDate& desde, const QString& registro, const QString& rfc);

}  // namespace HistoryScreens
