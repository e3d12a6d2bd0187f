#include "screens/shared/NumericKeypad.h"

#include "screens/shared/KeyTable.h"
#include "toolkit/TButtons.h"
#include "toolkit/TEdit.h"

NumericKeypad::NumericKeypad(QWidget* parent, const QString& screen) {
  for (const KeyDef& key : KeyTable(screen)) {
    if (key.kind != u"digit" && key.kind != u"delete") continue;
    TBtnBmp* b = TBtnBmp::New(parent, key.name);
    b->SetBounds(key.rect.x(), key.rect.y(), key.rect.width(), key.rect.height());
    b->lFlat = true;
    b->lTabStop = false;
    b->setAccessibleName(key.face);
    const bool isDelete = key.kind == u"delete";
    const QString digit = key.face;
    b->OnClick = [this, isDelete, digit] {
      if (isDelete) texto.chop(1);
      else texto += digit;
      ActualizaUltimoControl();
    };
    m_buttons.insert(key.name, b);
  }
}

void NumericKeypad::Touch(const QString& name) {
  if (TEdit* e = m_fields.value(name)) texto = e->Value();
  UltimoControl = name;
}

void NumericKeypad::Press(const QString& name) {
  if (TBtnBmp* b = Key(name)) b->Press();
}

void NumericKeypad::ActualizaUltimoControl() {
  if (TEdit* e = m_fields.value(UltimoControl)) e->Value = texto;
}
