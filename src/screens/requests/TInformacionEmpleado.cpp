#include "screens/requests/TInformacionEmpleado.h"

#include "data/ResultShapes.h"
#include "data/StatementValues.h"

using StatementValues::Held;
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

using Text::AllTrim;
using Text::ToText;

void TInformacionEmpleado::CreateForm() {
  SetBounds(295, 238, 732, 388);
  SetClientSize(716, 349);
  cText = QStringLiteral("Informacion Empleado");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  oLabel1 = TLabel::New(this, QStringLiteral("oLabel1"));
  oLabel1->SetBounds(129, 16, 22, 14);
  oLabel1->lMultiline = false;
  oLabel1->cText = QStringLiteral("Tipo");
  cmbTipo = TComboBox::New(this, QStringLiteral("cmbTipo"));
  cmbTipo->SetBounds(156, 12, 166, 21);
  cmbTipo->OnChange = [this] { llenaTabla(); };
  oLabel2 = TLabel::New(this, QStringLiteral("oLabel2"));
  oLabel2->SetBounds(359, 16, 41, 14);
  oLabel2->lMultiline = false;
  oLabel2->cText = QStringLiteral("Ejercicio");
  cmbEjercicio = TComboBox::New(this, QStringLiteral("cmbEjercicio"));
  cmbEjercicio->SetBounds(404, 12, 166, 21);
  cmbEjercicio->OnChange = [this] { llenaTabla(); };

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(12, 44, 694, 230);
  arreglo = TArrayBrowse::New(oGroupBox1, QStringLiteral("arreglo"));
  arreglo->SetBounds(8, 4, 686, 218);
  arreglo->lRecordSelector = true;
  arreglo->nRowDividerStyle = 2;
  arreglo->nMarqueeStyle = 4;
  arreglo->AddColumn(QStringLiteral("Inicio"), 100)->nAlignment = 66;
  arreglo->AddColumn(QStringLiteral("Término"), 100)->nAlignment = 66;
  TArrayBrwColumn* dias = arreglo->AddColumn(QStringLiteral("Días"), 57);
  dias->cPicture = QStringLiteral("999999");
  dias->nAlignment = 6;
  arreglo->AddColumn(QStringLiteral("Concepto"), 379)->nAlignment = 64;

  btnGuardar = TBtnBmp::New(this, QStringLiteral("btnGuardar"));
  btnGuardar->SetBounds(16, 284, 110, 42);
  btnGuardar->cText = QStringLiteral("Aceptar");
  btnGuardar->oBitmaps = QStringLiteral("correcto");
  btnGuardar->lVisible = false;
  btnGuardar->OnClick = [this] { Close(); };
  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(303, 284, 110, 42);
  btnSalir->cText = QStringLiteral("Salir");
  btnSalir->oBitmaps = QStringLiteral("salir");
  btnSalir->OnClick = [this] { Close(); };
}

void TInformacionEmpleado::FormInitialize() {
  cargaComboTipo();
  cargaComboAyo();
  llenaTabla();
}

void TInformacionEmpleado::cargaComboTipo() {
  cmbTipo->SetItems({QStringLiteral("Vacaciones"), QStringLiteral("Ausentismos")});
  cmbTipo->nIndex = 1;
}

void TInformacionEmpleado::cargaComboAyo() {
  cmbEjercicio->Reset();
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("EXEC dbo.PortalEmpleado_Ayos ") + Held(EmpresaEmpleado) + u',' +
                                         Held(codigoEmpleado));
  for (const Row& r : rows) cmbEjercicio->AddItem(AllTrim(ToText(r.col(1))));
  if (!rows.isEmpty()) cmbEjercicio->nIndex = 1;
}

void TInformacionEmpleado::llenaTabla() {
  const int listado = cmbTipo->cText().toUpper() == u"VACACIONES" ? 1 : 2;
  if (cmbEjercicio->nIndex() == 0) return;
  const Rows rows = ResultShapes::RowsOf(
      QStringLiteral("EXEC dbo.PortalEmpleado_Listados  @empresa = ") + Held(EmpresaEmpleado) + QStringLiteral(" ,@codigo = ") +
      Held(codigoEmpleado) + QStringLiteral(" ,@afiliacion='' ,@fechaInicial=''  ,@fechaFinal=' ' ,@listado= ") +
      QString::number(listado) + QStringLiteral(" ,@todas='S' ,@Ayo=") + Held(cmbEjercicio->cText()) +
      QStringLiteral(" ,@nomina=''"));
  Rows tabla;
  for (const Row& r : rows) {
    if (listado == 1)
      tabla.append(Row(r.col(1), r.col(11), Text::Val(r.col(3)) + Text::Val(r.col(4)),
                       QStringLiteral("VACACIONES DISFRUTADAS")));
    else
      tabla.append(Row(r.col(7), r.col(8), r.col(3), r.col(2)));
  }
  arreglo->SetArray(tabla);
}
