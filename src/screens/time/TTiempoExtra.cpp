#include "screens/time/TTiempoExtra.h"

#include "app/AppData.h"
#include "data/mdlOperacion.h"
#include "screens/shared/HistoryScreens.h"
#include "toolkit/Controls.h"

void TTiempoExtra::CreateForm() {
  SetBounds(321, 217, 900, 627);
  SetClientSize(884, 588);
  cText = QStringLiteral("Tiempo Extra");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  const QFont font12 = TFont::Create(QStringLiteral("MS Sans Serif"), 12);
  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(0, 0, 866, 570);
  oImage1->oPicture = QStringLiteral("TiempoExtra");

  oGroupBox1 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(4, 60, 838, 78);
  oGroupBox1->cText = QStringLiteral("Filtrar Consulta");
  oGroupBox1->oFont = font12;
  chkTodas = TCheckBox::New(oGroupBox1, QStringLiteral("chkTodas"));
  chkTodas->SetBounds(40, 40, 146, 18);
  chkTodas->cText = QStringLiteral("Todas las Fechas");
  chkTodas->lChecked = true;
  oLabel65 = TLabel::New(oGroupBox1, QStringLiteral("oLabel65"));
  oLabel65->SetBounds(224, 39, 26, 21);
  oLabel65->cText = QStringLiteral("De:");
  dtpInicioTE = TDatePicker::New(oGroupBox1, QStringLiteral("dtpInicioTE"));
  dtpInicioTE->SetBounds(251, 32, 129, 35);
  oLabel64 = TLabel::New(oGroupBox1, QStringLiteral("oLabel64"));
  oLabel64->SetBounds(424, 39, 16, 21);
  oLabel64->cText = QStringLiteral("A:");
  dtpCierreTE = TDatePicker::New(oGroupBox1, QStringLiteral("dtpCierreTE"));
  dtpCierreTE->SetBounds(445, 32, 130, 35);
  btnBuscarTE = TBtnBmp::New(oGroupBox1, QStringLiteral("btnBuscarTE"));
  btnBuscarTE->SetBounds(640, 24, 170, 50);
  btnBuscarTE->cText = QStringLiteral("Consultar");
  btnBuscarTE->oBitmaps = QStringLiteral("buscar2");
  btnBuscarTE->OnClick = [this] { btnBuscarTEClick(); };

  oGroupBox2 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox2"));
  oGroupBox2->SetBounds(4, 140, 842, 302);
  oGroupBox2->oFont = font12;
  arrayTE = TArrayBrowse::New(oGroupBox2, QStringLiteral("arrayTE"));
  arrayTE->SetBounds(8, 8, 830, 290);
  arrayTE->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 10);
  HistoryScreens::Columnas(arrayTE, {
                                        {"Periodo", 97, 66, nullptr, true},
                                        {"Mes", 78, 66},
                                        {"Concepto", 104, 64},
                                        {"Descripción", 288, 64},
                                        {"Hora", 94, 66},
                                        {"Fecha", 141, 66},
                                    });

  btnImprimirTE = TBtnBmp::New(oImage1, QStringLiteral("btnImprimirTE"));
  btnImprimirTE->SetBounds(344, 444, 170, 50);
  btnImprimirTE->cText = QStringLiteral("Imprimir");
  btnImprimirTE->oBitmaps = QStringLiteral("printer1");
  btnImprimirTE->oFont = font12;  // as large as the other captions of the screen
  btnImprimirTE->OnClick = [this] { btnImprimirTEClick(); };

  btnSalir = TBtnBmp::New(oImage1, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(760, 464, 70, 82);
  btnSalir->lFlat = true;
  btnSalir->OnClick = [this] { btnSalirClick(); };
}

void TTiempoExtra::FormInitialize() {
  arrayTE->SetArray(Rows());
  arrayTE->Refresh();
  CargaTiempoExtra(QString());
}

void TTiempoExtra::CargaTiempoExtra(const QString&) {
  const auto f = HistoryScreens::Lee(chkTodas, dtpInicioTE, dtpCierreTE);
  arrayTE->SetArray(AppData.oOperacion->consultaTiempoExtra(f.flag, f.desde, f.hasta, false, AppData.Afiliacion).rows);
}

void TTiempoExtra::btnImprimirTEClick() {
  const auto f = HistoryScreens::Lee(chkTodas, dtpInicioTE, dtpCierreTE);
  HistoryScreens::ImprimeListado(
      AppData.oOperacion->consultaTiempoExtra(f.flag, f.desde, f.hasta, true, AppData.Afiliacion).query,
      QStringLiteral("peTiempoExtra.fr3"));
}
