#pragma once
// A terminal folder for screen tests: the working directory holds config.ini aimed at a
// private copy of the demo database (built once per test program) and the demo files.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include "app/AppData.h"
#include "data/StatementJournal.h"
#include "db/DemoDatabase.h"
#include "support/TempDir.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

class DemoTerminal {
 public:
  explicit DemoTerminal(const QString& variables = QStringLiteral("SalirActivado=Si\nPDF=Si\nFDA=Si\n")) {
    DemoDatabase::CopyTo(m_dir.file(QString::fromLatin1(DemoDatabase::kFile)));
    QFile ini(m_dir.file(QStringLiteral("config.ini")));
    if (ini.open(QIODevice::WriteOnly))
      ini.write(("[CONFIG]\nSERVER=(local)\nBD=portal-demo.db\nID=\nPWD=\nAUTOWIN=.F.\n\n[VARIABLES]\n" + variables)
                    .toUtf8());
    const QDir demo(QDir(DemoDatabase::StandardTerminal()).filePath(QStringLiteral("demo")));
    QDir().mkpath(m_dir.file(QStringLiteral("demo")));
    for (const QString& f : demo.entryList(QDir::Files))
      QFile::copy(demo.filePath(f), m_dir.file(QStringLiteral("demo/") + f));
    AppData.Reset();
    MsgSeam::Clear();
    StatementJournal::Clear();
  }
  ~DemoTerminal() {
    TForm::SetModalHook(nullptr);
    for (TForm* f : Application::Windows()) f->deleteLater();
    Settle();
  }

  QString path() const { return m_dir.path(); }
  QString file(const QString& name) const { return m_dir.file(name); }

  // Lets closed screens go, as the event loop would between two touches.
  static void Settle() {
    for (int i = 0; i < 3; ++i) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCoreApplication::processEvents();
    }
  }

  // The visible screen of class T, or null.
  template <class T>
  static T* Visible() {
    for (TForm* f : Application::Windows())
      if (auto* t = qobject_cast<T*>(f); t && t->isVisible()) return t;
    return nullptr;
  }

 private:
  ScopedWorkDir m_dir;
};
