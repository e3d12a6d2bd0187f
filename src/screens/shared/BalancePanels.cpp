#include "screens/shared/BalancePanels.h"

#include <QHash>
#include <QPalette>
#include <QRect>
#include <array>

#include "app/AppData.h"
#include "data/ResultShapes.h"
#include "data/StatementValues.h"
#include "toolkit/Controls.h"

using StatementValues::InQuotes;

namespace {

const QString kSaldos = QStringLiteral("A) Saldos de Aniversarios cumplidos");
const QString kProporcionales = QStringLiteral("B) Días Proporcionales desde ultimo aniversario cumplido a la fecha");
const QString kDisfrutadas = QStringLiteral("C) Vacaciones disfrutadas en el ejercicio");
const QString kProgramadas = QStringLiteral("C) Vacaciones programadas");
const QString kCumplidos = QStringLiteral("Saldos de aniversarios cumplidos");

enum class Kind { Label, Sign, Value, Rule };

struct Piece {
  int panel;  // 1 to 3
  Kind kind;
  const char* name;
  QString text;
  QRect bounds;
};

struct Look {
  QFont label, sign, smallSign, value;
  int labelColour;
};

// The request screen: each panel spans the window, the parts of the sum side by side.
QList<Piece> Across() {
  return {
      {1, Kind::Label, "oLabel4", kCumplidos, {192, 28, 238, 17}},
      {1, Kind::Value, "txtSaldos1", {}, {460, 16, 70, 38}},

      {2, Kind::Label, "oLabel8", kSaldos, {16, 8, 187, 33}},
      {2, Kind::Value, "txtSaldos2", {}, {60, 48, 70, 38}},
      {2, Kind::Sign, "oLabel17", QStringLiteral("+"), {180, 52, 20, 37}},
      {2, Kind::Label, "oLabel7", kProporcionales, {220, 8, 211, 49}},
      {2, Kind::Value, "txtDias2", {}, {280, 48, 70, 38}},
      {2, Kind::Sign, "oLabel6", QStringLiteral("-"), {412, 52, 13, 37}},
      {2, Kind::Label, "oLabel14", kDisfrutadas, {444, 8, 205, 33}},
      {2, Kind::Value, "txtVacaciones2", {}, {504, 48, 70, 38}},
      {2, Kind::Sign, "oLabel16", QStringLiteral("="), {612, 52, 20, 37}},
      {2, Kind::Label, "oLabel15", QStringLiteral("Total:"), {680, 8, 42, 17}},
      {2, Kind::Value, "txtTotal2", {}, {664, 48, 70, 38}},

      {3, Kind::Label, "oLabel18", kSaldos, {16, 8, 187, 33}},
      {3, Kind::Value, "txtSaldos3", {}, {60, 60, 70, 30}},
      {3, Kind::Sign, "oLabel19", QStringLiteral("+"), {180, 52, 20, 37}},
      {3, Kind::Label, "oLabel20", kProporcionales, {216, 8, 215, 49}},
      {3, Kind::Value, "txtDias3", {}, {280, 60, 70, 30}},
      {3, Kind::Sign, "oLabel21", QStringLiteral("-"), {412, 52, 13, 37}},
      {3, Kind::Label, "oLabel22", kDisfrutadas, {444, 8, 205, 33}},
      {3, Kind::Value, "txtVacaciones3", {}, {504, 60, 70, 30}},
      {3, Kind::Sign, "oLabel26", QStringLiteral("-"), {632, 52, 13, 37}},
      {3, Kind::Label, "oLabel25", kProgramadas, {684, 8, 107, 33}},
      {3, Kind::Value, "txtProgramadas3", {}, {692, 60, 70, 30}},
      {3, Kind::Sign, "oLabel23", QStringLiteral("="), {805, 52, 20, 37}},
      {3, Kind::Label, "oLabel24", QStringLiteral("Total:"), {860, 16, 42, 17}},
      {3, Kind::Value, "txtTotal3", {}, {844, 60, 70, 30}},
  };
}

// The requests screen: each panel is a narrow column, the parts of the sum one under another.
QList<Piece> Stacked() {
  return {
      {1, Kind::Label, "oLabel7", kCumplidos, {72, 44, 205, 17}},
      {1, Kind::Value, "txtSaldos1", {}, {120, 84, 70, 38}},
      {1, Kind::Label, "oLabel30", QStringLiteral("Días "), {200, 96, 32, 17}},

      {2, Kind::Label, "oLabel8", kSaldos, {16, 8, 228, 32}},
      {2, Kind::Value, "txtSaldos2", {}, {276, 4, 70, 38}},
      {2, Kind::Label, "oLabel18", kProporcionales, {16, 40, 228, 50}},
      {2, Kind::Sign, "oSignoMas2", QStringLiteral("+"), {248, 44, 24, 37}},
      {2, Kind::Value, "txtDias2", {}, {276, 44, 70, 38}},
      {2, Kind::Label, "oLabel14", kDisfrutadas, {16, 92, 228, 36}},
      {2, Kind::Sign, "oSignoMenos2", QStringLiteral("-"), {248, 84, 24, 37}},
      {2, Kind::Value, "txtVacaciones2", {}, {276, 84, 70, 38}},
      {2, Kind::Label, "oLabel15", QStringLiteral("Total:"), {184, 132, 48, 17}},
      {2, Kind::Sign, "oSignoIgual2", QStringLiteral("="), {236, 124, 30, 37}},
      {2, Kind::Value, "txtTotal2", {}, {276, 124, 70, 38}},

      {3, Kind::Label, "oLabel20", kSaldos, {8, 8, 232, 28}},
      {3, Kind::Value, "txtSaldos3", {}, {268, 4, 70, 30}},
      {3, Kind::Label, "oLabel22", kProporcionales, {8, 36, 232, 36}},
      {3, Kind::Sign, "oSignoMas3", QStringLiteral("+"), {248, 40, 18, 25}},
      {3, Kind::Value, "txtDias3", {}, {268, 36, 70, 30}},
      {3, Kind::Label, "oLabel24", kDisfrutadas, {8, 72, 232, 34}},
      {3, Kind::Sign, "oSignoMenos3", QStringLiteral("-"), {248, 68, 18, 25}},
      {3, Kind::Value, "txtVacaciones3", {}, {268, 68, 70, 30}},
      {3, Kind::Label, "oLabel25", kProgramadas, {8, 108, 232, 34}},
      {3, Kind::Sign, "oSignoProgramadas3", QStringLiteral("-"), {248, 100, 18, 25}},
      {3, Kind::Value, "txtProgramadas3", {}, {268, 100, 70, 30}},
      {3, Kind::Rule, "oLabelRaya3", QStringLiteral("________"), {256, 116, 90, 25}},
      {3, Kind::Sign, "oSignoIgual3", QStringLiteral("="), {248, 148, 18, 25}},
      {3, Kind::Value, "txtTotal3", {}, {268, 144, 70, 30}},
  };
}

QFont sansSerif(int size, bool bold = false) {
  return TFont::Create(QStringLiteral("MS Sans Serif"), size, 0, bold ? 700 : 400);
}

// The faces that stand in for the screens' fonts run a little larger: a caption that would
// not fit its box in the named size steps down until it does.
void fitToBox(TLabel* label) {
  QFont f = label->font();
  while (f.pointSize() > 7 && label->heightForWidth(label->width()) > label->height()) {
    f.setPointSize(f.pointSize() - 1);
    label->setFont(f);
  }
}

}  // namespace

