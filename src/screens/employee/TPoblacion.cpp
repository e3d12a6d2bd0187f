#include "screens/employee/TPoblacion.h"

#include "app/AppData.h"
#include "data/mdlOperacion.h"
#include "toolkit/Controls.h"

void TPoblacion::CreateForm() {
  SetBounds(348, 125, 463, 496);
  SetClientSize(447, 457);
  cText = QStringLiteral("Población");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lModal = true;
  lCentered = true;
  lSysMenu = false;
  lCloseBox = false;
  lParentIcon = false;
  OnInitialize = [this] { FormInitialize(); };

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(8, 8, 426, 378);

  arreglo = TArrayBrowse::New(oGroupBox1, QStringLiteral("arreglo"));
  arreglo->SetBounds(4, 4, 418, 374);
  arreglo->lRecordSelector = true;
  TArrayBrwColumn* id = arreglo->AddColumn(QStringLiteral("Id"), 90);
  id->cPicture = QStringLiteral("99999999");
  arreglo->AddColumn(QStringLiteral("Nombre"), 279);
  arreglo->nRowDividerStyle = 4;
  arreglo->nMarqueeStyle = 4;
  arreglo->nHeaderHeight = 36;
  arreglo->nRowHeight = 30;
  arreglo->lFilterBar = true;
  arreglo->lAutoOrder = true;

  btnAceptar = TBtnBmp::New(this, QStringLiteral("btnAceptar"));
  btnAceptar->SetBounds(224, 392, 100, 54);
  btnAceptar->cText = QStringLiteral("Aceptar");
  btnAceptar->oBitmaps = QStringLiteral("correcto");
  btnAceptar->OnClick = [this] { btnAceptarClick(); };

  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(332, 392, 100, 54);
  btnSalir->cText = QStringLiteral("Salir");
  btnSalir->oBitmaps = QStringLiteral("puertasalida");
  btnSalir->OnClick = [this] { btnSalirClick(); };
}

void TPoblacion::FormInitialize() { arreglo->SetArray(AppData.oOperacion->peCargaPoblacion()); }

// Only a row the grid really shows is a choice: an empty catalogue or a filter that hides
// every row returns nothing, and the opener keeps its field.
void TPoblacion::btnAceptarClick() {
  const Row current = arreglo->CurrentRow();
  if (arreglo->Len() > 0 && current.count() >= 2) valor = current.col(2);
  Close();
}

void TPoblacion::btnSalirClick() { Close(); }
