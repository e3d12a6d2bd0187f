#pragma once
// Update scripts on disk: listing, checksum, lines and batches.
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace UpdateScript {

// File-name pattern of the scripts the portal applies at start-up.
inline constexpr const char* kPattern = "ActualizaPortalEmpleadoEscritorio*.sql";
// A script line keeps at most this many characters.
inline constexpr int kLineWidth = 1000;

struct FileInfo {
  QString name;   // without folder
  qint64 size = 0;
  QDate date;     // modification date
  QString time;   // modification time, HH:MM:SS
};

// Scripts in `folder` matching the pattern, in ordinal case-insensitive order of their names.
// A missing folder gives an empty list.
QList<FileInfo> List(const QString& folder);

// Standard CRC-32 (zlib, IEEE 802.3) of the bytes.
quint32 Checksum(const QByteArray& bytes);

// Script text: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString Decode(const QByteArray& bytes);

// Lines of a script: each cut to its first 1000 characters, then trimmed.
QStringList Lines(const QString& text);

// A line that ends a batch: its trimmed, upper-cased text begins with "GO" (GO, go 5, GOTO).
bool IsSeparator(const QString& line);

}  // namespace UpdateScript
