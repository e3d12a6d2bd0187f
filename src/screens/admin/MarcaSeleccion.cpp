#include "screens/admin/MarcaSeleccion.h"

#include "toolkit/TArrayBrowse.h"

namespace MarcaSeleccion {

namespace {
constexpr int kColumna = 6;

// Puts the rows back keeping the current row. The marking grids are neither sorted nor
// filtered, so the shown rows are all the rows, in their order.
void repone(TArrayBrowse* grid, const Rows& rows, int at) {
  grid->SetArray(rows);
  grid->nArrayAt = at;
  grid->Refresh();
}
}  // namespace

bool Marcado(const Row& row) { return row.col(kColumna).toString() == kMarcado; }

void Prepara(TArrayBrwColumn* column) {
  column->aBitmaps = {QStringLiteral("angulo2"), QStringLiteral("tacha3")};
  column->bBmpData = [](const Row& row) { return Marcado(row) ? 1 : 2; };
  column->lBmpOnly = true;
  column->nBmpSize = QSize(22, 22);
}

void Alterna(TArrayBrowse* grid) {
  const int at = grid->nArrayAt();
  if (at < 1) return;
  Rows rows = grid->aArrayData();
  Row& r = rows.row(at);
  r.setCol(kColumna, r.col(kColumna).toString().isEmpty() ? kMarcado : kNoMarcado);
  repone(grid, rows, at);
}

void Todas(TArrayBrowse* grid, bool marcado) {
  Rows rows = grid->aArrayData();
  for (Row& r : rows) r.setCol(kColumna, marcado ? kMarcado : kNoMarcado);
  repone(grid, rows, grid->nArrayAt());
}

}  // namespace MarcaSeleccion
