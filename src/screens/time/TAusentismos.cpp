#include "screens/time/TAusentismos.h"

#include "app/AppData.h"
#include "data/mdlOperacion.h"
#include "screens/shared/HistoryScreens.h"
#include "toolkit/Controls.h"

void TAusentismos::CreateForm() {
  SetBounds(252, 117, 867, 587);
  SetClientSize(851, 548);
  cText = QStringLiteral("Ausentismos");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  oBkgnd = QStringLiteral("Ausentismos");
  OnInitialize = [this] { FormInitialize(); };

  const QFont font12 = TFont::Create(QStringLiteral("MS Sans Serif"), 12);
  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(16, 56, 822, 110);
  oGroupBox1->cText = QStringLiteral("Filtrar Consulta");
  oGroupBox1->oFont = font12;
  chkTodas = TCheckBox::New(oGroupBox1, QStringLiteral("chkTodas"));
  chkTodas->SetBounds(120, 32, 254, 18);
  chkTodas->cText = QStringLiteral("Todas las Fechas");
  chkTodas->lChecked = true;
  oLabel63 = TLabel::New(oGroupBox1, QStringLiteral("oLabel63"));
  oLabel63->SetBounds(120, 65, 22, 21);
  oLabel63->cText = QStringLiteral("De");
  dtpInicioA = TDatePicker::New(oGroupBox1, QStringLiteral("dtpInicioA"));
  dtpInicioA->SetBounds(148, 60, 134, 30);
  oLabel62 = TLabel::New(oGroupBox1, QStringLiteral("oLabel62"));
  oLabel62->SetBounds(300, 65, 12, 21);
  oLabel62->cText = QStringLiteral("A");
  dtpCierreA = TDatePicker::New(oGroupBox1, QStringLiteral("dtpCierreA"));
  dtpCierreA->SetBounds(320, 60, 134, 30);
  btnBuscarA = TBtnBmp::New(oGroupBox1, QStringLiteral("btnBuscarA"));
  btnBuscarA->SetBounds(552, 36, 194, 50);
  btnBuscarA->cText = QStringLiteral("Consultar");
  btnBuscarA->oBitmaps = QStringLiteral("buscar2");
  btnBuscarA->OnClick = [this] { btnBuscarAClick(); };

  oGroupBox2 = TGroupBox::New(this, QStringLiteral("oGroupBox2"));
  oGroupBox2->SetBounds(16, 176, 830, 274);
  oGroupBox2->oFont = font12;
  arrayAusentismos = TArrayBrowse::New(oGroupBox2, QStringLiteral("arrayAusentismos"));
  arrayAusentismos->SetBounds(12, 4, 810, 214);
  arrayAusentismos->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8);
  HistoryScreens::Columnas(arrayAusentismos, {
                                                 {"Mes", 81, 66},
                                                 {"Días", 65, 66, "####"},
                                                 {"Concepto", 81, 66},
                                                 {"Descripción", 222, 64},
                                                 {"Justificar", 179, 64},
                                                 {"Fecha", 96, 66},
                                             });
  auto printer = [&](TBtnBmp*& b, const char* name, int x, const QString& text) {
    b = TBtnBmp::New(oGroupBox2, QString::fromLatin1(name));
    b->SetBounds(x, 220, 262, 50);
    b->cText = text;
    b->oBitmaps = QStringLiteral("printer1");
  };
  printer(btnAnual, "btnAnual", 144, QStringLiteral("Ausentismo Anual"));
  btnAnual->OnClick = [this] { btnAnualClick(); };
  printer(btnAusentismos, "btnAusentismos", 480, QStringLiteral("Imprimir Listado"));
  btnAusentismos->OnClick = [this] { btnAusentismosClick(); };

  btnSalir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(748, 456, 90, 82);
  btnSalir->lFlat = true;
  btnSalir->OnClick = [this] { btnSalirClick(); };
}

void TAusentismos::FormInitialize() {
  arrayAusentismos->SetArray(Rows());
  arrayAusentismos->Refresh();
  CargaAusentismos(QString());
}

void TAusentismos::CargaAusentismos(const QString&) {
  const auto f = HistoryScreens::Lee(chkTodas, dtpInicioA, dtpCierreA);
  arrayAusentismos->SetArray(AppData.oOperacion->consultaAusentismos(f.flag, f.desde, f.hasta, false).rows);
}

void TAusentismos::btnAusentismosClick() {
  const auto f = HistoryScreens::Lee(chkTodas, dtpInicioA, dtpCierreA);
  HistoryScreens::ImprimeListado(AppData.oOperacion->consultaAusentismos(f.flag, f.desde, f.hasta, true).query,
                                 QStringLiteral("peAusentismos.fr3"));
}

void TAusentismos::GeneraReporte() {
  HistoryScreens::ImprimeAnual(dtpInicioA->dValue(), QStringLiteral("RegPatE"), QStringLiteral("RFCE"));
}
