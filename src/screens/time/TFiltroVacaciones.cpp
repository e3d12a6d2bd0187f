#include "screens/time/TFiltroVacaciones.h"

#include "app/AppData.h"
#include "data/mdlOperacion.h"
#include "screens/time/TSolicitarVacaciones.h"
#include "screens/time/TVacaciones.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

void TFiltroVacaciones::CreateForm() {
  SetBounds(507, 229, 261, 310);
  SetClientSize(245, 271);
  cText = QStringLiteral("Filtro Vacaciones");
  oFont = TFont::Create(QStringLiteral("MS Sans Serif"), 8, 0, 400);
  nBorderStyle = 1;
  lCentered = true;
  OnInitialize = [this] { FormInitialize(); };

  oGroupBox1 = TGroupBox::New(this, QStringLiteral("oGroupBox1"));
  oGroupBox1->SetBounds(8, 4, 230, 258);
  const QFont font12 = TFont::Create(QStringLiteral("MS Sans Serif"), 12);
  auto button = [&](TBtnBmp*& b, const char* name, int y, const QString& text, const char* picture) {
    b = TBtnBmp::New(oGroupBox1, QString::fromLatin1(name));
    b->SetBounds(20, y, 190, 46);
    b->cText = text;
    b->oBitmaps = QString::fromLatin1(picture);
    b->oFont = font12;
  };
  button(btnSolicitar, "btnSolicitar", 36, QStringLiteral("Solicitar Vacaciones"), "usuariomas");
  btnSolicitar->OnClick = [this] { btnSolicitarClick(); };
  button(bnConsultar, "bnConsultar", 107, QStringLiteral("Consultar"), "config");
  bnConsultar->OnClick = [this] { bnConsultarClick(); };
  button(btnSalir, "btnSalir", 179, QStringLiteral("Salir"), "puertasalida");
  btnSalir->OnClick = [this] { btnSalirClick(); };
}

void TFiltroVacaciones::FormInitialize() {
  mdlOperacion& op = *AppData.oOperacion;
  if (Text::Val(op.permisoEmpleadoPerfil(QStringLiteral("A"), QStringLiteral("A1"))) == 0) bnConsultar->lEnabled = false;
  if (Text::Val(op.permisoEmpleadoPerfil(QStringLiteral("A"), QStringLiteral("A2"))) == 0) btnSolicitar->lEnabled = false;
}

void TFiltroVacaciones::bnConsultarClick() {
  TForm::New<TVacaciones>(this, [this](TVacaciones& v) {
    v.CNX = CNX;
    v.empresa = empresa;
  })->ShowModal();
}

void TFiltroVacaciones::btnSolicitarClick() {
  TForm::New<TSolicitarVacaciones>(this, [this](TSolicitarVacaciones& s) {
    s.CNX = CNX;
    s.codigo = codigo;
    s.empresa = empresa;
    s.NombreEmpleado = NombreEmpleado;
  })->ShowModal();
}

void TFiltroVacaciones::btnSalirClick() { Close(); }
