#pragma once
// A demo terminal with one employee logged in, the reports and policies screens opened on it
// as the menu opens them, and what a test reads back: mail, PDF text, files left behind.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/AppData.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "reports/PdfTools.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "support/DemoTerminal.h"
#include "support/SmtpServer.h"
#include "toolkit/Controls.h"
#include "toolkit/TextUtil.h"

struct ScreenSession {
  DemoTerminal terminal;
  TPrincipal* menu = nullptr;

  explicit ScreenSession(const QString& employee = QStringLiteral("1"), const QString& password = QStringLiteral("Clave2024")) {
    menu = DemoTerminal::LogIn<TRegistro, TPrincipal>(employee, password);
    MsgSeam::Clear();
  }

  // The company's mail goes to this server (before the screen opens: it loads the settings once).
  static void MailTo(quint16 port) {
    AppData.oAdo->Execute(QStringLiteral("UPDATE PortalEmpleadoConfigMail SET servidor = '127.0.0.1', puerto = '%1'").arg(port));
  }

  template <class Screen>
  Screen* Open() {
    return TForm::New<Screen>(menu, [this](Screen& s) {
      s.CNX = menu->CNX;
      s.empresa = menu->empresa;
      s.codigo = AppData.Codigo;
      s.NombreEmpleado = menu->lblNombre->cText();
    });
  }

  // Documents and temporary folders in the terminal's folder (there should be none).
  QStringList Leftovers() const {
    return QDir(terminal.path()).entryList({QStringLiteral("TEMP*"), QStringLiteral("*.pdf"), QStringLiteral("*.PDF")},
                                           QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
};

// Rows of a statement on the session's data source.
inline Rows RowsOf(const QString& statement) {
  TQuery q(AppData.oAdo, QStringLiteral("GENERAL"), statement);
  return q.RecCount() ? q.GetRows() : Rows();
}

// Every value of a statement's rows as a document prints it: amounts with thousands and two
// decimals, texts trimmed.
inline QStringList Printed(const QString& statement) {
  QStringList out;
  for (const Row& r : RowsOf(statement))
    for (int c = 1; c <= r.count(); ++c) {
      const QVariant v = r.col(c);
      const bool number = v.typeId() == QMetaType::Double || v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int;
      out << (number ? Text::AllTrim(Text::Transform(v, QStringLiteral("9,999,999,999.99"))) : Text::AllTrim(Text::ToText(v)));
    }
  return out;
}

// The text of PDF bytes (a mailed attachment), blanks folded.
inline QString PdfBytesText(const QByteArray& bytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("adjunto.pdf"));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return QString();
  f.write(bytes);
  f.close();
  return PdfTools::Folded(PdfTools::Text(path));
}
