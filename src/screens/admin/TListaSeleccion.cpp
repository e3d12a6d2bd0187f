#include "screens/admin/TListaSeleccion.h"

#include "toolkit/Controls.h"

void TListaSeleccion::CreaVentana(const QString& caption, int gridX) {
  SetBounds(501, 146, 534, 571);
  SetClientSize(518, 532);
  cText = caption;
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;  // the kiosk's one window style: fixed, without minimize or maximize boxes
  lCentered = true;

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(4, 4, 498, 458);
  arrayEmpleados = TArrayBrowse::New(oGroupBox1, QStringLiteral("arrayEmpleados"));
  arrayEmpleados->SetBounds(gridX, 4, 494, 446);
  arrayEmpleados->lRecordSelector = true;
  arrayEmpleados->nRowDividerStyle = 4;
  arrayEmpleados->nMarqueeStyle = 4;
  arrayEmpleados->nRowHeight = 30;  // finger-sized rows

  btnGuardar = TBtnBmp::New(this, QStringLiteral("btnGuardar"));
  btnGuardar->SetBounds(264, 464, 110, 54);
  btnGuardar->cText = QStringLiteral("Agregar\nSeleccionado");
  btnGuardar->oBitmaps = QStringLiteral("correcto");
  btnGuardar->OnClick = [this] { SeleccionaYCierra(); };
  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(392, 464, 110, 54);
  btnSalir->cText = QStringLiteral("Salir");
  btnSalir->oBitmaps = QStringLiteral("salir");
  btnSalir->OnClick = [this] { Close(); };
}

void TListaSeleccion::SeleccionaYCierra() {
  const Row row = arrayEmpleados->CurrentRow();
  if (row.count() > 0) TomaRenglon(row);
  Close();
}
