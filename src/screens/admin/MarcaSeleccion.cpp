#include "screens/admin/MarcaSeleccion.h"

#include "toolkit/TArrayBrowse.h"

namespace MarcaSeleccion {

namespace {
constexpr int kColumna = 6;
}

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
  grid->SetValue(at, kColumna, grid->CurrentRow().col(kColumna).toString().isEmpty() ? kMarcado : kNoMarcado);
}

void Todas(TArrayBrowse* grid, bool marcado) {
  for (int i = 1; i <= grid->Len(); ++i) grid->SetValue(i, kColumna, marcado ? kMarcado : kNoMarcado);
  grid->Refresh();
}

}  // namespace MarcaSeleccion
