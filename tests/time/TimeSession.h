#pragma once
// A demo terminal with an employee logged in, for the vacation, absence and overtime screens;
// the previews those screens open are taken as PDF files and read back.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QStringList>

#include "support/BuildPaths.h"
#include "data/TQuery.h"
#include "reports/PdfTools.h"
#include "reports/ReportModal.h"
#include "reports/ReportPreview.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "support/DemoTerminal.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"
#include "toolkit/TextUtil.h"

namespace TimeTests {

inline Rows RowsOf(const QString& statement) {
  TQuery q(AppData.oAdo, QStringLiteral("GENERAL"), statement);
  return q.RecCount() ? q.GetRows() : Rows();
}

inline QStringList Column(const Rows& rows, int n) {
  QStringList out;
  for (const Row& r : rows) out << Text::AllTrim(Text::ToText(r.col(n)));
  return out;
}

inline QString OutDir() {
  const QString out = BuildPaths::Binary(QStringLiteral("/screens"));
  QDir().mkpath(out);
  return out;
}

struct Session {
  DemoTerminal terminal;
  TPrincipal* menu = nullptr;
  explicit Session(const QString& employee = QStringLiteral("1"), const QString& password = QStringLiteral("Clave2024"),
                   const QString& variables = QStringLiteral("SalirActivado=Si\n"))
      : terminal(variables) {
    menu = DemoTerminal::LogIn<TRegistro, TPrincipal>(employee, password);
    MsgSeam::Clear();
  }

  // Opens a screen as the menu does, without running its modal loop.
  template <class Screen>
  Screen* open(bool withName = false) {
    return TForm::New<Screen>(menu, [this, withName](Screen& s) {
      s.CNX = menu->CNX;
      s.empresa = menu->empresa;
      s.codigo = AppData.Codigo;
      if (withName) s.NombreEmpleado = menu->lblNombre->cText();
    });
  }
};

// Runs `action`; every preview it opens is saved under `pdf` (one file per preview, numbered
// from the second on) and its window title kept. Returns the titles.
template <class Action>
QStringList Previews(const QString& pdf, Action&& action) {
  QStringList titles;
  ReportModal::SetHookForTests([&](QDialog& dialog) {
    auto* preview = dynamic_cast<ReportPreview*>(&dialog);
    if (!preview) return 0;
    const QString file = titles.isEmpty() ? pdf : pdf + u'.' + QString::number(titles.size());
    QFile::remove(file);
    preview->SaveAs(file);
    titles << dialog.windowTitle();
    return 0;
  });
  action();
  ReportModal::SetHookForTests({});
  return titles;
}

}  // namespace TimeTests
