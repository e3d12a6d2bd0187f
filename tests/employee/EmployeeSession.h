#pragma once
// Employee 1 of company 1 logged in on a demo terminal, and what the employee screens' tests
// share: direct reads and writes on the terminal's database, touches on grid rows, and the
// writes the direct connection sent.
#include <QDir>
#include <QStringList>

#include "support/BuildPaths.h"
#include "app/AppData.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "screens/login/TRegistro.h"
#include "screens/menu/TPrincipal.h"
#include "support/DemoTerminal.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"
#include "toolkit/TextUtil.h"

struct EmployeeSession {
  DemoTerminal terminal;
  TPrincipal* menu = nullptr;

  explicit EmployeeSession(const QString& variables = QStringLiteral("SalirActivado=Si\nModifica=Si\n"))
      : terminal(variables) {
    menu = DemoTerminal::LogIn<TRegistro, TPrincipal>(QStringLiteral("1"), QStringLiteral("Clave2024"));
    MsgSeam::Clear();
    StatementJournal::Clear();
  }
  ~EmployeeSession() { TForm::SetModalHook(nullptr); }

  // A screen opened as the menu opens it, for the logged-in employee or another code.
  template <class Screen>
  Screen* open(const QString& codigo = QString()) {
    return TForm::New<Screen>(menu, [this, &codigo](Screen& s) {
      s.CNX = menu->CNX;
      s.empresa = menu->empresa;
      s.codigo = codigo.isEmpty() ? AppData.Codigo : codigo;
    });
  }

  static Rows rows(const QString& statement) {
    TQuery q(AppData.oAdo, QStringLiteral("GENERAL"), statement);
    return q.RecCount() ? q.GetRows() : Rows();
  }
  static QString value(const QString& statement) {
    const Rows r = rows(statement);
    return r.isEmpty() ? QString() : Text::ToText(r.row(1).col(1));
  }
  static bool exec(const QString& statement) { return AppData.oAdo->Execute(statement); }

  // The writes sent through the direct connection since the journal was cleared, in order.
  static QStringList writes() {
    QStringList out;
    for (const JournalEntry& e : StatementJournal::Entries())
      if (e.channel == u"CNX" && e.kind == JournalEntry::Kind::Statement) out << e.statement;
    return out;
  }

  // A touch on row n (1-based) of a grid: the row becomes current and is clicked.
  static void touchRow(TArrayBrowse* grid, int n) {
    const QModelIndex cell = grid->View()->model()->index(n - 1, 1);
    grid->View()->setCurrentIndex(cell);
    emit grid->View()->clicked(cell);
  }

  // Presses the keys named, in order.
  template <class Keys>
  static void press(Keys* keys, const QStringList& names) {
    for (const QString& n : names) keys->Press(n);
  }

  static void render(QWidget* screen, const QString& name) {
    const QString out = BuildPaths::Binary(QStringLiteral("/screens"));
    QDir().mkpath(out);
    Render::ToPng(screen, out + u'/' + name + QStringLiteral(".png"));
  }
};
