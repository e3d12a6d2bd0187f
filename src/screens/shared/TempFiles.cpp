#include "screens/shared/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "documents/OfficeConversion.h"
#include "toolkit/DocumentOpener.h"

namespace TempFiles {

void Delete() {
  const QDir dir = QDir::current();
  for (const QString& name : dir.entryList({QStringLiteral("TEMP*")}, QDir::Files | QDir::Hidden | QDir::System))
    QFile::remove(dir.filePath(name));
  // Only folders of our own making; a folder is never followed through a link.
  for (const QString& name :
       dir.entryList({QStringLiteral("TEMPcorreo-*"), QStringLiteral("TEMPdocumentos-*")},
                     QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
    const QString path = dir.filePath(name);
    if (QFileInfo(path).isSymLink()) QFile::remove(path);
    else QDir(path).removeRecursively();
  }
}

void CloseViewersAndDelete() {
  DocumentOpener::CloseAll();
  OfficeConversion::Discard();
  Delete();
}

MailFolder::MailFolder() : m_dir(QDir::current().filePath(QStringLiteral("TEMPcorreo-XXXXXX"))) {}

QString MailFolder::FilePath(const QString& name) const { return m_dir.isValid() ? m_dir.filePath(name) : QString(); }

}  // namespace TempFiles
