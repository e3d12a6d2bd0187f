#pragma once
// The full on-screen keyboard: flat, caption-less key buttons laid over the screen's
// background at the rectangles of its key table. Every key edits the active edit.
#include <QHash>
#include <QString>
#include <functional>

#include "screens/shared/KeyTable.h"

class QWidget;
class TBtnBmp;
class TEdit;
class TLabel;

class OnScreenKeyboard {
 public:
  // Lays the keys of `screen` on `parent`. `indicator` shows "Mayúsculas Activadas" while
  // the upper-case lock is on.
  OnScreenKeyboard(QWidget* parent, const QString& screen, TLabel* indicator);

  // The active edit (oCntrlAct): the keys write into the edit touched last.
  void SetActive(TEdit* edit) { m_active = edit; }
  TEdit* Active() const { return m_active; }

  // The upper-case lock (lBlqMay) and its red label.
  void SetLock(bool on);
  bool Locked() const { return m_lock; }

  // The character a key writes. By default letters follow the lock and every other key
  // writes its face; screens with shifted keys replace it.
  std::function<QString(const KeyDef& key, bool lock)> CharFor;

  TBtnBmp* Key(const QString& name) const { return m_buttons.value(name); }
  void Press(const QString& name);  // as a touch on that key

  static const QString kLockText;

 private:
  void pressed(const KeyDef& key);
  void append(const QString& text, bool position);
  void backspace();
  void position();  // Posiciona: focus, caret after the last character

  QHash<QString, TBtnBmp*> m_buttons;
  TLabel* m_indicator;
  TEdit* m_active = nullptr;
  bool m_lock = true;
};
