// A sample screen with one of each common control, rendered to PNG for people to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "support/BuildPaths.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"

namespace {

class TMuestra : public TForm {
 public:
  using TForm::TForm;

 protected:
  void CreateForm() override {
    SetBounds(100, 100, 656, 459);
    SetClientSize(640, 420);
    cText = QStringLiteral("Muestra de controles");
    oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
    nBorderStyle = 1;

    auto* titulo = TLabel::New(this, QStringLiteral("oLabel1"));
    titulo->SetBounds(12, 8, 400, 24);
    titulo->oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 12, 0, 700);
    titulo->nClrText = Clr::Navy;
    titulo->cText = QStringLiteral("Solicitudes del empleado");

    auto* grupo = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
    grupo->SetBounds(12, 36, 616, 96);
    grupo->cText = QStringLiteral("Datos");
    auto* lbl = TLabel::New(grupo, QStringLiteral("lblTipo"));
    lbl->SetBounds(12, 26, 80, 20);
    lbl->cText = QStringLiteral("Tipo:");
    auto* cmb = TComboBox::New(grupo, QStringLiteral("cmbTipoSolicitud"));
    cmb->SetBounds(96, 22, 214, 24);
    cmb->SetItems({QStringLiteral("VACACIONES"), QStringLiteral("PERMISOS"), QStringLiteral("PRESTAMOS")});
    cmb->nIndex = 1;
    auto* txt = TEdit::New(grupo, QStringLiteral("txtEmpleado"));
    txt->SetBounds(330, 20, 150, 28);
    txt->oFont = TFont::Create(QStringLiteral("Tahoma"), 12);
    txt->Value = QStringLiteral("0012");
    auto* pwd = TEdit::New(grupo, QStringLiteral("txtPassword"));
    pwd->SetBounds(490, 20, 110, 28);
    pwd->lPassword = true;
    pwd->Value = QStringLiteral("RFC");
    auto* chk = TCheckBox::New(grupo, QStringLiteral("chkTodas"));
    chk->SetBounds(12, 60, 140, 22);
    chk->cText = QStringLiteral("Todas las fechas");
    chk->lChecked = true;
    auto* dtp = TDatePicker::New(grupo, QStringLiteral("dtpDesde"));
    dtp->SetBounds(160, 58, 120, 26);
    dtp->dValue = QDate(2024, 1, 26);
    auto* opt = TRadio::New(grupo, QStringLiteral("optOpcion1"));
    opt->SetBounds(300, 60, 120, 22);
    opt->cText = QStringLiteral("Aguinaldo");
    opt->lChecked = true;

    auto* grid = TArrayBrowse::New(this, QStringLiteral("arregloRecibos"));
    grid->SetBounds(12, 140, 616, 200);
    grid->nHeaderHeight = 30;
    grid->nRowHeight = 26;
    grid->nRowDividerStyle = 4;
    grid->nColDividerStyle = 4;
    grid->lFilterBar = true;
    grid->AddColumn(QStringLiteral("Periodo"), 80)->nAlignment = 66;
    grid->Column(1)->cPicture = QStringLiteral("999999999");
    grid->AddColumn(QStringLiteral("Nombre"), 250)->nAlignment = 64;
    grid->AddColumn(QStringLiteral("Total"), 120)->nAlignment = 66;
    grid->Column(3)->cPicture = QStringLiteral("9,999,999.99");
    auto* img = grid->AddColumn(QStringLiteral("Estatus"), 80);
    img->nArrayCol = 4;
    img->lBmpOnly = true;
    img->aBitmaps = {QStringLiteral("transparente"), QStringLiteral("darkGreen"), QStringLiteral("darkRed"),
                     QStringLiteral("lightYellow")};
    img->bBmpData = [](const Row& r) { return r.col(4).toInt(); };
    img->nBmpSize = QSize(20, 20);
    grid->SetArray(Rows{Row{1, QStringLiteral("Pérez Ñúñez, José"), 12345.5, 2},
                        Row{2, QStringLiteral("Bravo, Ana"), 999.0, 3},
                        Row{3, QStringLiteral("Zapata, Luis"), 1000000.25, 4}});
    grid->nArrayAt = 2;

    auto* guardar = TBtnBmp::New(this, QStringLiteral("btnGuardar"));
    guardar->SetBounds(340, 356, 130, 44);
    guardar->cText = QStringLiteral("Guardar");
    guardar->oBitmaps = QStringLiteral("correcto");
    auto* salir = TBtnBmp::New(this, QStringLiteral("btnSalir"));
    salir->SetBounds(490, 356, 130, 44);
    salir->cText = QStringLiteral("Salir");
    salir->oBitmaps = QStringLiteral("salir");
    auto* prog = TProgressBar::New(this, QStringLiteral("oProgressBar1"));
    prog->SetBounds(12, 366, 300, 22);
    prog->SetRange(0, 10);
    prog->SetPos(6);
  }
};

}  // namespace

TEST(Render, SampleScreenToPng) {
  TFont::InstallSubstitutes();
  auto* f = TForm::New<TMuestra>();
  const QString out = BuildPaths::Binary(QStringLiteral("/screens"));
  QDir().mkpath(out);
  const QString path = out + QStringLiteral("/muestra-controles.png");
  ASSERT_TRUE(Render::ToPng(f, path));
  const QImage img(path);
  EXPECT_EQ(img.size(), QSize(640, 420));
  // Something was drawn: the picture is not one flat colour.
  QSet<QRgb> colours;
  for (int y = 0; y < img.height(); y += 7)
    for (int x = 0; x < img.width(); x += 7) colours.insert(img.pixel(x, y));
  EXPECT_GT(colours.size(), 10);
  delete f;
}
