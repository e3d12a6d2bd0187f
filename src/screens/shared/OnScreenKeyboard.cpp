#include "screens/shared/OnScreenKeyboard.h"

#include "toolkit/TButtons.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"

const QString OnScreenKeyboard::kLockText = QStringLiteral("Mayúsculas Activadas");

OnScreenKeyboard::OnScreenKeyboard(QWidget* parent, const QString& screen, TLabel* indicator)
    : m_indicator(indicator) {
  CharFor = [](const KeyDef& key, bool lock) {
    if (key.kind == u"letter") return lock ? key.face.toUpper() : key.face.toLower();
    if (key.kind == u"digit" && lock && !key.shift.isEmpty()) return key.shift;
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

void OnScreenKeyboard::SetLock(bool on, bool showLabel) {
  m_lock = on;
  if (m_indicator && showLabel) m_indicator->cText = on ? kLockText : QString();
  if (OnLock) OnLock(on);
}

void OnScreenKeyboard::Press(const QString& name) {
  if (TBtnBmp* b = Key(name)) b->Press();
}

void OnScreenKeyboard::pressed(const KeyDef& key) {
  if (key.kind == u"upper") SetLock(true);
  else if (key.kind == u"lower") SetLock(false);
  else if (key.kind == u"backspace") backspace();
  else if (key.kind == u"space") space();
  else if (key.kind == u"left" || key.kind == u"right") return;
  // Symbol keys leave the focus where it is; digits and letters bring the caret to the end.
  else append(CharFor(key, m_lock), key.kind != u"symbol");
}

void OnScreenKeyboard::space() {
  if (!m_active) return;
  if (!lBlankStays) {
    append(QStringLiteral(" "), false);
    return;
  }
  m_active->SetCaret(static_cast<int>(m_active->Value().size()));
  m_active->InsertText(QStringLiteral(" "));
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
  if (lBlankStays) {
    // One character goes, and a blank before it stays for the next key.
    m_active->SetCaret(static_cast<int>(m_active->Value().size()));
    m_active->Backspace();
  } else {
    const QString v = m_active->Value();
    if (!v.isEmpty()) m_active->Value = v.left(v.size() - 1);
  }
  position();
}

void OnScreenKeyboard::position() {
  if (m_active) m_active->CaretToEnd();
}
