#pragma once
// Reads the QR codes of a PDF page as a scanner would: the page rendered by poppler's pdftoppm,
// the picture decoded by zbarimg (zbar-tools).
#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace QrReader {

// Every QR code found on page `page` (1-based), in zbar's order; empty when none is found.
inline QStringList Codes(const QString& pdf, int page = 1, int dpi = 200) {
  QTemporaryDir dir;
  const QString prefix = dir.filePath(QStringLiteral("pagina"));
  QProcess render;
  render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                            QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
                                            QString::number(page), QStringLiteral("-l"), QString::number(page), pdf, prefix});
  render.waitForFinished(60000);
  QProcess scan;
  scan.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), QStringLiteral("-Sdisable"),
                                         QStringLiteral("-Sqrcode.enable"), prefix + QStringLiteral(".png")});
  scan.waitForFinished(60000);
  QStringList codes = QString::fromUtf8(scan.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
  return codes;
}

}  // namespace QrReader
