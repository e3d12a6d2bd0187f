// Controls: edit values and typing limits, combo change events, colours, fonts, buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>

#include "support/QtPrinters.h"
#include "toolkit/Controls.h"

namespace {

void typeText(TEdit* edit, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit->Editor(), &press);
  }
}

void click(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

}  // namespace

TEST(Edit, AssignedValueLosesTrailingBlanksOnly) {
  struct Case {
    const char* assigned;
    const char* stored;
  };
  const Case cases[] = {{"abc   ", "abc"}, {"  abc", "  abc"}, {"a b ", "a b"}, {"   ", ""}, {"", ""}};
  TForm f;
  auto* e = TEdit::New(&f, QStringLiteral("txtEmpleado"));
  for (const Case& c : cases) {
    e->Value = QString::fromUtf8(c.assigned);
    EXPECT_EQ(e->Value(), QString::fromUtf8(c.stored)) << c.assigned;
  }
  // The on-screen space key appends a blank through Value: the visible text does not change.
  e->Value = QStringLiteral("ABC");
  e->Value = e->Value() + QStringLiteral(" ");
  e->Value = e->Value() + QStringLiteral("D");
  EXPECT_EQ(e->Value(), "ABCD");
  EXPECT_EQ(e->objectName(), "txtEmpleado");
}

TEST(Edit, MaxLengthLimitsTypingButNotTheOnScreenKeys) {
  TForm f;
  auto* e = TEdit::New(&f, QStringLiteral("txtPassword"));
  e->nMaxLength = 13;
  typeText(e, QStringLiteral("ABCDEFGHIJKLMNOP"));
  EXPECT_EQ(e->Value(), "ABCDEFGHIJKLM");
  e->Value = QString();
  for (int i = 0; i < 14; ++i) e->Value = e->Value() + QStringLiteral("1");
  EXPECT_EQ(e->Value().size(), 14);
  e->InsertText(QStringLiteral("22"));
  EXPECT_EQ(e->Value().size(), 16);
  // A paste on the physical keyboard fills only the room left.
  e->Value = QStringLiteral("1234567890");
  e->SetCaret(10);
  QGuiApplication::clipboard()->setText(QStringLiteral("ABCDEF"));
  QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString());
  QApplication::sendEvent(e->Editor(), &paste);
  EXPECT_EQ(e->Value(), "1234567890ABC");
}

TEST(Edit, NumericAndDigitPicturesFilterTyping) {
  struct Case {
    bool numeric;
    const char* picture;
    const char* typed;
    const char* result;
  };
  const Case cases[] = {
      {true, "", "12a3b", "123"},
      {false, "9999", "12345", "1234"},
      {false, "9999999999", "00A12", "0012"},
      {false, "99/99", "1231", "12/31"},
      {false, "!!!", "abcd", "ABC"},
      {false, "", "x y", "x y"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TForm f;
    auto* e = TEdit::New(&f);
    e->lNumeric = c.numeric;
    e->cPicture = QString::fromUtf8(c.picture);
    typeText(e, QString::fromUtf8(c.typed));
    EXPECT_EQ(e->Value(), QString::fromUtf8(c.result));
  }
}

TEST(Edit, OnScreenKeyboardHelpersEditAtTheCaret) {
  TForm f;
  auto* e = TEdit::New(&f, QStringLiteral("txtNombre"));
  int changes = 0;
  e->OnChange = [&](TEdit* sender) {
    EXPECT_EQ(sender, e);
    ++changes;
  };
  e->Value = QStringLiteral("ACD");
  EXPECT_EQ(changes, 0) << "assigning Value is not a change by the user";
  e->SetCaret(1);
  e->InsertText(QStringLiteral("B"));
  EXPECT_EQ(e->Value(), "ABCD");
  EXPECT_EQ(e->CaretPos(), 2);
  e->CaretToEnd();
  EXPECT_EQ(e->CaretPos(), 4);
  e->Backspace();
  EXPECT_EQ(e->Value(), "ABC");
  e->Value = QString();
  e->Backspace();  // nothing to remove, no error
  EXPECT_EQ(e->Value(), "");
  EXPECT_EQ(changes, 2);
  typeText(e, QStringLiteral("z"));
  EXPECT_EQ(changes, 3);
}

TEST(Edit, MultilineKeepsTheSameInterface) {
  TForm f;
  auto* e = TEdit::New(&f, QStringLiteral("txtHijos"));
  e->Value = QStringLiteral("uno");
  e->lMultiline = true;
  EXPECT_EQ(e->Value(), "uno");
  e->CaretToEnd();
  e->InsertText(QStringLiteral("\ndos  "));
  EXPECT_EQ(e->Value(), "uno\ndos  ");
  e->Value = QStringLiteral("tres  ");
  EXPECT_EQ(e->Value(), "tres");
  e->nMaxLength = 5;
  e->CaretToEnd();
  typeText(e, QStringLiteral("xyz"));
  EXPECT_EQ(e->Value(), "tresx");
}

TEST(Edit, ClickAndPasswordMask) {
  TForm f;
  f.resize(300, 100);
  auto* e = TEdit::New(&f, QStringLiteral("txtPassword"));
  e->SetBounds(10, 10, 200, 30);
  e->lPassword = true;
  int clicks = 0;
  e->OnClick = [&] { ++clicks; };
  click(e->Editor());
  EXPECT_EQ(clicks, 1);
  auto* line = qobject_cast<QLineEdit*>(e->Editor());
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->echoMode(), QLineEdit::Password);
  e->Value = QStringLiteral("secreto");
  EXPECT_EQ(line->displayText(), "*******");
}

