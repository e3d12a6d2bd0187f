#include "screens/shared/OnScreenKeyboard.h"

#include "toolkit/TButtons.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"

const QString OnScreenKeyboard::kLockText = QStringLiteral("Mayúsculas Activadas");

OnScreenKeyboard::OnScreenKeyboard(QWidget* parent, const QString& screen, TLabel* indicator)
    : m_indicator(indicator) {
  CharFor = [](const KeyDef& key, bool lock) {
    if (key.kind == u"letter") return lock ? key.face.toUpper() : key.face.toLower();
    return key.face;
  };
  for (const KeyDef& key : KeyTable(screen)) {
    if (key.kind == u"button" || key.kind == u"delete") continue;
    TBtnBmp* b = TBtnBmp::New(parent, key.name);
    b->SetBounds(key.rect.x(), key.rect.y(), key.rect.width(), key.rect.height());
    b->lFlat = true;
    b->lTabStop = false;
    b->setAccessibleName(key.face);
    b->OnClick = [this, key] { pressed(key); };
    m_buttons.insert(key.name, b);
  }
}

void OnScreenKeyboard::SetLock(bool on) {
  m_lock = on;
  if (m_indicator) m_indicator->cText = on ? kLockText : QString();
}

void OnScreenKeyboard::Press(const QString& name) {
  if (TBtnBmp* b = Key(name)) b->Press();
}

void OnScreenKeyboard::pressed(const KeyDef& key) {
  if (key.kind == u"upper") SetLock(true);
  else if (key.kind == u"lower") SetLock(false);
  else if (key.kind == u"backspace") backspace();
  else if (key.kind == u"space") append(QStringLiteral(" "), false);
  else if (key.kind == u"left" || key.kind == u"right") return;
  else append(CharFor(key, m_lock), true);
}

// Keys append at the end whatever the edit's maximum length; assigning the value drops
// trailing blanks, so a space only shows once something follows it.
void OnScreenKeyboard::append(const QString& text, bool reposition) {
  if (!m_active) return;
  m_active->Value = m_active->Value() + text;
  if (reposition) position();
}

void OnScreenKeyboard::backspace() {
  if (!m_active) return;
  const QString v = m_active->Value();
  if (!v.isEmpty()) m_active->Value = v.left(v.size() - 1);
  position();
}

void OnScreenKeyboard::position() {
  if (m_active) m_active->CaretToEnd();
}
