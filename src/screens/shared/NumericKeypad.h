#pragma once
// The numeric keypad: digit keys and a delete key edit a text buffer, which is then copied
// into the field touched last.
#include <QHash>
#include <QString>

class QWidget;
class TBtnBmp;
class TEdit;

class NumericKeypad {
 public:
  // Lays the digit and delete keys of `screen`'s key table on `parent`.
  NumericKeypad(QWidget* parent, const QString& screen);

  // The fields the keypad can fill, by the names the screen uses ("Numero", "Dia", ...).
  void AddField(const QString& name, TEdit* edit) { m_fields.insert(name, edit); }
  // Touching a field: the buffer takes its value and it becomes the last field touched.
  void Touch(const QString& name);

  QString texto;           // the buffer
  QString UltimoControl;   // name of the field touched last

  TBtnBmp* Key(const QString& name) const { return m_buttons.value(name); }
  void Press(const QString& name);

  // Copies the buffer into the field touched last; nothing when none was touched.
  void ActualizaUltimoControl();

 private:
  QHash<QString, TBtnBmp*> m_buttons;
  QHash<QString, TEdit*> m_fields;
};