TEST(ComboBox, ProgrammaticSelectionNeverFiresOnChange) {
  TForm f;
  auto* cmb = TComboBox::New(&f, QStringLiteral("cmbTipo"));
  int changes = 0;
  cmb->OnChange = [&](TComboBox*) { ++changes; };
  EXPECT_EQ(cmb->nIndex(), 0);
  cmb->AddItem(QStringLiteral("VACACIONES"));
  cmb->AddItem(QStringLiteral("PERMISOS"));
  cmb->AddItem(QStringLiteral("PRESTAMOS"));
  EXPECT_EQ(cmb->nIndex(), 0) << "adding items selects nothing";
  EXPECT_EQ(cmb->cText(), "");
  cmb->nIndex = 2;
  EXPECT_EQ(cmb->cText(), "PERMISOS");
  cmb->cText = QStringLiteral("PRESTAMOS");
  EXPECT_EQ(cmb->nIndex(), 3);
  cmb->SetItems({QStringLiteral("A"), QStringLiteral("B")});
  EXPECT_EQ(cmb->nIndex(), 0);
  cmb->nIndex = 9;
  EXPECT_EQ(cmb->nIndex(), 0);
  EXPECT_EQ(changes, 0);
  cmb->UserSelect(2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(cmb->cText(), "B");
}

TEST(Colors, BlueGreenRedValues) {
  struct Case {
    int value;
    QColor color;
  };
  const Case cases[] = {{0, QColor(0, 0, 0)},
                        {255, QColor(255, 0, 0)},
                        {8388608, QColor(0, 0, 128)},
                        {16777215, QColor(255, 255, 255)},
                        {0x00FF00, QColor(0, 255, 0)},
                        {0x123456, QColor(0x56, 0x34, 0x12)}};
  for (const Case& c : cases) {
    EXPECT_EQ(Clr::ToQColor(c.value), c.color) << c.value;
    EXPECT_EQ(Clr::FromQColor(c.color), c.value);
  }
  TForm f;
  auto* lbl = TLabel::New(&f, QStringLiteral("lblEtiquetaMayusculas"));
  lbl->nClrText = Clr::Red;
  EXPECT_EQ(lbl->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(lbl->nClrText(), 255);
}

TEST(Fonts, FacesOfTheScreensResolveToInstalledFamilies) {
  TFont::InstallSubstitutes();
  struct Case {
    const char* face;
    const char* family;
  };
  const Case cases[] = {{"MS Sans Serif", "Liberation Sans"},
                        {"Tahoma", "Liberation Sans"},
                        {"Arial", "Liberation Sans"},
                        {"Arial Narrow", "Liberation Sans Narrow"},
                        {"Calibri", "Carlito"}};
  for (const Case& c : cases) {
    const QFont font = TFont::Create(QString::fromUtf8(c.face), 18, 0, 700);
    EXPECT_EQ(QFontInfo(font).family(), QString::fromUtf8(c.family)) << c.face;
    EXPECT_EQ(font.pointSize(), 18);
    EXPECT_EQ(font.weight(), QFont::Bold);
  }
  EXPECT_EQ(TFont::Create(QStringLiteral("Tahoma"), 8, 0, 400).weight(), QFont::Normal);
}

TEST(Buttons, FlatCaptionlessPictureButtonIsPressableAndShowsTheTouch) {
  TForm f;
  f.resize(200, 100);
  auto* key = TBtnBmp::New(&f, QStringLiteral("btnQ"));
  key->SetBounds(10, 10, 78, 42);
  key->lFlat = true;
  key->lTabStop = false;
  int clicks = 0;
  key->OnClick = [&](TBtnBmp* s) {
    EXPECT_EQ(s, key);
    ++clicks;
  };
  const QImage idle = key->grab().toImage();
  key->setDown(true);
  const QImage pressed = key->grab().toImage();
  key->setDown(false);
  EXPECT_NE(idle, pressed) << "a touched flat key looks different";
  click(key);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(key->focusPolicy(), Qt::NoFocus) << "keys do not take the focus from the edit";
  key->lEnabled = false;
  click(key);
  EXPECT_EQ(clicks, 1);
}

TEST(Buttons, ChecksRadiosAndPlainButtonsReportTheirSender) {
  TForm f;
  auto* chk = TCheckBox::New(&f, QStringLiteral("chkTodas"));
  auto* opt1 = TRadio::New(&f, QStringLiteral("optOpcion1"));
  auto* opt2 = TRadio::New(&f, QStringLiteral("optOpcion2"));
  auto* btn = TButton::New(&f, QStringLiteral("btnGuardar"));
  QStringList got;
  chk->OnClick = [&](TCheckBox* s) { got << s->objectName(); };
  opt2->OnClick = [&](TRadio* s) { got << s->objectName(); };
  btn->OnClick = [&](TButton* s) { got << s->objectName(); };
  chk->click();
  opt1->lChecked = true;
  opt2->click();
  btn->Press();
  EXPECT_EQ(got, QStringList({"chkTodas", "optOpcion2", "btnGuardar"}));
  EXPECT_TRUE(chk->lChecked());
  EXPECT_FALSE(opt1->lChecked()) << "option buttons of one parent exclude each other";
}
