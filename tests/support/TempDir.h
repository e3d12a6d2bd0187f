#pragma once
// A scratch folder made the working directory for one test, restored afterwards.
#include <QDir>
#include <QString>
#include <QTemporaryDir>

class ScopedWorkDir {
 public:
  ScopedWorkDir() : m_old(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
  ~ScopedWorkDir() { QDir::setCurrent(m_old); }
  QString path() const { return m_dir.path(); }
  QString file(const QString& name) const { return m_dir.filePath(name); }

 private:
  QTemporaryDir m_dir;
  QString m_old;
};
