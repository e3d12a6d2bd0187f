#include "data/OdbcLibrary.h"

#include "toolkit/SystemLibrary.h"

namespace {

SystemLibrary& library() {
  static SystemLibrary lib("libodbc.so.2", "libodbc2");
  return lib;
}

struct Loaded {
  OdbcApi api;
  bool ready = false;
  QString problem;
};

Loaded& loaded() {
  static Loaded l;
  return l;
}

}  // namespace

namespace OdbcLibrary {

const OdbcApi* Get(QString* why) {
  Loaded& l = loaded();
  if (!l.ready && l.problem.isEmpty()) {
    SystemLibrary& lib = library();
    if (!lib.Load()) {
      l.problem = lib.Problem();
    } else {
#define PORTAL_ODBC_LOAD(name)                                                                   \
  if (l.problem.isEmpty() && !(PORTAL_LOAD_FUNCTION(l.api, lib, name)))                          \
    l.problem = QStringLiteral("La biblioteca %1 no tiene la función %2.")                       \
                    .arg(QString::fromLatin1(lib.File()), QStringLiteral(#name));
      PORTAL_ODBC_FUNCTIONS(PORTAL_ODBC_LOAD)
#undef PORTAL_ODBC_LOAD
      l.ready = l.problem.isEmpty();
    }
  }
  if (!l.ready && why) *why = l.problem;
  return l.ready ? &l.api : nullptr;
}

void UseFile(const QByteArray& file) {
  library().UseFile(file);
  loaded() = Loaded();
}

}  // namespace OdbcLibrary
