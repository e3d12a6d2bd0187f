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
    // Pictures, policies and report templates of the prepared terminal; not its update scripts,
    // which the copied database already holds.
    for (const QString& folder : {QStringLiteral("demo"), QStringLiteral("FReports")}) {
      const QDir from(QDir(DemoDatabase::StandardTerminal()).filePath(folder));
      QDir().mkpath(m_dir.file(folder));
      for (const QString& f : from.entryList(QDir::Files))
        QFile::copy(from.filePath(f), m_dir.file(folder + u'/' + f));
    }
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

  // Logs in on a fresh login window (values set as if typed) and returns the menu, or null.
  template <class Login, class Menu>
  static Menu* LogIn(const QString& employee, const QString& password) {
    auto* login = TForm::New<Login>();
    login->Show();
    login->txtEmpleado->Value = employee;
    login->txtPassword->Value = password;
    login->btnAceptar->Press();
    Settle();
    return Visible<Menu>();
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
