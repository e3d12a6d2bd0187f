#include "screens/time/TVacaciones.h"

#include "app/AppData.h"
#include "data/mdlOperacion.h"
#include "screens/shared/HistoryScreens.h"
#include "toolkit/Controls.h"

void TVacaciones::CreateForm() {
  SetBounds(339, 50, 888, 605);
  SetClientSize(872, 566);
  cText = QStringLiteral("Vacaciones");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  const QFont font12 = TFont::Create(QStringLiteral("MS Sans Serif"), 12);
  oImage1 = TImage::New(this, QStringLiteral("oImage1"));
  oImage1->SetBounds(4, 0, 866, 558);
  oImage1->oPicture = QStringLiteral("Vacaciones");

  chkTodas = TCheckBox::New(oImage1, QStringLiteral("chkTodas"));
  chkTodas->SetBounds(20, 108, 158, 18);
  chkTodas->cText = QStringLiteral("Todas las Fechas");
  chkTodas->oFont = font12;
  chkTodas->lChecked = true;
  oLabel46 = TLabel::New(oImage1, QStringLiteral("oLabel46"));
  oLabel46->SetBounds(272, 107, 25, 21);
  oLabel46->cText = QStringLiteral("Del");
  oLabel46->oFont = font12;
  dtpDeV = TDatePicker::New(oImage1, QStringLiteral("dtpDeV"));
  dtpDeV->SetBounds(304, 96, 130, 35);
  dtpDeV->oFont = font12;
  oLabel45 = TLabel::New(oImage1, QStringLiteral("oLabel45"));
  oLabel45->SetBounds(476, 107, 15, 21);
  oLabel45->cText = QStringLiteral("Al");
  oLabel45->oFont = font12;
  dtpAV = TDatePicker::New(oImage1, QStringLiteral("dtpAV"));
  dtpAV->SetBounds(496, 96, 130, 35);
  dtpAV->oFont = font12;
  btnFiltrarV = TBtnBmp::New(oImage1, QStringLiteral("btnFiltrarV"));
  btnFiltrarV->SetBounds(672, 92, 170, 42);
  btnFiltrarV->cText = QStringLiteral("Consultar");
  btnFiltrarV->oBitmaps = QStringLiteral("buscar2");
  btnFiltrarV->oFont = font12;
  btnFiltrarV->OnClick = [this] { btnFiltrarVClick(); };

  oGroupBox2 = TGroupBox::New(oImage1, QStringLiteral("oGroupBox2"));
  oGroupBox2->SetBounds(12, 140, 834, 314);
  oGroupBox2->oFont = font12;
  oGroupBox2->nClrPane = Clr::Navy;
  arrayVacaciones = TArrayBrowse::New(oGroupBox2, QStringLiteral("arrayVacaciones"));
  arrayVacaciones->SetBounds(4, 8, 822, 254);
  arrayVacaciones->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8);
  HistoryScreens::Columnas(arrayVacaciones, {
                                                {"Column10", 88, 0, nullptr, true},
                                                {"Column11", 88, 0, nullptr, true},
                                                {"Fecha Disfrute", 124, 64},
                                                {"Días a Tabulados", 141, 66, "9999"},
                                                {"Días Disfrutados", 134, 66},
                                                {"Dias Ant.", 88, 6},
                                                {"Prima Vac %", 106, 66},
                                                {"Prima Vac $", 114, 66},
                                                {"Prima Vac Dias", 109, 66},
                                                {"Descansos", 105, 66},
                                                {"Festivos", 88, 66},
                                            });
  auto printer = [&](TBtnBmp*& b, const char* name, int x, const QString& text) {
    b = TBtnBmp::New(oGroupBox2, QString::fromLatin1(name));
    b->SetBounds(x, 264, 170, 42);
    b->cText = text;
    b->oBitmaps = QStringLiteral("printer1");
    b->oFont = font12;
  };
  printer(btnAnual, "btnAnual", 140, QStringLiteral("Vacaciones Anual"));
  btnAnual->OnClick = [this] { btnAnualClick(); };
  printer(btnImprimirVacDis, "btnImprimirVacDis", 520, QStringLiteral("Imprimir"));
  btnImprimirVacDis->OnClick = [this] { btnImprimirVacDisClick(); };

  btnSalir = TBtnBmp::New(oImage1, QStringLiteral("btnSalir"));
  btnSalir->SetBounds(752, 456, 82, 82);
  btnSalir->lFlat = true;
  btnSalir->OnClick = [this] { btnSalirClick(); };
}

void TVacaciones::FormInitialize() {
  arrayVacaciones->SetArray(Rows());
  arrayVacaciones->Refresh();
  CargaVacaciones(QString());
}

void TVacaciones::CargaVacaciones(const QString&) {
  const auto f = HistoryScreens::Lee(chkTodas, dtpDeV, dtpAV);
  arrayVacaciones->SetArray(AppData.oOperacion->consultaVacaciones(f.flag, f.desde, f.hasta, false, AppData.Afiliacion).rows);
}

void TVacaciones::btnImprimirVacDisClick() {
  const auto f = HistoryScreens::Lee(chkTodas, dtpDeV, dtpAV);
  HistoryScreens::ImprimeListado(AppData.oOperacion->consultaVacaciones(f.flag, f.desde, f.hasta, true, AppData.Afiliacion).query,
                                 QStringLiteral("peVacaciones.fr3"));
}

void TVacaciones::GeneraReporte() {
  HistoryScreens::ImprimeAnual(dtpDeV->dValue(), QStringLiteral("Registro.Patronal"), QStringLiteral("R.F.C.Empresa"));
}
