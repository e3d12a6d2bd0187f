#pragma once
// The key rectangles of the screens that carry an on-screen keyboard. The same compiled-in
// table draws the key faces on the background pictures, so keys and faces always line up.
#include <QList>
#include <QRect>
#include <QString>

struct KeyDef {
  QString name;   // control name, e.g. "btnEe"
  QRect rect;     // inside the picture that carries the keys
  QString face;   // the character or word drawn on the key
  QString kind;   // digit, letter, symbol, backspace, space, upper, lower, left, right, delete, button
  QString shift;  // the shifted character of a digit key, where the screen has one
};

// Keys of one screen (by class name, e.g. "TRegistro"), in table order. Entries of kind
// "button" are the screen's own buttons drawn on the background, not keys.
QList<KeyDef> KeyTable(const QString& screen);
