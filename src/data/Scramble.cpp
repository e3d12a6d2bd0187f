#include "data/Scramble.h"

#include "toolkit/MsgBox.h"
#include "toolkit/TextUtil.h"

namespace {

// direction +1 scrambles, -1 unscrambles; a value that is not text stops with the partial result.
QString shift(const QVariant& value, int direction, const QString& failTitle, const QString& operation) {
  if (value.isValid() && !value.isNull() && value.typeId() != QMetaType::QString &&
      value.typeId() != QMetaType::QByteArray) {
    MsgStop(operation + QStringLiteral("\r\nArgument error: the value is not text"), failTitle);
    return QString();
  }
  const QByteArray in = value.typeId() == QMetaType::QByteArray ? value.toByteArray()
                                                               : Text::ToCp1252(value.toString());
  QByteArray out(in.size(), '\0');
  for (int i = 1; i <= in.size(); ++i) {
    const int offset = i % 3;
    const int code = static_cast<unsigned char>(in[i - 1]);
    out[i - 1] = static_cast<char>((code + direction * (10 - offset)) & 0xFF);
  }
  return Text::FromCp1252(out);
}

}  // namespace

QString EncriptaPWD(const QVariant& text) {
  return shift(text, +1, QStringLiteral("ENCRIPTACION INCOMPLETA"), QStringLiteral("EncriptaPWD"));
}

QString Desencripta(const QVariant& text) {
  return shift(text, -1, QStringLiteral("DESENCRIPTAR INCOMPLETO"), QStringLiteral("Desencripta"));
}
