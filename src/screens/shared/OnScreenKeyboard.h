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

  // The upper-case lock (lBlqMay) and its red label. `showLabel` false changes only the lock
  // (the children screen opens locked with its label still empty).
  void SetLock(bool on, bool showLabel = true);
  bool Locked() const { return m_lock; }

  // Screens where people type words (addresses, names) keep the blank of the space key in
  // the edit, so the next key types after it; elsewhere assigning the value drops it.
  bool lBlankStays = false;

  // Called whenever the lock is set, so a screen can show key faces of the matching case.
  std::function<void(bool lock)> OnLock;

  // The character a key writes. By default letters follow the lock, digits with a shifted
  // character in the table type it while the lock is on, and every other key writes its face.
  std::function<QString(const KeyDef& key, bool lock)> CharFor;

  TBtnBmp* Key(const QString& name) const { return m_buttons.value(name); }
  void Press(const QString& name);  // as a touch on that key

  static const QString kLockText;

 private:
  void pressed(const KeyDef& key);
  void append(const QString& text, bool position);
  void backspace();
  void space();
  void position();  // Posiciona: focus, caret after the last character

  QHash<QString, TBtnBmp*> m_buttons;
  TLabel* m_indicator;
  TEdit* m_active = nullptr;
  bool m_lock = true;
};
