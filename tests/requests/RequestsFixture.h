#pragma once
// A demo terminal with a local SMTP server for the request screens: people log in and out on
// it, and a second data source on the same database file stands for another terminal.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <memory>

#include "support/BuildPaths.h"
#include "app/AppData.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "support/DemoTerminal.h"
#include "support/SmtpServer.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"
#include "toolkit/TextUtil.h"

namespace Requests {

// Demo people of company 1: the employee who files (flows: vacations 3 then 1, leave 3 then 6,
// loans 6, 2, 1) and the approvers.
inline const QString kAna = QStringLiteral("5");
inline const QString kAnaClave = QStringLiteral("OIÑA900215AB3");
inline const QString kAnaNombre = QStringLiteral("ANA SOFÍA ORTIZ ÑÍGUEZ");
inline const QString kRh = QStringLiteral("rh@norte.demo.local");
// The entry screen's answer once a request is filed.
inline const QString kGuardada = QStringLiteral("Soliciud guardada y correo(s) electrónico(s) enviado.");

struct Persona {
  QString codigo, clave;
};
inline Persona Aprobador(int codigo) {
  return {QString::number(codigo), codigo == 1 ? QStringLiteral("Clave2024") : QStringLiteral("1234")};
}

class Portal {
 public:
  // `mail`: whether the company's mail configuration points at a running server.
  explicit Portal(bool mail = true) {
    if (mail) started = smtp.start();
    otra = terminal.OpenDataSource();
    const QString port = mail ? smtp.portText() : QString::number(TestSmtp::SmtpServer::FreePort());
    otra->Execute("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '" + port + "'");
  }

  // Logs out whoever is in and logs `codigo` in; journal and boxes start empty.
  TPrincipal* Entra(const QString& codigo, const QString& clave) {
    if (menu) {
      menu->btnSalir->Press();
      DemoTerminal::Settle();
    }
    menu = DemoTerminal::LogIn<TRegistro, TPrincipal>(codigo, clave);
    MsgSeam::Clear();
    StatementJournal::Clear();
    return menu;
  }
  TPrincipal* Entra(const Persona& p) { return Entra(p.codigo, p.clave); }

  // Opens a screen of the menu directly, as the menu does.
  template <class T>
  T* Abre() {
    return TForm::New<T>(menu, [this](T& s) {
      s.CNX = menu->CNX;
      s.empresa = menu->empresa;
    });
  }

  // A person's mail address as the notices find it.
  QString Correo(const QString& codigo) {
    return Text::AllTrim(Text::ToText(Filas("EXEC dbo.PortalEmpleado_ServidorCorreo 1," + codigo).value(0).col(1)));
  }

  // Rows of a statement on the other terminal's connection.
  Rows Filas(const QString& statement) {
    TQuery q(otra, QStringLiteral("GENERAL"), statement);
    return q.RecCount() ? q.GetRows() : Rows();
  }

  // The statements of the session data source whose text contains `part`.
  static QStringList Enviadas(const QString& part) {
    QStringList out;
    for (const QString& s : StatementJournal::Statements())
      if (s.contains(part)) out << s;
    return out;
  }

  static void Mira(QWidget* w, const QString& name) {
    const QString out = BuildPaths::Binary(QStringLiteral("/screens"));
    QDir().mkpath(out);
    Render::ToPng(w, out + u'/' + name + QStringLiteral(".png"));
  }

  DemoTerminal terminal;
  TestSmtp::SmtpServer smtp;
  bool started = false;
  std::shared_ptr<TDataSource> otra;
  TPrincipal* menu = nullptr;
};

inline QString PdfText(const QByteArray& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-"), QStringLiteral("-")});
  p.waitForStarted();
  p.write(pdf);
  p.closeWriteChannel();
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The row of request `id` in a grid whose column 1 holds the id, made current; 0 when absent.
inline int Selecciona(TArrayBrowse* grid, qlonglong id) {
  const Rows rows = grid->aArrayData();
  for (int i = 1; i <= rows.size(); ++i)
    if (static_cast<qlonglong>(Text::Val(rows.row(i).col(1))) == id) {
      grid->nArrayAt = i;
      return i;
    }
  return 0;
}

}  // namespace Requests
