#pragma once
// What the portal needs of a payroll database: every procedure it calls, with the number of
// arguments it passes (and their names, for calls with named arguments), and every table its
// statements read or write. The terminal check compares a database's catalogue against it; a
// test keeps it in step with the statement texts the screens send.
#include <QList>
#include <QString>
#include <QStringList>

namespace PortalContract {

struct Procedure {
  const char* name;
  int arguments;          // how many the portal passes
  const char* named = "";  // "@a, @b" when the call names its arguments
};

const QList<Procedure>& Procedures();
const QStringList& Tables();

// The argument names of a named call, empty for a positional one.
QStringList NamedArguments(const Procedure& p);

}  // namespace PortalContract
