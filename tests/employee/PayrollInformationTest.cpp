// The payroll-information screen on the demo database: every field of a known employee, the
// type names, and an employee missing from one of the joined tables.
#include <gtest/gtest.h>

#include "EmployeeSession.h"
#include "screens/employee/TInformacionNomina.h"
#include "support/QtPrinters.h"

namespace {

using S = EmployeeSession;

const QStringList kFields = {"txtNombre",   "txtPaterno", "txtMaterno",   "txtRFCAlfa", "txtRFCNum",       "txtHomo",
                             "txtCURP",     "txtNumAfil", "txtDV",        "txtUMF",     "txtOcup",         "txtPuesto",
                             "txtTipoSal",  "txtNtipoSal", "txtTipoNom",  "txtNtipoNom", "txtTipoEmp",     "txtNtipoEmp",
                             "txtCentro",   "txtNombreCentro", "txtHorario", "txtNHorario", "txtFchALta",  "txtFchAnt",
                             "txtFechaBaja", "txtBanco",  "txtNombreBanco", "txtCuenta", "txtFechaNac",     "txtEdad",
                             "txtEdoNac",   "txtNaciMIENTO"};

}  // namespace

class PayrollInformation : public OnBothDbPaths {};

TEST_P(PayrollInformation, OpenedFromTheMenuShowsEveryFieldOfTheEmployee) {
  S s;
  ASSERT_NE(s.menu, nullptr);
  // The same record read through outer joins, so each value is checked on its own.
  const Rows expected = S::rows(
      "SELECT e.nombre, e.ap_paterno, e.ap_materno, e.rfcalfa, e.rfcnum, e.rfchomo, e.curp, e.afiliacion, e.digvera, de.umf, "
      "t.ocupacion, t.actividad, e.tiposal, ll.tiponom, n.nomina, e.tipo_emp, ll.centro, c.nomdepto, ll.horario, hc.nombre, "
      "CONVERT(varchar(11), e.fchalta, 113), CONVERT(varchar(11), e.fchantigua, 113), ll.banco, b.nombre, e.cta_bco_no, "
      "CONVERT(varchar(11), e.fchnac, 113), e.edonac, de.nacional, strftime('%Y', e.fchnac) "
      "FROM empleados e LEFT JOIN llaves ll ON ll.empresa = e.empresa AND ll.codigo = e.codigo "
      "LEFT JOIN centros c ON c.empresa = ll.empresa AND c.centro = ll.centro "
      "LEFT JOIN tabulador t ON t.empresa = ll.empresa AND t.ocupacion = ll.ocupacion "
      "LEFT JOIN datosemps de ON de.empresa = e.empresa AND de.codigo = e.codigo LEFT JOIN bancos b ON b.banco = ll.banco "
      "LEFT JOIN nominas n ON n.empresa = ll.empresa AND n.tiponom = ll.tiponom "
      "LEFT JOIN horarios_catalogo hc ON hc.empresa = ll.empresa AND hc.horario = ll.horario "
      "WHERE e.empresa = 1 AND e.codigo = 1");
  ASSERT_EQ(expected.size(), 1);
  const Row& x = expected.row(1);
  const auto t = [&x](int c) { return Text::AllTrim(Text::ToText(x.col(c))); };
  bool opened = false;
  TForm::SetModalHook([&](TForm& form) {
    auto* n = qobject_cast<TInformacionNomina*>(&form);
    ASSERT_NE(n, nullptr);
    opened = true;
    const auto f = [n](const char* name) { return n->Campo(QString::fromLatin1(name))->Value(); };
    const QStringList shown = {f("txtNombre"), f("txtPaterno"), f("txtMaterno"), f("txtRFCAlfa"), f("txtRFCNum"), f("txtHomo"),
                               f("txtCURP"), f("txtNumAfil"), f("txtDV"), f("txtUMF"), f("txtOcup"), f("txtPuesto"),
                               f("txtTipoSal"), f("txtTipoNom"), f("txtNtipoNom"), f("txtTipoEmp"), f("txtCentro"),
                               f("txtNombreCentro"), f("txtHorario"), f("txtNHorario"), f("txtFchALta"), f("txtFchAnt"),
                               f("txtBanco"), f("txtNombreBanco"), f("txtCuenta"), f("txtFechaNac"), f("txtEdoNac"),
                               f("txtNaciMIENTO")};
    QStringList want;
    for (int c = 1; c <= 28; ++c) want << t(c);
    EXPECT_EQ(shown, want);
    for (const QString& v : want) EXPECT_FALSE(v.isEmpty());
    EXPECT_EQ(f("txtNtipoSal"), TInformacionNomina::NombreTipoSalario(t(13)));
    EXPECT_FALSE(f("txtNtipoSal").isEmpty());
    EXPECT_EQ(f("txtNtipoEmp"), TInformacionNomina::NombreTipoEmpleado(t(16)));
    EXPECT_FALSE(f("txtNtipoEmp").isEmpty());
    EXPECT_EQ(f("txtEdad"), QString::number(QDate::currentDate().year() - t(29).toInt()));
    EXPECT_TRUE(f("txtFechaBaja").isEmpty());
    EXPECT_FALSE(n->Campo("txtFechaBaja")->lEnabled());
    for (const QString& name : kFields) EXPECT_TRUE(n->Campo(name)->lReadOnly()) << name.toStdString();
    EXPECT_TRUE(MsgSeam::Texts().isEmpty());
    S::render(n, "informacion-nomina");
    n->btnSalir->Press();
  });
  s.menu->btnDatosNomina->Press();
  EXPECT_TRUE(opened);
}