BalancePanels::BalancePanels(QWidget* parent, Arrangement arrangement) {
  const bool across = arrangement == Arrangement::Across;
  const Look look = across ? Look{sansSerif(11, true), sansSerif(23, true), sansSerif(23, true), sansSerif(18), Clr::White}
                           : Look{sansSerif(10), sansSerif(23, true), sansSerif(14), sansSerif(15), Clr::Black};

  TGroupBox** panels[] = {&Opcion1, &Opcion2, &Opcion3};
  using Frames = std::array<QRect, 3>;
  const Frames frames = across ? Frames{QRect(132, 92, 742, 66), QRect(132, 80, 742, 98), QRect(16, 80, 958, 98)}
                               : Frames{QRect(456, 128, 350, 182), QRect(456, 136, 350, 182), QRect(456, 128, 350, 182)};
  for (int i = 0; i < 3; ++i) {
    TGroupBox* g = TGroupBox::New(parent, QStringLiteral("Opcion%1").arg(i + 1));
    g->SetBounds(frames[i].x(), frames[i].y(), frames[i].width(), frames[i].height());
    g->Hide();
    *panels[i] = g;
  }

  QHash<QString, TEdit*> fields;
  for (const Piece& p : across ? Across() : Stacked()) {
    QWidget* panel = *panels[p.panel - 1];
    const QString name = QString::fromLatin1(p.name);
    if (p.kind == Kind::Value) {
      TEdit* e = TEdit::New(panel, name);
      e->SetBounds(p.bounds.x(), p.bounds.y(), p.bounds.width(), p.bounds.height());
      e->oFont = look.value;
      e->nAlignment = 1;
      e->lNumeric = true;
      e->lEnabled = false;
      // Shown, not typed into: the values keep the dark text of an enabled field.
      QPalette shown = e->Editor()->palette();
      shown.setColor(QPalette::Disabled, QPalette::Text, shown.color(QPalette::Active, QPalette::Text));
      shown.setColor(QPalette::Disabled, QPalette::Base, shown.color(QPalette::Active, QPalette::Base));
      e->Editor()->setPalette(shown);
      e->Value = QString();
      fields.insert(name, e);
      continue;
    }
    TLabel* l = TLabel::New(panel, name);
    l->SetBounds(p.bounds.x(), p.bounds.y(), p.bounds.width(), p.bounds.height());
    const bool stackedThird = !across && p.panel == 3;
    if (p.kind == Kind::Label) l->oFont = look.label;
    else if (p.kind == Kind::Rule) l->oFont = sansSerif(14, true);
    else l->oFont = stackedThird ? look.smallSign : look.sign;
    l->nClrText = look.labelColour;
    l->lMultiline = p.kind == Kind::Label;
    l->cText = p.text;
    if (p.kind == Kind::Label) fitToBox(l);
  }

  txtSaldos1 = fields.value(QStringLiteral("txtSaldos1"));
  txtSaldos2 = fields.value(QStringLiteral("txtSaldos2"));
  txtDias2 = fields.value(QStringLiteral("txtDias2"));
  txtVacaciones2 = fields.value(QStringLiteral("txtVacaciones2"));
  txtTotal2 = fields.value(QStringLiteral("txtTotal2"));
  txtSaldos3 = fields.value(QStringLiteral("txtSaldos3"));
  txtDias3 = fields.value(QStringLiteral("txtDias3"));
  txtVacaciones3 = fields.value(QStringLiteral("txtVacaciones3"));
  txtProgramadas3 = fields.value(QStringLiteral("txtProgramadas3"));
  txtTotal3 = fields.value(QStringLiteral("txtTotal3"));
}

