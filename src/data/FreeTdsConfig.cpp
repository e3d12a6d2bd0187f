#include "data/FreeTdsConfig.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <unistd.h>

namespace FreeTdsConfig {

QString Contents() {
  return QStringLiteral(
      "# Written by the portal at every start; the portal's connections read only this file.\n"
      "[global]\n"
      "\ttds version = 7.4\n"
      "\tclient charset = UTF-8\n"
      "\ttext size = 2147483647\n"
      "\t# no connection or command time-out: statements may run as long as they need\n"
      "\ttimeout = 0\n"
      "\tconnect timeout = 0\n");
}

QString Ensure() {
  static QString path;
  if (!path.isEmpty()) return path;
  const QString candidate = QDir::temp().filePath(QStringLiteral("portal-empleado-freetds-%1.conf").arg(::getuid()));
  QSaveFile file(candidate);
  if (file.open(QIODevice::WriteOnly) && file.write(Contents().toUtf8()) >= 0 && file.commit()) path = candidate;
  if (!path.isEmpty()) qputenv("FREETDSCONF", QFile::encodeName(path));
  return path;
}

}  // namespace FreeTdsConfig
