// Edge rows of the general-information screen, its pickers and the children screen.
#include <gtest/gtest.h>

#include <functional>

#include "EmployeeSession.h"
#include "db/DemoDatabase.h"
#include "screens/employee/TEstadoCivil.h"
#include "screens/employee/THijos.h"
#include "screens/employee/TInformacionGeneral.h"
#include "screens/employee/TPoblacion.h"
#include "screens/shared/OnScreenKeyboard.h"
#include "support/QtPrinters.h"

namespace {

using S = EmployeeSession;

QString catalogo() { return S::value("SELECT idcatalogo FROM rhcatalogo WHERE empresa = 1 AND codigo = 1"); }

// A second terminal on the same database file.
std::shared_ptr<TDataSource> otherTerminal(const S& s) {
  return DemoDatabase::Open(s.terminal.file(QString::fromLatin1(DemoDatabase::kFile)));
}

// The children screen whose next member number is read, and then taken by a second terminal
// before this one inserts: two terminals adding a child at the same moment.
class THijosCarrera : public THijos {
 public:
  using THijos::THijos;
  std::function<void(qlonglong)> antesDeInsertar;

 protected:
  qlonglong SiguienteNumero() override {
    const qlonglong n = THijos::SiguienteNumero();
    if (antesDeInsertar) antesDeInsertar(n);
    return n;
  }
};

THijos* openChildren(S& s) {
  return TForm::New<THijos>(s.menu, [&s](THijos& h) {
    h.CNX = s.menu->CNX;
    h.empresa = s.menu->empresa;
  });
}

struct Edge {
  const char* name;
  const char* variables;  // [VARIABLES] of the terminal
  std::function<void(S&)> run;
};

const QString kModifica = QStringLiteral("SalirActivado=Si\nModifica=Si\n");

}  // namespace

