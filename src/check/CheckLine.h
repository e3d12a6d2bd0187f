#pragma once
// One line of the terminal check: what was checked, whether it passed, what was found and, when
// it failed, what to do about it.
#include <QList>
#include <QString>

struct CheckLine {
  QString id;     // stable name for fleet tools, e.g. "bd.contrato"
  QString title;  // what was checked, for people
  bool ok = false;
  QString found;
  QString todo;   // empty when ok

  static CheckLine Pass(const QString& id, const QString& title, const QString& found) { return {id, title, true, found, {}}; }
  static CheckLine Fail(const QString& id, const QString& title, const QString& found, const QString& todo) {
    return {id, title, false, found, todo};
  }
};

using CheckLines = QList<CheckLine>;
