#pragma once
// The administrator logged in on a demo terminal, and what the admin tests read back.
#include <QDir>
#include <QStringList>

#include "support/BuildPaths.h"
#include "app/AppData.h"
#include "data/StatementJournal.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "screens/admin/TAdministrador.h"
#include "screens/login/TRegistro.h"
#include "screens/shared/FilePicker.h"
#include "support/DemoTerminal.h"
#include "toolkit/Controls.h"
#include "toolkit/Render.h"
#include "toolkit/TextUtil.h"

inline Rows rowsOf(const QString& statement) {
  TQuery q(AppData.oAdo, QStringLiteral("GENERAL"), statement);
  return q.RecCount() ? q.GetRows() : Rows();
}

inline QStringList column(const Rows& rows, int n) {
  QStringList out;
  for (const Row& r : rows) out << Text::AllTrim(Text::ToText(r.col(n)));
  return out;
}

// Statements sent since the journal was last cleared that start with `head`.
inline QStringList sentStarting(const QString& head) {
  QStringList out;
  for (const QString& s : StatementJournal::Statements())
    if (s.startsWith(head)) out << s;
  return out;
}

struct AdminSession {
  DemoTerminal terminal;
  TAdministrador* admin = nullptr;
  AdminSession() {
    admin = DemoTerminal::LogIn<TRegistro, TAdministrador>(QStringLiteral("Administrador"), QStringLiteral("Admin2024"));
    FilePicker::Seam::Clear();
    MsgSeam::Clear();
    StatementJournal::Clear();
  }
  ~AdminSession() {
    FilePicker::Seam::Clear();
    TForm::SetModalHook(nullptr);
  }
  // Runs `action` with `hook` answering the modal windows it opens.
  template <class Action, class Hook>
  static void WithModal(Action&& action, Hook&& hook) {
    TForm::SetModalHook(hook);
    action();
    TForm::SetModalHook(nullptr);
  }
  static QString ScreensDir() {
    const QString out = BuildPaths::Binary(QStringLiteral("/screens"));
    QDir().mkpath(out);
    return out;
  }
};

// The shown row of a grid whose element `col` trims to `value`; 0 when none.
inline int rowWith(TArrayBrowse* grid, int col, const QString& value) {
  const Rows rows = grid->aArrayData();
  for (int i = 1; i <= rows.size(); ++i)
    if (Text::AllTrim(Text::ToText(rows.row(i).col(col))) == value) return i;
  return 0;
}