TEST(GeneralInformation, EdgeRows) {
  const Edge edges[] = {
      {"Modifica missing: save disabled", "SalirActivado=Si\n",
       [](S& s) { EXPECT_FALSE(s.open<TInformacionGeneral>()->btnGuardarCambio->lEnabled()); }},
      {"Modifica No: save disabled", "Modifica=No\n",
       [](S& s) { EXPECT_FALSE(s.open<TInformacionGeneral>()->btnGuardarCambio->lEnabled()); }},
      {"Modifica in lower case enables", "Modifica= si \n",
       [](S& s) { EXPECT_TRUE(s.open<TInformacionGeneral>()->btnGuardarCambio->lEnabled()); }},
      {"Modifica beginning with Si enables", "Modifica=Siempre\n",
       [](S& s) { EXPECT_TRUE(s.open<TInformacionGeneral>()->btnGuardarCambio->lEnabled()); }},
      {"employee row not loaded: nothing to save", "Modifica=Si\n",
       [](S& s) {
         auto* g = s.open<TInformacionGeneral>(QStringLiteral("      9999"));
         EXPECT_FALSE(g->btnGuardarCambio->lEnabled());
         EXPECT_TRUE(g->txtDomicilio->Value().isEmpty());
         EXPECT_TRUE(g->txtHijos->Value().isEmpty());
         EXPECT_TRUE(S::writes().isEmpty());
       }},
      {"Separado opens with Soltero checked; Salir keeps it; saving keeps the stored code", "Modifica=Si\n",
       [](S& s) {
         ASSERT_TRUE(S::exec("UPDATE datosemps SET edocivil = 'P' WHERE empresa = 1 AND codigo = 1"));
         auto* g = s.open<TInformacionGeneral>();
         EXPECT_EQ(g->txtEdoCivil->Value(), QStringLiteral("Separado"));
         TForm::SetModalHook([](TForm& f) {
           auto* e = qobject_cast<TEstadoCivil*>(&f);
           ASSERT_NE(e, nullptr);
           EXPECT_EQ(e->inicializa, QStringLiteral("Separado"));
           EXPECT_TRUE(e->optSoltero->lChecked());
           EXPECT_FALSE(e->optSeparado->lVisible());
           e->btnSalir->Press();
         });
         g->btnEstadoCivil->Press();
         EXPECT_EQ(g->txtEdoCivil->Value(), QStringLiteral("Separado"));
         MsgSeam::QueueAnswer(true);
         g->btnGuardarCambio->Press();
         ASSERT_FALSE(S::writes().isEmpty());
         EXPECT_FALSE(S::writes().first().contains("edocivil")) << S::writes().first().toStdString();
         EXPECT_EQ(S::value("SELECT edocivil FROM datosemps WHERE empresa = 1 AND codigo = 1"), QStringLiteral("P"));
       }},
      {"marital status: Aceptar returns the checked word, Salir the opening one", "Modifica=Si\n",
       [](S& s) {
         auto* g = s.open<TInformacionGeneral>();
         TForm::SetModalHook([](TForm& f) {
           auto* e = qobject_cast<TEstadoCivil*>(&f);
           e->optUnion->click();
           e->btnAceptar->Press();
         });
         g->btnEstadoCivil->Press();
         EXPECT_EQ(g->txtEdoCivil->Value(), QStringLiteral("Unión Libre"));
         TForm::SetModalHook([](TForm& f) {
           auto* e = qobject_cast<TEstadoCivil*>(&f);
           EXPECT_TRUE(e->optUnion->lChecked());
           e->optViudo->click();
           e->btnSalir->Press();
         });
         g->btnEstadoCivil->Press();
         EXPECT_EQ(g->txtEdoCivil->Value(), QStringLiteral("Unión Libre"));
         EXPECT_EQ(TInformacionGeneral::CodigoEdoCivil(g->txtEdoCivil->Value()), QStringLiteral("U"));
       }},
      {"empty state catalogue: Aceptar keeps the field", "Modifica=Si\n",
       [](S& s) {
         ASSERT_TRUE(S::exec("DELETE FROM rhestados"));
         auto* g = s.open<TInformacionGeneral>();
         const QString before = g->txtPoblacion->Value();
         ASSERT_FALSE(before.isEmpty());
         TForm::SetModalHook([](TForm& f) {
           auto* p = qobject_cast<TPoblacion*>(&f);
           EXPECT_EQ(p->arreglo->Len(), 0);
           p->btnAceptar->Press();
           EXPECT_FALSE(p->valor.isValid());
         });
         g->btnPoblacion->Press();
         EXPECT_EQ(g->txtPoblacion->Value(), before);
       }},
      {"filter hiding every state: Aceptar keeps the field; one state left: it is chosen", "Modifica=Si\n",
       [](S& s) {
         auto* g = s.open<TInformacionGeneral>();
         const QString before = g->txtPoblacion->Value();
         TForm::SetModalHook([](TForm& f) {
           auto* p = qobject_cast<TPoblacion*>(&f);
           p->arreglo->SetFilter(2, QStringLiteral("ZZZ"));
           EXPECT_EQ(p->arreglo->Len(), 0);
           p->btnAceptar->Press();
         });
         g->btnPoblacion->Press();
         EXPECT_EQ(g->txtPoblacion->Value(), before);
         TForm::SetModalHook([](TForm& f) {
           auto* p = qobject_cast<TPoblacion*>(&f);
           p->arreglo->SetFilter(2, QStringLiteral("potos"));
           p->btnAceptar->Press();
         });
         g->btnPoblacion->Press();
         EXPECT_EQ(g->txtPoblacion->Value(), QStringLiteral("SAN LUIS POTOSÍ"));
         TForm::SetModalHook([](TForm& f) { qobject_cast<TPoblacion*>(&f)->btnSalir->Press(); });
         g->btnPoblacion->Press();
         EXPECT_EQ(g->txtPoblacion->Value(), QStringLiteral("SAN LUIS POTOSÍ"));
       }},
      {"children: delete without a child selected", "Modifica=Si\n",
       [](S& s) {
         ASSERT_TRUE(S::exec("DELETE FROM rhfamiliar WHERE idparentesco = 3 AND Idcatalogo = " + catalogo()));
         auto* h = openChildren(s);
         EXPECT_EQ(h->arrayHijos->Len(), 0);
         h->btnEliminar->Press();
         EXPECT_EQ(MsgSeam::Texts(), QStringList{"Debe seleccionar un hijo a eliminar."});
         EXPECT_TRUE(S::writes().isEmpty());
       }},
      {"children: a failed delete confirms nothing and keeps the child", "Modifica=Si\n",
       [](S& s) {
         ASSERT_TRUE(S::exec("CREATE TRIGGER no_borrar BEFORE DELETE ON rhfamiliar BEGIN SELECT RAISE(ABORT, 'registro protegido'); END"));
         auto* h = openChildren(s);
         ASSERT_EQ(h->arrayHijos->Len(), 1);
         S::touchRow(h->arrayHijos, 1);
         const QString id = h->txtId->Value();
         ASSERT_FALSE(id.isEmpty());
         MsgSeam::QueueAnswer(true);
         h->btnEliminar->Press();
         const QList<MsgSeam::Shown> boxes = MsgSeam::Taken();
         ASSERT_EQ(boxes.size(), 2);
         EXPECT_EQ(boxes[1].title, QStringLiteral("EJECUCION INCOMPLETA"));
         EXPECT_TRUE(boxes[1].text.contains("registro protegido")) << boxes[1].text.toStdString();
         EXPECT_EQ(h->arrayHijos->Len(), 1);
         EXPECT_EQ(h->txtId->Value(), id);
       }},
      {"children: correct and delete act on the child in the id field, not the grid's current row", "Modifica=Si\n",
       [](S& s) {
         const QString cat = catalogo();
         ASSERT_TRUE(S::exec("INSERT INTO rhfamiliar (id_familia, nombre, Idcatalogo, idparentesco, fch_nac) VALUES (5001, 'LUIS PRUEBA', " +
                             cat + ", 3, '2012-05-01')"));
         auto* h = openChildren(s);
         ASSERT_EQ(h->arrayHijos->Len(), 2);
         int luis = 0;
         for (int i = 1; i <= 2; ++i)
           if (Text::ToText(h->arrayHijos->aArrayData().row(i).col(1)) == u"5001") luis = i;
         S::touchRow(h->arrayHijos, luis);
         h->arrayHijos->nArrayAt = luis == 1 ? 2 : 1;  // the grid moved without a touch
         h->txtNombre->Value = QStringLiteral("LUIS ÁNGEL PRUEBA");
         h->btnAgregar->Press();
         EXPECT_EQ(S::value("SELECT nombre FROM rhfamiliar WHERE id_familia = 5001"), QStringLiteral("LUIS ÁNGEL PRUEBA"));
         EXPECT_EQ(S::rows("SELECT 1 FROM rhfamiliar WHERE nombre = 'LUIS ÁNGEL PRUEBA'").size(), 1);
         // The grid moves off the child again; the id field still names it.
         EXPECT_EQ(h->txtId->Value(), QStringLiteral("5001"));
         h->arrayHijos->nArrayAt = luis == 1 ? 2 : 1;
         MsgSeam::QueueAnswer(true);
         h->btnEliminar->Press();
         EXPECT_TRUE(S::rows("SELECT 1 FROM rhfamiliar WHERE id_familia = 5001").isEmpty());
         EXPECT_EQ(S::rows("SELECT 1 FROM rhfamiliar WHERE idparentesco = 3 AND Idcatalogo = " + cat).size(), 1);
       }},
      {"member numbers above 99999 are written whole", "Modifica=Si\n",
       [](S& s) {
         ASSERT_TRUE(S::exec("INSERT INTO rhfamiliar (id_familia, nombre, Idcatalogo, idparentesco) VALUES (1234567, 'OTRA FAMILIA', 999, 3)"));
         auto* h = openChildren(s);
         h->txtNombre->Value = QStringLiteral("NUEVO");
         h->btnAgregar->Press();
         EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join('|').toStdString();
         EXPECT_EQ(S::value("SELECT nombre FROM rhfamiliar WHERE id_familia = 1234568"), QStringLiteral("NUEVO"));
         // The father's row added by the general screen takes the next whole number too.
         ASSERT_TRUE(S::exec("DELETE FROM rhfamiliar WHERE idparentesco = 1 AND Idcatalogo = " + catalogo()));
         ASSERT_TRUE(S::exec("INSERT INTO rhfamiliar (id_familia, nombre, Idcatalogo, idparentesco) VALUES (12345678901, 'OTRA', 999, 3)"));
         auto* g = s.open<TInformacionGeneral>();
         g->txtPadre->Value = QStringLiteral("JOSÉ PRUEBA");
         MsgSeam::QueueAnswer(true);
         g->btnGuardarCambio->Press();
         EXPECT_TRUE(S::writes().contains("INSERT INTO rhfamiliar (id_familia, nombre,Idcatalogo,idparentesco) values(12345678902,'JOSÉ PRUEBA'," +
                                          catalogo() + ",1)"))
             << S::writes().join('\n').toStdString();
         EXPECT_EQ(S::value("SELECT nombre FROM rhfamiliar WHERE id_familia = 12345678902"), QStringLiteral("JOSÉ PRUEBA"));
       }},
      {"two terminals add a child at the same moment: the second is stopped, nothing half-saved", "Modifica=Si\n",
       [](S& s) {
         auto other = otherTerminal(s);
         auto* h = TForm::New<THijosCarrera>(s.menu, [&s, &other](THijosCarrera& c) {
           c.CNX = s.menu->CNX;
           c.empresa = s.menu->empresa;
           c.antesDeInsertar = [&other](qlonglong n) {
             other->Execute(QStringLiteral("INSERT INTO rhfamiliar (id_familia, nombre, Idcatalogo, idparentesco) VALUES (%1, 'DE LA OTRA TERMINAL', 999, 3)")
                                .arg(n));
           };
         });
         const int before = h->arrayHijos->Len();
         h->txtNombre->Value = QStringLiteral("SEGUNDO");
         h->btnAgregar->Press();
         ASSERT_EQ(MsgSeam::Taken().size(), 1);
         EXPECT_EQ(MsgSeam::Taken().first().title, QStringLiteral("EJECUCION INCOMPLETA"));
         EXPECT_EQ(h->arrayHijos->Len(), before);
         EXPECT_TRUE(S::rows("SELECT 1 FROM rhfamiliar WHERE nombre = 'SEGUNDO'").isEmpty());
       }},
      {"quotes, percent, Ñ and 300 characters reach every field whole", "Modifica=Si\n",
       [](S& s) {
         const QString base = QStringLiteral("O'NEIL 100% ÑANDÚ \"X\" ");
         QString longText;
         while (longText.size() < 300) longText += base;
         longText = longText.left(299) + u'Z';
         auto* g = s.open<TInformacionGeneral>();
         for (TEdit* e : {g->txtDomicilio, g->txtColonia, g->txtMunicipio, g->txtLocalidad, g->txtCP, g->txtTel, g->txtEmail,
                          g->txtConyuge, g->txtMadre, g->txtPadre})
           e->Value = longText;
         MsgSeam::QueueAnswer(true);
         g->btnGuardarCambio->Press();
         EXPECT_EQ(MsgSeam::Texts(), QStringList{"¿Desea guardar los cambios?"});
         const Rows r = S::rows("SELECT domicilio, colonia, municipio, localidad, codpostal, telefono, email FROM datosemps "
                                "WHERE empresa = 1 AND codigo = 1");
         ASSERT_EQ(r.size(), 1);
         for (int c = 1; c <= 7; ++c) EXPECT_EQ(Text::ToText(r.row(1).col(c)), longText) << c;
         for (int p : {1, 2, 5})
           EXPECT_EQ(S::value(QStringLiteral("SELECT nombre FROM rhfamiliar WHERE idparentesco = %1 AND Idcatalogo = ").arg(p) + catalogo()),
                     longText);
         auto* h = openChildren(s);
         h->btnNuevo->Press();
         h->txtNombre->Value = longText;
         h->btnAgregar->Press();
         EXPECT_EQ(S::rows("SELECT 1 FROM rhfamiliar WHERE idparentesco = 3 AND nombre = '" + Text::EscapeQuotes(longText) + "'").size(), 1);
       }},
      {"employee without catalogue row: the address saves, no family row belongs to nobody", "Modifica=Si\n",
       [](S& s) {
         ASSERT_TRUE(S::exec("DELETE FROM rhcatalogo WHERE empresa = 1 AND codigo = 1"));
         const int family = S::rows("SELECT 1 FROM rhfamiliar").size();
         auto* g = s.open<TInformacionGeneral>();
         EXPECT_TRUE(g->txtHijos->Value().isEmpty());
         EXPECT_TRUE(g->btnGuardarCambio->lEnabled());
         g->txtColonia->Value = QStringLiteral("OBISPADO");
         g->txtPadre->Value = QStringLiteral("JOSÉ SIN CATÁLOGO");
         MsgSeam::QueueAnswer(true);
         g->btnGuardarCambio->Press();
         EXPECT_EQ(S::value("SELECT colonia FROM datosemps WHERE empresa = 1 AND codigo = 1"), QStringLiteral("OBISPADO"));
         EXPECT_EQ(MsgSeam::Texts(), QStringList{"¿Desea guardar los cambios?"});
         ASSERT_EQ(S::writes().size(), 1);
         EXPECT_TRUE(S::writes().first().startsWith(" update datosemps set  domicilio='"));
         EXPECT_EQ(S::rows("SELECT 1 FROM rhfamiliar").size(), family);
         // Nor can a child be added that the list would never show.
         auto* h = openChildren(s);
         EXPECT_EQ(h->arrayHijos->Len(), 0);
         EXPECT_FALSE(h->btnAgregar->lEnabled());
         EXPECT_FALSE(h->btnNuevo->lEnabled());
       }},
      {"catalogue ids above 99999999 are written whole", "Modifica=Si\n",
       [](S& s) {
         const QString old = catalogo();
         ASSERT_TRUE(S::exec("UPDATE rhcatalogo SET idcatalogo = 123456789 WHERE empresa = 1 AND codigo = 1"));
         ASSERT_TRUE(S::exec("UPDATE rhfamiliar SET Idcatalogo = 123456789 WHERE Idcatalogo = " + old));
         auto* h = openChildren(s);
         ASSERT_EQ(h->arrayHijos->Len(), 1);
         EXPECT_TRUE(h->btnAgregar->lEnabled());
         h->txtNombre->Value = QStringLiteral("NUEVO");
         h->btnAgregar->Press();
         EXPECT_EQ(h->arrayHijos->Len(), 2);
         S::touchRow(h->arrayHijos, 1);
         h->txtNombre->Value = QStringLiteral("CORREGIDO");
         h->btnAgregar->Press();
         EXPECT_TRUE(MsgSeam::Texts().isEmpty()) << MsgSeam::Texts().join('|').toStdString();
         EXPECT_EQ(S::rows("SELECT 1 FROM rhfamiliar WHERE Idcatalogo = 123456789 AND idparentesco = 3 AND nombre IN ('NUEVO', 'CORREGIDO')").size(), 2);
         ASSERT_TRUE(S::exec("DELETE FROM rhfamiliar WHERE idparentesco = 5 AND Idcatalogo = 123456789"));
         auto* g = s.open<TInformacionGeneral>();
         g->txtConyuge->Value = QStringLiteral("ROSA PRUEBA");
         MsgSeam::QueueAnswer(true);
         g->btnGuardarCambio->Press();
         EXPECT_EQ(S::value("SELECT nombre FROM rhfamiliar WHERE idparentesco = 5 AND Idcatalogo = 123456789"), QStringLiteral("ROSA PRUEBA"));
       }},
      {"a failed statement stops only itself: a father-id collision still saves the mother and spouse", "Modifica=Si\n",
       [](S& s) {
         const QString cat = catalogo();
         ASSERT_TRUE(S::exec("DELETE FROM rhfamiliar WHERE idparentesco IN (1, 2, 5) AND Idcatalogo = " + cat));
         // Another terminal took the number this one is about to use for the father.
         ASSERT_TRUE(S::exec("CREATE TRIGGER numero_tomado BEFORE INSERT ON rhfamiliar WHEN NEW.idparentesco = 1 "
                             "BEGIN SELECT RAISE(ABORT, 'id_familia duplicado'); END"));
         ASSERT_TRUE(S::exec("CREATE TRIGGER datos_bloqueados BEFORE UPDATE ON datosemps "
                             "BEGIN SELECT RAISE(ABORT, 'registro bloqueado'); END"));
         auto* g = s.open<TInformacionGeneral>();
         g->txtPadre->Value = QStringLiteral("JOSÉ PADRE");
         g->txtMadre->Value = QStringLiteral("MARÍA MADRE");
         g->txtConyuge->Value = QStringLiteral("ROSA CÓNYUGE");
         MsgSeam::QueueAnswer(true);
         g->btnGuardarCambio->Press();
         const QList<MsgSeam::Shown> boxes = MsgSeam::Taken();
         ASSERT_EQ(boxes.size(), 3);
         EXPECT_EQ(boxes[1].title, QStringLiteral("EJECUCION INCOMPLETA"));
         EXPECT_TRUE(boxes[1].text.contains("registro bloqueado")) << boxes[1].text.toStdString();
         EXPECT_EQ(boxes[2].title, QStringLiteral("EJECUCION INCOMPLETA"));
         EXPECT_TRUE(boxes[2].text.contains("id_familia duplicado")) << boxes[2].text.toStdString();
         EXPECT_TRUE(S::rows("SELECT 1 FROM rhfamiliar WHERE idparentesco = 1 AND Idcatalogo = " + cat).isEmpty());
         EXPECT_EQ(S::value("SELECT nombre FROM rhfamiliar WHERE idparentesco = 2 AND Idcatalogo = " + cat), QStringLiteral("MARÍA MADRE"));
         EXPECT_EQ(S::value("SELECT nombre FROM rhfamiliar WHERE idparentesco = 5 AND Idcatalogo = " + cat), QStringLiteral("ROSA CÓNYUGE"));
       }},
      {"typing in the children box is not saved; saving answered No sends nothing", "Modifica=Si\n",
       [](S& s) {
         auto* g = s.open<TInformacionGeneral>();
         g->txtHijos->Value = QStringLiteral("NADIE");
         MsgSeam::QueueAnswer(false);
         g->btnGuardarCambio->Press();
         EXPECT_TRUE(S::writes().isEmpty());
         MsgSeam::QueueAnswer(true);
         g->btnGuardarCambio->Press();
         for (const QString& w : S::writes()) EXPECT_FALSE(w.contains("NADIE"));
       }},
  };
  for (const Edge& e : edges) {
    SCOPED_TRACE(e.name);
    S s(QString::fromLatin1(e.variables));
    ASSERT_NE(s.menu, nullptr);
    e.run(s);
    TForm::SetModalHook(nullptr);
  }
}

