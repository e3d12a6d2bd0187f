#include "update/UpdateScript.h"

#include <zlib.h>

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

#include "toolkit/TextUtil.h"

namespace UpdateScript {

QList<FileInfo> List(const QString& folder) {
  QList<FileInfo> out;
  const QDir dir(folder);
  if (!dir.exists()) return out;
  const QFileInfoList found =
      dir.entryInfoList({QString::fromLatin1(kPattern)}, QDir::Files | QDir::System | QDir::Hidden, QDir::NoSort);
  for (const QFileInfo& fi : found) {
    // Regular files, and links even when broken (reported as unreadable when run).
    if (!fi.isFile() && !fi.isSymLink()) continue;
    const QDateTime modified = fi.lastModified();
    out.append({fi.fileName(), fi.size(), modified.date(), modified.time().toString(QStringLiteral("HH:mm:ss"))});
  }
  std::sort(out.begin(), out.end(), [](const FileInfo& a, const FileInfo& b) {
    const int c = QString::compare(a.name, b.name, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
  });
  return out;
}

quint32 Checksum(const QByteArray& bytes) {
  uLong crc = crc32(0L, Z_NULL, 0);
  const auto* data = reinterpret_cast<const Bytef*>(bytes.constData());
  qsizetype left = bytes.size();
  while (left > 0) {  // zlib takes the length as uInt
    const uInt chunk = static_cast<uInt>(std::min<qsizetype>(left, 1 << 30));
    crc = crc32(crc, data, chunk);
    data += chunk;
    left -= chunk;
  }
  return static_cast<quint32>(crc);
}

QString Decode(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) {
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);  // byte-order mark
    return text;
  }
  return Text::FromCp1252(bytes);
}

QStringList Lines(const QString& text) {
  QString unified = text;
  unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  unified.replace(u'\r', u'\n');
  QStringList lines = unified.split(u'\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // final line break
  for (QString& line : lines) line = line.left(kLineWidth).trimmed();
  return lines;
}

bool IsSeparator(const QString& line) {
  return line.trimmed().toUpper().startsWith(QStringLiteral("GO"));
}

}  // namespace UpdateScript
