#pragma once
// A terminal folder for screen tests: the working directory holds config.ini aimed at a
// private copy of the demo database (built once per test program) and the demo files. On the
// FreeTDS path (support/DbPath.h) a SQL Server stand-in serves that copy and config.ini names
// it as a site does.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include "app/AppData.h"
#include "data/ConnectionTexts.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "db/DemoDatabase.h"
#include "screens/login/LoginThrottle.h"
#include "support/DbPath.h"
#include "support/SqlServerStandIn.h"
#include "support/TempDir.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

class DemoTerminal {
 public:
  explicit DemoTerminal(const QString& variables = QStringLiteral("SalirActivado=Si\nPDF=Si\nFDA=Si\n"),
                        DbPath path = DbPaths::Current()) {
    DemoDatabase::CopyTo(m_dir.file(QString::fromLatin1(DemoDatabase::kFile)));
    QString config = QStringLiteral("[CONFIG]\nSERVER=(local)\nBD=portal-demo.db\nID=\nPWD=\nAUTOWIN=.F.\n");
    if (path == DbPath::FreeTds) {
      m_server = std::make_unique<SqlServerStandIn>(m_dir.file(QString::fromLatin1(DemoDatabase::kFile)));
      if (m_server->start()) config = m_server->configSection();
      else ADD_FAILURE() << "SQL Server stand-in: " << m_server->errorString().toStdString();
    }
    QFile ini(m_dir.file(QStringLiteral("config.ini")));
    if (ini.open(QIODevice::WriteOnly)) ini.write((config + QStringLiteral("\n[VARIABLES]\n") + variables).toUtf8());
    // Pictures, policies and report templates of the prepared terminal; not its update scripts,
    // which the copied database already holds.
    for (const QString& folder : {QStringLiteral("demo"), QStringLiteral("FReports")}) {
      const QDir from(QDir(DemoDatabase::StandardTerminal()).filePath(folder));
      QDir().mkpath(m_dir.file(folder));
      for (const QString& f : from.entryList(QDir::Files))
        QFile::copy(from.filePath(f), m_dir.file(folder + u'/' + f));
    }
    AppData.Reset();
    LoginThrottle::Terminal() = LoginThrottle();  // a fresh terminal has seen no failed login
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
  // The stand-in serving this terminal on the FreeTDS path, else null.
  SqlServerStandIn* server() const { return m_server.get(); }

  // A data source of its own on this terminal's database, by the terminal's path.
  std::shared_ptr<TDataSource> OpenDataSource() const {
    if (!m_server) return DemoDatabase::Open(file(QString::fromLatin1(DemoDatabase::kFile)));
    auto ds = std::make_shared<TDataSource>();
    const QString user = QString::fromLatin1(SqlServerStandIn::kUser), password = QString::fromLatin1(SqlServerStandIn::kPassword);
    QString error;
    ds->UseEngine(ConnectionTexts::MakeEngine(
        ConnectionTexts::ForDataSource(QStringLiteral("127.0.0.1,%1").arg(m_server->port()),
                                       QString::fromLatin1(SqlServerStandIn::kDatabase), user, password, QStringLiteral(".F.")),
        user, password, &error));
    ds->SetConnected(true);
    return ds;
  }

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
  std::unique_ptr<SqlServerStandIn> m_server;
};