// The keyboard of the general screen: its own case rule, shifted digits, the symbol column
// and blanks between words; the children screen opens locked with its label empty.
TEST(GeneralInformation, KeyboardLayouts) {
  S s;
  struct KeyCase {
    const char* name;
    QStringList keys;
    const char* typed;
    const char* label;
  };
  const KeyCase cases[] = {
      {"opens in lower case", {"btnQ", "btnEne"}, "qñ", ""},
      {"upper case stays on across keys", {"btnMayusculas", "btnQ", "btnW", "btnEne"}, "QWÑ", "Mayúsculas Activadas"},
      {"digit 1 in both cases", {"btn1", "btnMayusculas", "btn1"}, "11", "Mayúsculas Activadas"},
      {"shifted digits 2 to 0",
       {"btnMayusculas", "btn2", "btn3", "btn4", "btn5", "btn6", "btn7", "btn8", "btn9", "btn0"},
       "\"·$%&/()=", "Mayúsculas Activadas"},
      {"back to digits", {"btnMayusculas", "btn2", "btnMinusculas", "btn2"}, "\"2", ""},
      {"symbol column", {"BtnArroba", "btnDiagonal", "btnGuionMedio", "btnGuionBajo", "btnPunto", "BtnAsterisco", "BtnMAs", "btnComa"},
       "@/-_.*+,", ""},
      {"a blank between words", {"btn5", "btnEspacio", "BtnD", "btnEe"}, "5 de", ""},
      {"backspace", {"btnA", "btnB", "btnRetroceso"}, "a", ""},
      {"backspace after a blank keeps the blank", {"btnA", "btnEspacio", "btnB", "btnRetroceso"}, "a ", ""},
      {"the next letter follows the kept blank", {"btnA", "btnEspacio", "btnB", "btnRetroceso", "btnC"}, "a c", ""},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* g = s.open<TInformacionGeneral>();
    g->txtDomicilio->Value = QString();
    S::press(g->Teclado(), c.keys);
    EXPECT_EQ(g->txtDomicilio->Value(), QString::fromUtf8(c.typed));
    EXPECT_EQ(g->lblEtiquetaMayusculas->cText(), QString::fromUtf8(c.label));
    g->Close();
    DemoTerminal::Settle();
  }
  // The keys write into the edit touched last; the key faces follow the case.
  auto* g = s.open<TInformacionGeneral>();
  EXPECT_EQ(g->oBkgnd(), QStringLiteral("TecladoEdicionDatos"));
  g->Teclado()->Press("btnMayusculas");
  EXPECT_EQ(g->oBkgnd(), QStringLiteral("TecladoEdicionDatos"));
  S::render(g, "informacion-general-mayusculas");
  g->Teclado()->Press("btnMinusculas");
  EXPECT_EQ(g->oBkgnd(), QStringLiteral("DATOSPERSONALES"));
  g->txtTel->OnClick(g->txtTel);
  const QString tel = g->txtTel->Value();
  S::press(g->Teclado(), {"btn9", "btnEspacio"});
  EXPECT_EQ(g->txtTel->Value(), tel + "9 ");

  auto* h = openChildren(s);
  EXPECT_TRUE(h->lblEtiquetaMayusculas->cText().isEmpty());
  h->btnNuevo->Press();
  S::press(h->Teclado(), {"btnA", "btnN", "btnA", "btnEspacio", "btnM"});
  EXPECT_EQ(h->txtNombre->Value(), QStringLiteral("ANA M"));
  h->Teclado()->Press("btnMinusculas");
  EXPECT_TRUE(h->lblEtiquetaMayusculas->cText().isEmpty());
  h->Teclado()->Press("btnMayusculas");
  EXPECT_EQ(h->lblEtiquetaMayusculas->cText(), QStringLiteral("Mayúsculas Activadas"));
}
