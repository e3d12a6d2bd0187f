#pragma once
// The reversible byte-shifting pair used for employee, administrator and mail passwords.
// Works on Windows-1252 bytes, so the result always has the argument's length.
#include <QString>
#include <QVariant>

QString EncriptaPWD(const QVariant& text);   // scramble
inline QString Encripta(const QVariant& text) { return EncriptaPWD(text); }
QString Desencripta(const QVariant& text);   // unscramble
