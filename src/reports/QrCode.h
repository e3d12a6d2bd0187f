#pragma once
// QR code symbols for printed documents, encoded with libqrencode.
#include <QList>
#include <QString>

namespace QrCode {

struct Symbol {
  int width = 0;           // modules to a side
  QList<bool> modules;     // row by row, true is dark
};

// Encodes a text (as UTF-8 bytes) at error-correction level L, M, Q or H, the smallest
// version that holds it. False with a reason when the text does not fit any version.
bool Encode(const QString& text, char level, Symbol& out, QString& error);

}  // namespace QrCode