TEST_P(PayrollInformation, EdgeRows) {
  struct Edge {
    const char* name;
    const char* setup;
    std::function<void(TInformacionNomina*)> check;
  };
  const Edge edges[] = {
      {"no key row: every field empty, no message", "DELETE FROM llaves WHERE empresa = 1 AND codigo = 1",
       [](TInformacionNomina* n) {
         for (const QString& name : kFields) EXPECT_TRUE(n->Campo(name)->Value().isEmpty()) << name.toStdString();
       }},
      {"no bank: every field empty", "UPDATE llaves SET banco = 99 WHERE empresa = 1 AND codigo = 1",
       [](TInformacionNomina* n) { EXPECT_TRUE(n->Campo("txtNombre")->Value().isEmpty()); }},
      {"no employee-data row: every field empty", "DELETE FROM datosemps WHERE empresa = 1 AND codigo = 1",
       [](TInformacionNomina* n) { EXPECT_TRUE(n->Campo("txtCURP")->Value().isEmpty()); }},
      {"salary type 3 shows its code without a name", "UPDATE empleados SET tiposal = '3', tipo_emp = '7' WHERE empresa = 1 AND codigo = 1",
       [](TInformacionNomina* n) {
         EXPECT_EQ(n->Campo("txtTipoSal")->Value(), QStringLiteral("3"));
         EXPECT_TRUE(n->Campo("txtNtipoSal")->Value().isEmpty());
         EXPECT_EQ(n->Campo("txtTipoEmp")->Value(), QStringLiteral("7"));
         EXPECT_TRUE(n->Campo("txtNtipoEmp")->Value().isEmpty());
       }},
      {"construction worker, variable salary, left the company",
       "UPDATE empleados SET tiposal = '1', tipo_emp = '3', fch_baja = '2025-06-30' WHERE empresa = 1 AND codigo = 1",
       [](TInformacionNomina* n) {
         EXPECT_EQ(n->Campo("txtNtipoSal")->Value(), QStringLiteral("VARIABLE"));
         EXPECT_EQ(n->Campo("txtNtipoEmp")->Value(), QStringLiteral("DE LA INDUSTRIA DE LA CONSTRUCCION"));
         S::render(n, "informacion-nomina-construccion");
         EXPECT_EQ(n->Campo("txtFechaBaja")->Value(), QStringLiteral("30 Jun 2025"));
       }},
      {"born in December: the age is a difference of years",
       "UPDATE empleados SET fchnac = (CAST(strftime('%Y', 'now') AS INTEGER) - 30) || '-12-31' WHERE empresa = 1 AND codigo = 1",
       [](TInformacionNomina* n) { EXPECT_EQ(n->Campo("txtEdad")->Value(), QStringLiteral("30")); }},
      {"no birth date: no age", "UPDATE empleados SET fchnac = NULL WHERE empresa = 1 AND codigo = 1",
       [](TInformacionNomina* n) {
         EXPECT_TRUE(n->Campo("txtEdad")->Value().isEmpty());
         EXPECT_TRUE(n->Campo("txtFechaNac")->Value().isEmpty());
         EXPECT_FALSE(n->Campo("txtNombre")->Value().isEmpty());
       }},
  };
  for (const Edge& e : edges) {
    SCOPED_TRACE(e.name);
    S s;
    ASSERT_TRUE(S::exec(QString::fromUtf8(e.setup)));
    auto* n = s.open<TInformacionNomina>();
    e.check(n);
    EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join('|').toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, PayrollInformation, BothDbPaths(), DbPathName);
