#include "screens/admin/TExcepciones.h"

#include "data/mdlAdministracion.h"
#include "toolkit/Controls.h"

void TExcepciones::CreateForm() {
  SetBounds(348, 125, 619, 496);
  SetClientSize(603, 457);
  cText = QStringLiteral("Excepciones");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lSysMenu = false;
  lModal = true;
  lCentered = true;
  OnInitialize = [this] { cargaArreglo(); };

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(8, 8, 586, 378);
  arreglo = TArrayBrowse::New(oGroupBox1, QStringLiteral("arreglo"));
  arreglo->SetBounds(4, 4, 562, 374);
  arreglo->nHeaderHeight = 36;
  arreglo->nRowHeight = 30;
  arreglo->lFilterBar = true;
  arreglo->lAutoOrder = true;
  arreglo->lRecordSelector = true;
  arreglo->nRowDividerStyle = 4;
  arreglo->nMarqueeStyle = 4;
  auto column = [this](const char* header, int width, const char* picture) {
    TArrayBrwColumn* c = arreglo->AddColumn(QString::fromUtf8(header), width);
    c->nAlignment = 64;
    if (picture) c->cPicture = QString::fromLatin1(picture);
  };
  column("Empresa", 87, "99999999");
  column("Código", 90, "99999999");
  column("Nombre", 347, nullptr);

  btnAceptar = TBtnBmp::New(this, QStringLiteral("btnAceptar"));
  btnAceptar->SetBounds(129, 396, 100, 38);
  btnAceptar->cText = QStringLiteral("Aceptar");
  btnAceptar->oBitmaps = QStringLiteral("correcto");
  btnAceptar->OnClick = [this] { btnAceptarClick(); };
  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(373, 396, 100, 38);
  btnSalir->cText = QStringLiteral("Salir");
  btnSalir->oBitmaps = QStringLiteral("puertasalida");
  btnSalir->OnClick = [this] { Close(); };
}

void TExcepciones::cargaArreglo() { arreglo->SetArray(mdlAdministracion().Excepciones(false)); }

void TExcepciones::btnAceptarClick() {
  const Row row = arreglo->CurrentRow();
  if (row.count() > 0) {
    vempresa = row.col(1);
    vCodigo = row.col(2);
  }
  Close();
}
