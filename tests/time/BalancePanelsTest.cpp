// The vacation balance panels on the demo database: the company's layout, the balance row's
// values and formulas, and the limit a request is held to.
#include <gtest/gtest.h>

#include <QDir>
#include <QWidget>

#include "support/BuildPaths.h"
#include "data/StatementJournal.h"
#include "data/TQuery.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "screens/shared/BalancePanels.h"
#include "support/DemoTerminal.h"
#include "support/QtPrinters.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"
#include "toolkit/TextUtil.h"

namespace {

QString saldoStatement() {
  return "exec dbo.Fun_P_Catalogos  @nEmpresa=" + AppData.Empresa + ", @cCatalogo= '[Catalogo GENERAL DE VACACIONES]' , @nCodigo=" +
         AppData.Codigo + ", @nOrden=0, @nSerial=0, @cusuario='" + AppData.Codigo.trimmed() + "'";
}

Row balanceRow() {
  TQuery q(AppData.oAdo, QStringLiteral("GENERAL"), saldoStatement());
  return q.RecCount() ? q.GetRows().row(1) : Row();
}

double num(const QVariant& v) { return Text::Val(v); }

// The value fields of the panels (TEdit carries no meta-object of its own, so no qobject_cast).
QList<TEdit*> fieldsOf(const QWidget& host) {
  QList<TEdit*> out;
  for (QWidget* w : host.findChildren<QWidget*>())
    if (auto* e = dynamic_cast<TEdit*>(w)) out << e;
  return out;
}

struct LayoutCase {
  const char* employee;
  const char* password;
  int layout;
};

}  // namespace

TEST(BalancePanels, EachCompanyShowsItsLayoutFilledFromTheBalanceRow) {
  const LayoutCase cases[] = {{"1", "Clave2024", 2}, {"100001", "1234", 3}, {"200001", "1234", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.employee);
    DemoTerminal terminal;
    ASSERT_NE((DemoTerminal::LogIn<TRegistro, TPrincipal>(c.employee, c.password)), nullptr);
    for (auto arrangement : {BalancePanels::Arrangement::Across, BalancePanels::Arrangement::Stacked}) {
      QWidget host;
      host.resize(1030, 714);
      BalancePanels panels(&host, arrangement);
      StatementJournal::Clear();
      panels.buscaOpcion(AppData.Empresa);
      panels.CargaDiasSaldo();
      EXPECT_EQ(StatementJournal::Statements(),
                QStringList({"exec peCargaOpcionVacaciones " + AppData.Empresa, saldoStatement()}));
      EXPECT_EQ(panels.opcion, c.layout);
      EXPECT_EQ(panels.Opcion1->lVisible(), c.layout == 1);
      EXPECT_EQ(panels.Opcion2->lVisible(), c.layout == 2);
      EXPECT_EQ(panels.Opcion3->lVisible(), c.layout == 3);

      const Row r = balanceRow();
      const double a = num(r.col(33)), b = num(r.col(55)), enjoyed = num(r.col(10));
      const double scheduled = num(r.col(20)) + num(r.col(21));
      EXPECT_EQ(panels.txtSaldos1->Value(), BalancePanels::Formato(a));
      EXPECT_EQ(panels.txtSaldos3->Value(), BalancePanels::Formato(a));
      EXPECT_EQ(panels.txtDias2->Value(), BalancePanels::Formato(b));
      EXPECT_EQ(panels.txtVacaciones3->Value(), BalancePanels::Formato(enjoyed));
      EXPECT_EQ(panels.txtProgramadas3->Value(), BalancePanels::Formato(scheduled));
      EXPECT_EQ(panels.txtTotal2->Value(), BalancePanels::Formato(a + b - enjoyed));
      EXPECT_EQ(panels.txtTotal3->Value(), BalancePanels::Formato(a + b - (enjoyed + scheduled)));

      // The limit is the available field of the shown layout; exactly that many days pass.
      const QString available = panels.Disponibles();
      EXPECT_EQ(panels.CampoDisponible()->Value(), available);
      EXPECT_FALSE(panels.Excede(Text::Val(available)));
      EXPECT_TRUE(panels.Excede(Text::Val(available) + 1));
      EXPECT_EQ(fieldsOf(host).size(), 10);
      const QString out = BuildPaths::Binary(QStringLiteral("/screens"));
      QDir().mkpath(out);
      Render::ToPng(&host, out + QStringLiteral("/saldos-%1-opcion%2.png")
                                     .arg(arrangement == BalancePanels::Arrangement::Across ? "across" : "stacked")
                                     .arg(c.layout));
      for (TEdit* e : fieldsOf(host)) {
        EXPECT_FALSE(e->lEnabled()) << e->objectName().toStdString();
        EXPECT_EQ(e->nAlignment(), 1);
      }
    }
  }
}

TEST(BalancePanels, MissingLayoutRowOrColumns) {
  DemoTerminal terminal;
  ASSERT_NE((DemoTerminal::LogIn<TRegistro, TPrincipal>("1", "Clave2024")), nullptr);
  QWidget host;
  BalancePanels panels(&host, BalancePanels::Arrangement::Across);

  // A company without a layout row: no panel, no limit, a printed balance of 0.
  AppData.oAdo->Execute(QStringLiteral("DELETE FROM PortalEmpleadoConfigVacaciones"));
  panels.buscaOpcion(AppData.Empresa);
  EXPECT_FALSE(panels.Activa());
  EXPECT_FALSE(panels.Opcion1->lVisible() || panels.Opcion2->lVisible() || panels.Opcion3->lVisible());
  EXPECT_EQ(panels.CampoDisponible(), nullptr);
  EXPECT_EQ(panels.Disponibles(), QStringLiteral("0"));
  EXPECT_FALSE(panels.Excede(9999));

  // An unknown layout number behaves the same.
  panels.MuestraOpcion(7);
  EXPECT_FALSE(panels.Activa());

  // No balance row: the fields stay empty and any positive request exceeds the limit.
  AppData.Codigo = Text::PadL(QStringLiteral("999999"), 10);
  panels.MuestraOpcion(2);
  panels.CargaDiasSaldo();
  EXPECT_EQ(panels.txtTotal2->Value(), QString());
  EXPECT_EQ(panels.Disponibles(), QString());
  EXPECT_FALSE(panels.Excede(0));
  EXPECT_TRUE(panels.Excede(1));

  // A row with NULL columns counts them as zero.
  Row nulls;
  nulls.setCol(60, QVariant());
  panels.Llena(nulls);
  for (TEdit* e : fieldsOf(host)) EXPECT_EQ(e->Value(), QStringLiteral("0.00")) << e->objectName().toStdString();

  // Values keep two decimals; a negative total stays negative.
  Row mixed = nulls;
  mixed.setCol(10, 3);  // enjoyed
  mixed.setCol(20, 2);  // scheduled, current exercise
  mixed.setCol(21, 1.5);// scheduled, earlier exercises
  mixed.setCol(33, 4);  // completed anniversaries
  mixed.setCol(55, 0.25);// proportional
  panels.Llena(mixed);
  EXPECT_EQ(panels.txtTotal2->Value(), QStringLiteral("1.25"));
  EXPECT_EQ(panels.txtProgramadas3->Value(), QStringLiteral("3.50"));
  EXPECT_EQ(panels.txtTotal3->Value(), QStringLiteral("-2.25"));
  panels.MuestraOpcion(3);
  EXPECT_TRUE(panels.Excede(0.5));
}
