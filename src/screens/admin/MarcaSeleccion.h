#pragma once
// The selection mark of the flow grids: element 6 of a row is one blank when the row is
// marked, empty text when not; the "Seleccion" column shows "angulo2" or "tacha3" for it.
#include <QString>

#include "toolkit/Rows.h"

class TArrayBrowse;
class TArrayBrwColumn;

namespace MarcaSeleccion {

inline const QString kMarcado = QStringLiteral(" ");
inline const QString kNoMarcado = QString(QLatin1String(""));

bool Marcado(const Row& row);
void Prepara(TArrayBrwColumn* column);  // pictures of the "Seleccion" column
void Alterna(TArrayBrowse* grid);       // the current row
void Todas(TArrayBrowse* grid, bool marcado);

}  // namespace MarcaSeleccion
