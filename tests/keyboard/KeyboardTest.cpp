#include <gtest/gtest.h>

#include <QWidget>

#include "screens/shared/NumericKeypad.h"
#include "screens/shared/OnScreenKeyboard.h"
#include "support/QtPrinters.h"
#include "toolkit/TButtons.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"

namespace {

struct Pad {
  QWidget screen;
  TEdit* first = TEdit::New(&screen, "txtEmpleado");
  TEdit* second = TEdit::New(&screen, "txtPassword");
  TLabel* label = TLabel::New(&screen, "lblEtiquetaMayusculas");
  OnScreenKeyboard keys{&screen, "TRegistro", label};
  Pad() {
    first->nMaxLength = 13;
    keys.SetActive(first);
    keys.SetLock(true);
  }
};

struct KeyCase {
  const char* name;
  QStringList presses;  // key names; "@second" touches the second edit
  const char* first;
  const char* second;
  bool lock;
};

}  // namespace

TEST(OnScreenKeyboard, KeysEditTheActiveEdit) {
  const KeyCase cases[] = {
      {"one digit once", {"btn1"}, "1", "", true},
      {"upper case letters", {"btnQ", "btnEe", "btnEne"}, "QEÑ", "", true},
      {"lower case after the lower key", {"btnMinusculas", "btnQ", "btnEne"}, "qñ", "", false},
      {"upper again", {"btnMinusculas", "btnQ", "btnMayusculas", "btnQ"}, "qQ", "", true},
      {"backspace on empty", {"btnRetroceso", "btnRetroceso"}, "", "", true},
      {"backspace removes the last", {"btn1", "btn2", "btnRetroceso"}, "1", "", true},
      {"space then letter", {"btnQ", "btnEspacio", "btnW"}, "QW", "", true},
      {"arrows do nothing", {"btn5", "btnFlechaIzq", "btnFlechaDer"}, "5", "", true},
      {"touched edit takes the keys", {"btn1", "@second", "btnA", "btn2"}, "1", "A2", true},
      {"fourteen presses past the maximum length",
       {"btn1", "btn2", "btn3", "btn4", "btn5", "btn6", "btn7", "btn8", "btn9", "btn0", "btn1", "btn2", "btn3", "btn4"},
       "12345678901234", "", true},
  };
  for (const auto& c : cases) {
    Pad pad;
    for (const QString& p : c.presses) {
      if (p == u"@second") pad.keys.SetActive(pad.second);
      else {
        ASSERT_NE(pad.keys.Key(p), nullptr) << qPrintable(p);
        pad.keys.Press(p);
      }
    }
    EXPECT_EQ(pad.first->Value(), QString::fromUtf8(c.first)) << c.name;
    EXPECT_EQ(pad.second->Value(), QString::fromUtf8(c.second)) << c.name;
    EXPECT_EQ(pad.keys.Locked(), c.lock) << c.name;
    EXPECT_EQ(pad.label->cText(), c.lock ? QStringLiteral("Mayúsculas Activadas") : QString()) << c.name;
  }
}

TEST(OnScreenKeyboard, KeysAreFlatWithoutTabStopAtTheirRectangles) {
  Pad pad;
  TBtnBmp* one = pad.keys.Key("btn1");
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->geometry(), QRect(87, 339, 73, 42));
  EXPECT_TRUE(one->lFlat());
  EXPECT_FALSE(one->lTabStop());
  EXPECT_EQ(pad.keys.Key("btnEspacio")->geometry(), QRect(248, 544, 486, 42));
  EXPECT_EQ(pad.keys.Key("btnAceptar"), nullptr);  // the screen's own button is not a key
}

TEST(NumericKeypad, BufferGoesToTheFieldTouchedLast) {
  QWidget screen;
  NumericKeypad pad(&screen, "TSolicitarVacaciones");
  TEdit* dia = TEdit::New(&screen, "Dia");
  TEdit* mes = TEdit::New(&screen, "Mes");
  pad.AddField("Dia", dia);
  pad.AddField("Mes", mes);
  pad.ActualizaUltimoControl();  // nothing touched yet: nothing happens
  EXPECT_EQ(dia->Value(), QString());
  pad.Touch("Dia");
  const QString digits[] = {"1", "2"};
  for (const QString& d : digits) {
    for (const KeyDef& k : KeyTable("TSolicitarVacaciones"))
      if (k.kind == u"digit" && k.face == d) pad.Press(k.name);
  }
  EXPECT_EQ(dia->Value(), QStringLiteral("12"));
  pad.Press("btnBorrar");
  EXPECT_EQ(dia->Value(), QStringLiteral("1"));
  mes->Value = "7";
  pad.Touch("Mes");
  EXPECT_EQ(pad.texto, QStringLiteral("7"));
  pad.Press("btnBorrar");
  pad.Press("btnBorrar");
  EXPECT_EQ(mes->Value(), QString());
  EXPECT_EQ(dia->Value(), QStringLiteral("1"));
}
