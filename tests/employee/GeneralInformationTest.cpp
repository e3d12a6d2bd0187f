// The general-information screen with its pickers and the children screen, on the demo
// database: what the employee types reaches the database exactly, through the statements
// the payroll database has always received.
#include <gtest/gtest.h>

#include "EmployeeSession.h"
#include "data/clsConexion.h"
#include "screens/employee/TEstadoCivil.h"
#include "screens/employee/THijos.h"
#include "screens/employee/TInformacionGeneral.h"
#include "screens/employee/TPoblacion.h"
#include "screens/shared/OnScreenKeyboard.h"
#include "support/QtPrinters.h"

namespace {

using S = EmployeeSession;

// Row number of the state named `name` in the picker's grid.
int rowOf(TArrayBrowse* grid, const QString& name, int column) {
  const Rows shown = grid->aArrayData();
  for (int i = 1; i <= shown.size(); ++i)
    if (Text::AllTrim(Text::ToText(shown.row(i).col(column))) == name) return i;
  return 0;
}

QString pad(qlonglong n, int width) { return QStringLiteral("%1").arg(n, width); }

}  // namespace

class GeneralInformation : public OnBothDbPaths {};

TEST_P(GeneralInformation, EmployeeCorrectsAddressFamilyAndChildrenOnTheKeys) {
  S s;
  ASSERT_NE(s.menu, nullptr);
  const QString cat = S::value("SELECT idcatalogo FROM rhcatalogo WHERE empresa = 1 AND codigo = 1");
  const Rows before = S::rows("SELECT id_familia, nombre FROM rhfamiliar WHERE Idcatalogo = " + cat + " AND idparentesco = 3");
  ASSERT_EQ(before.size(), 1);  // employee 1 has one child in the demo
  const QString oldChild = Text::ToText(before.row(1).col(1));
  const qlonglong next = S::value("SELECT max(id_familia) FROM rhfamiliar").toLongLong() + 1;
  const QString typed = QStringLiteral("CALLE 5 DE MAYO 12-\"A\" ÑUÑOA");

  bool general = false, state = false, status = false, children = false;
  TForm::SetModalHook([&](TForm& form) {
    if (auto* g = qobject_cast<TInformacionGeneral*>(&form)) {
      general = true;
      EXPECT_TRUE(g->btnGuardarCambio->lEnabled());
      EXPECT_EQ(g->txtEdoCivil->Value(), QStringLiteral("Casado"));
      EXPECT_FALSE(g->txtHijos->Value().isEmpty());
      S::render(g, "informacion-general");
      OnScreenKeyboard* k = g->Teclado();
      EXPECT_EQ(k->Active(), g->txtDomicilio);
      const int length = static_cast<int>(g->txtDomicilio->Value().size());
      for (int i = 0; i < length; ++i) k->Press("btnRetroceso");
      S::press(k, {"btnMayusculas", "btnC", "btnA", "btnL", "btnL", "btnEe", "btnEspacio", "btnMinusculas", "btn5",
                   "btnEspacio", "btnMayusculas", "BtnD", "btnEe", "btnEspacio", "btnM", "btnA", "btnY", "btnO",
                   "btnEspacio", "btnMinusculas", "btn1", "btn2", "btnGuionMedio", "btnMayusculas", "btn2", "btnA",
                   "btn2", "btnEspacio", "btnEne", "btnU", "btnEne", "btnO", "btnA"});
      EXPECT_EQ(g->txtDomicilio->Value(), typed);
      // A quote typed on a physical keyboard.
      g->txtConyuge->Value = QStringLiteral("ANA O'HARA");

      g->btnPoblacion->Press();
      EXPECT_EQ(g->txtPoblacion->Value(), QStringLiteral("JALISCO"));
      g->btnEstadoCivil->Press();
      EXPECT_EQ(g->txtEdoCivil->Value(), QStringLiteral("Viudo"));
      g->btnHijo->Press();
      MsgSeam::QueueAnswer(true);
      g->btnGuardarCambio->Press();
      g->Close();
    } else if (auto* p = qobject_cast<TPoblacion*>(&form)) {
      state = true;
      EXPECT_EQ(p->arreglo->Len(), 32);
      S::render(p, "poblacion");
      S::touchRow(p->arreglo, rowOf(p->arreglo, "JALISCO", 2));
      p->btnAceptar->Press();
    } else if (auto* e = qobject_cast<TEstadoCivil*>(&form)) {
      status = true;
      EXPECT_TRUE(e->optCasado->lChecked());
      S::render(e, "estado-civil");
      e->optViudo->click();
      e->btnAceptar->Press();
    } else if (auto* h = qobject_cast<THijos*>(&form)) {
      children = true;
      EXPECT_EQ(h->arrayHijos->Len(), 1);
      OnScreenKeyboard* k = h->Teclado();
      h->btnNuevo->Press();
      S::press(k, {"btnA", "btnN", "btnA", "btnEspacio", "btnM", "btnA", "btnR", "btnI", "btnA"});
      h->dtpFechaNacimiento->dValue = QDate(2015, 3, 12);
      h->btnAgregar->Press();
      ASSERT_EQ(h->arrayHijos->Len(), 2);
      S::touchRow(h->arrayHijos, rowOf(h->arrayHijos, "ANA MARIA", 2));
      EXPECT_EQ(h->txtId->Value(), QString::number(next));
      S::press(k, {"btnEspacio", "BtnSs", "btnO", "btnF", "btnI", "btnA"});
      h->btnAgregar->Press();
      S::touchRow(h->arrayHijos, rowOf(h->arrayHijos, oldChild, 1));
      EXPECT_EQ(h->txtId->Value(), oldChild);
      S::render(h, "hijos");
      MsgSeam::QueueAnswer(true);
      h->btnEliminar->Press();
      // The remaining child becomes the selected one.
      EXPECT_EQ(h->arrayHijos->Len(), 1);
      EXPECT_EQ(h->txtId->Value(), QString::number(next));
      h->btnSalir->Press();
    }
  });
  StatementJournal::Clear();
  s.menu->btnInformacionGeneral->Press();
  const QStringList sent = StatementJournal::Statements();
  TForm::SetModalHook(nullptr);
  EXPECT_TRUE(general && state && status && children);

  // The database holds exactly what was typed and picked.
  const Rows datos = S::rows("SELECT domicilio, poblacion, edocivil FROM datosemps WHERE empresa = 1 AND codigo = 1");
  ASSERT_EQ(datos.size(), 1);
  EXPECT_EQ(Text::ToText(datos.row(1).col(1)), typed);
  EXPECT_EQ(Text::ToText(datos.row(1).col(2)), QStringLiteral("JALISCO"));
  EXPECT_EQ(Text::ToText(datos.row(1).col(3)), QStringLiteral("V"));
  EXPECT_EQ(S::value("SELECT nombre FROM rhfamiliar WHERE idparentesco = 5 AND Idcatalogo = " + cat),
            QStringLiteral("ANA O'HARA"));
  const Rows after = S::rows("SELECT id_familia, nombre, fch_nac FROM rhfamiliar WHERE Idcatalogo = " + cat + " AND idparentesco = 3");
  ASSERT_EQ(after.size(), 1);
  EXPECT_EQ(Text::ToText(after.row(1).col(1)), QString::number(next));
  EXPECT_EQ(Text::ToText(after.row(1).col(2)), QStringLiteral("ANA MARIA SOFIA"));
  EXPECT_EQ(MsgSeam::Texts(), QStringList({"¿Desea Borrar el registro?", "Registro Borrado", "¿Desea guardar los cambios?"}));

  // Every statement of the journey, in order, as the payroll database receives them.
  const QString E = AppData.Empresa, C = AppData.Codigo;
  const QString d = Text::DToS(QDate(2015, 3, 12));
  const QString names = " select h.nombre  from rhcatalogo c, rhfamiliar h where c.codigo= " + C + " and c.empresa= " + E +
                        " and c.idcatalogo = h.idcatalogo  and h.idparentesco = 3 ";
  const QString list = " select h.id_familia, h.nombre, isnull(c.idcatalogo,0), DATEDIFF(YY,fch_nac,GETDATE()) as edad  from rhcatalogo c,"
                       " rhfamiliar h  where c.codigo= " + C + " and c.empresa= " + E + " and c.idcatalogo = h.idcatalogo  and h.idparentesco = 3 ";
  const QString childCatalogue = " select idcatalogo  from rhcatalogo where empresa= " + E + " and codigo=" + C;
  const auto exists = [&](const char* p) {
    return " select p.nombre, p.nombre  from rhcatalogo c, rhfamiliar p  where c.codigo= " + C + " and c.empresa= " + E +
           " and c.idcatalogo = p.idcatalogo  and p.idparentesco = " + p + " ";
  };
  const auto stored = [&cat](const char* column, int p) {
    return S::value(QStringLiteral("SELECT %1 FROM rhfamiliar WHERE idparentesco = %2 AND Idcatalogo = ").arg(column).arg(p) + cat);
  };
  const auto employee = [](const char* column) {
    return S::value(QStringLiteral("SELECT %1 FROM datosemps WHERE empresa = 1 AND codigo = 1").arg(column));
  };
  const QStringList expected = {
      "exec peInformacionGeneral " + E + "," + C,
      names,
      "select idestados, edtado from rhestados ",
      list,
      childCatalogue,
      " select isnull(max(id_familia),0) from rhfamiliar",
      childCatalogue,
      " INSERT INTO rhfamiliar (id_familia, nombre,Idcatalogo,idparentesco,fch_nac) values(" + pad(next, 5) + ",'ANA MARIA'," +
          pad(cat.toLongLong(), 8) + ",3,'" + d + "')",
      list,
      "update rhfamiliar set nombre='ANA MARIA SOFIA', fch_nac='" + d + "' where id_familia='" + QString::number(next) +
          "' and Idcatalogo=" + cat,
      list,
      "Delete from rhfamiliar   where id_familia=" + oldChild + " and idcatalogo=" + cat,
      list,
      names,
      " select idcatalogo from rhcatalogo   where empresa=" + E + " and codigo=" + C,
      " update datosemps set  domicilio='" + typed + "', colonia='" + employee("colonia") +
          "', edocivil='V', poblacion='JALISCO', municipio='MONTERREY', localidad='MONTERREY', codpostal='" + employee("codpostal") +
          "', telefono='" + employee("telefono") + "', email='" + employee("email") + "' where codigo='1' and empresa=1",
      exists("1"),
      "update rhfamiliar set  nombre='" + stored("nombre", 1) + "' where idparentesco=1 and Idcatalogo=" + cat,
      exists("2"),
      "update rhfamiliar set  nombre='" + stored("nombre", 2) + "' where idparentesco=2 and Idcatalogo=" + cat,
      exists("5"),
      "update rhfamiliar set  nombre='ANA O''HARA' where idparentesco=5 and Idcatalogo=" + cat,
  };
  EXPECT_EQ(sent, expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, GeneralInformation, BothDbPaths(), DbPathName);
