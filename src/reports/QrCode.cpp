#include "reports/QrCode.h"

#include <qrencode.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace QrCode {

bool Encode(const QString& text, char level, Symbol& out, QString& error) {
  out = Symbol();
  QRecLevel ec = QR_ECLEVEL_M;
  switch (level) {
    case 'L': ec = QR_ECLEVEL_L; break;
    case 'Q': ec = QR_ECLEVEL_Q; break;
    case 'H': ec = QR_ECLEVEL_H; break;
    default: break;
  }
  const QByteArray bytes = text.toUtf8();
  // 8-bit mode keeps the text byte for byte; a text beyond ASCII says it is UTF-8 (ECI 26), so a
  // scanner does not take its bytes for another character set. The encoder picks the version.
  const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, ec), &QRinput_free);
  errno = 0;
  if (!input || (!ascii && QRinput_appendECIheader(input.get(), 26) != 0) ||
      QRinput_append(input.get(), QR_MODE_8, int(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.constData())) != 0) {
    error = QStringLiteral("no se pudo generar el código QR: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return false;
  }
  errno = 0;
  std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeInput(input.get()), &QRcode_free);
  if (!code) {
    error = errno == ERANGE ? QStringLiteral("el texto no cabe en un código QR (%1 bytes)").arg(bytes.size())
                            : QStringLiteral("no se pudo generar el código QR: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return false;
  }
  out.width = code->width;
  out.modules.reserve(out.width * out.width);
  for (int i = 0; i < out.width * out.width; ++i) out.modules << bool(code->data[i] & 1);
  return true;
}

}  // namespace QrCode
