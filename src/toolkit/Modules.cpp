#include "toolkit/Modules.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

QStringList& chosenFolders() {
  static QStringList folders;
  return folders;
}

QHash<QString, void*>& handles() {
  static QHash<QString, void*> loaded;
  return loaded;
}

QStringList folders() {
  if (!chosenFolders().isEmpty()) return chosenFolders();
  const QString bin = QCoreApplication::applicationDirPath();
  return {bin, QDir::cleanPath(bin + QStringLiteral("/../lib/portal-empleado"))};
}

}  // namespace

namespace Modules {

void* Symbol(const QString& file, const char* symbol, QString* why) {
  void* handle = handles().value(file);
  if (!handle) {
    QString tried;
    for (const QString& folder : folders()) {
      const QString path = QDir(folder).filePath(file);
      if (!QFileInfo::exists(path)) continue;
      handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
      if (handle) break;
      const char* error = dlerror();
      tried = error ? QString::fromLocal8Bit(error) : path;
    }
    if (!handle) {
      if (why)
        *why = tried.isEmpty() ? QStringLiteral("falta el módulo %1 (buscado en %2)").arg(file, folders().join(u", "))
                               : QStringLiteral("no se pudo cargar el módulo %1 (%2)").arg(file, tried);
      return nullptr;
    }
    handles().insert(file, handle);
  }
  void* address = dlsym(handle, symbol);
  if (!address && why) *why = QStringLiteral("el módulo %1 no tiene %2").arg(file, QString::fromLatin1(symbol));
  return address;
}

void SetFolders(const QStringList& list) {
  chosenFolders() = list;
  handles().clear();  // a module once opened stays mapped: its code may still be in use
}

}  // namespace Modules