void BalancePanels::buscaOpcion(const QString& empresa) {
  const Rows rows = ResultShapes::RowsOf(QStringLiteral("exec peCargaOpcionVacaciones ") + empresa);
  int layout = 0;
  if (!rows.isEmpty()) layout = static_cast<int>(Text::Val(rows.row(1).col(1)));
  MuestraOpcion(layout);
}

void BalancePanels::MuestraOpcion(int layout) {
  opcion = layout;
  Opcion1->lVisible = layout == 1;
  Opcion2->lVisible = layout == 2;
  Opcion3->lVisible = layout == 3;
}

void BalancePanels::CargaDiasSaldo() {
  const Rows rows = ResultShapes::RowsOf(
      QStringLiteral("exec dbo.Fun_P_Catalogos  @nEmpresa=") + AppData.Empresa +
      QStringLiteral(", @cCatalogo= '[Catalogo GENERAL DE VACACIONES]' , @nCodigo=") + AppData.Codigo +
      QStringLiteral(", @nOrden=0, @nSerial=0, @cusuario='") + InQuotes(Text::AllTrim(AppData.Codigo)) + u'\'');
  if (!rows.isEmpty()) Llena(rows.row(1));
}

void BalancePanels::Llena(const Row& saldo) {
  const double enjoyed = Text::Val(saldo.col(10));
  const double scheduled = Text::Val(saldo.col(20)) + Text::Val(saldo.col(21));
  const double previous = Text::Val(saldo.col(33));
  const double proportional = Text::Val(saldo.col(55));

  txtSaldos1->Value = Formato(previous);
  txtSaldos2->Value = Formato(previous);
  txtDias2->Value = Formato(proportional);
  txtVacaciones2->Value = Formato(enjoyed);
  txtTotal2->Value = Formato(previous + proportional - enjoyed);
  txtSaldos3->Value = Formato(previous);
  txtDias3->Value = Formato(proportional);
  txtVacaciones3->Value = Formato(enjoyed);
  txtProgramadas3->Value = Formato(scheduled);
  txtTotal3->Value = Formato(previous + proportional - (enjoyed + scheduled));
}

TEdit* BalancePanels::CampoDisponible() const {
  switch (opcion) {
    case 1: return txtSaldos1;
    case 2: return txtTotal2;
    case 3: return txtTotal3;
    default: return nullptr;
  }
}

QString BalancePanels::Disponibles() const {
  const TEdit* e = CampoDisponible();
  return e ? e->Value() : QStringLiteral("0");
}

bool BalancePanels::Excede(double dias) const {
  const TEdit* e = CampoDisponible();
  return e && dias > Text::Val(e->Value());
}

QString BalancePanels::Formato(double dias) {
  return Text::AllTrim(Text::Transform(dias, QStringLiteral("99999999.99")));
}
