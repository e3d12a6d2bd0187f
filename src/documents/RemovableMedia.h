#pragma once
// Removable media: the file systems mounted under the root folder of `[VARIABLES] Medios` in
// config.ini (/media when empty), the only places an employee can save a document to. A file
// is written under a temporary name on the medium and renamed when whole, so a medium that
// is pulled out, full or read-only never holds half a document.
#include <QByteArray>
#include <QList>
#include <QString>

namespace RemovableMedia {

QString Root();

struct Medium {
  QString name;  // what the employee sees: the medium's label or folder name
  QString path;  // its mount point
  qint64 free = 0;
  bool readOnly = false;
};

// Mounted under Root(), in name order.
QList<Medium> List();

enum class Result { Saved, ReadOnly, Full, Failed };

// Writes `bytes` as `fileName` on the medium (" (2)", " (3)"... before the extension when
// the name is taken); `written` gets the name used.
Result Write(const Medium& medium, const QString& fileName, const QByteArray& bytes, QString* written = nullptr);

}  // namespace RemovableMedia
