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

MailFolder::MailFolder() : m_dir(QDir::current().filePath(QStringLiteral("TEMPcorreo-XXXXXX"))) {}

QString MailFolder::FilePath(const QString& name) const { return m_dir.isValid() ? m_dir.filePath(name) : QString(); }

}  // namespace TempFiles
