#pragma once
// The program's own loadable modules (parts whose libraries a start and a login do not need):
// looked for beside the program and in lib/portal-empleado beside its bin folder.
#include <QString>
#include <QStringList>

namespace Modules {

// The address of `symbol` in the module `file` ("portal-pdf.so"), loading it on first use;
// null with the reason in `why` when the module is missing or unusable.
void* Symbol(const QString& file, const char* symbol, QString* why);

// Folders searched instead of the usual ones (tests: the build folder, or none at all); an
// empty list brings the usual ones back. Modules already loaded are looked for again.
void SetFolders(const QStringList& folders);

}  // namespace Modules
