#include "data/OdbcLibrary.h"

#include "toolkit/SystemLibrary.h"

namespace {

const char* fill(OdbcApi& api, const SystemLibrary& lib) {
#define PORTAL_ODBC_LOAD(name) \
  if (!(PORTAL_LOAD_FUNCTION(api, lib, name))) return #name;
  PORTAL_ODBC_FUNCTIONS(PORTAL_ODBC_LOAD)
#undef PORTAL_ODBC_LOAD
  return nullptr;
}

FunctionTable<OdbcApi>& table() {
  static FunctionTable<OdbcApi> t("libodbc.so.2", "libodbc2", fill);
  return t;
}

}  // namespace

namespace OdbcLibrary {

const OdbcApi* Get(QString* why) { return table().Get(why); }

void UseFile(const QByteArray& file) { table().UseFile(file); }

}  // namespace OdbcLibrary
