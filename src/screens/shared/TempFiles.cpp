#include "screens/shared/TempFiles.h"

#include <QDir>
#include <QFile>

#include "toolkit/DocumentOpener.h"

namespace TempFiles {

void CloseViewersAndDelete() {
  DocumentOpener::CloseAll();
  const QDir dir = QDir::current();
  for (const QString& name : dir.entryList({QStringLiteral("TEMP*.*")}, QDir::Files | QDir::Hidden))
    QFile::remove(dir.filePath(name));
}

}  // namespace TempFiles
