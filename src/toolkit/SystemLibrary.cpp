#include "toolkit/SystemLibrary.h"

#include <dlfcn.h>

SystemLibrary::SystemLibrary(const char* file, const char* package)
    : m_file(file), m_package(QString::fromLatin1(package)) {}

bool SystemLibrary::Load() {
  if (m_handle) return true;
  if (m_tried) return false;
  m_tried = true;
  m_handle = dlopen(m_file.constData(), RTLD_NOW | RTLD_LOCAL);
  if (!m_handle) {
    const char* why = dlerror();
    m_problem = QStringLiteral("No se pudo cargar la biblioteca %1 (%2). Instale el paquete %3.")
                    .arg(QString::fromLatin1(m_file), why ? QString::fromLocal8Bit(why) : QString(), m_package);
  }
  return m_handle != nullptr;
}

void* SystemLibrary::Symbol(const char* name) const { return m_handle ? dlsym(m_handle, name) : nullptr; }

void SystemLibrary::UseFile(const QByteArray& file) {
  // A library once opened stays mapped: its functions may still be referenced.
  m_file = file;
  m_handle = nullptr;
  m_tried = false;
  m_problem.clear();
}
