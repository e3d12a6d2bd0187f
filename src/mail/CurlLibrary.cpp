#include "mail/CurlLibrary.h"

#include "toolkit/SystemLibrary.h"

namespace {

const char* fill(CurlApi& api, const SystemLibrary& lib) {
#define PORTAL_CURL_LOAD(name) \
  if (!(PORTAL_LOAD_FUNCTION(api, lib, name))) return #name;
  PORTAL_CURL_FUNCTIONS(PORTAL_CURL_LOAD)
#undef PORTAL_CURL_LOAD
  return nullptr;
}

FunctionTable<CurlApi>& table() {
  static FunctionTable<CurlApi> t("libcurl.so.4", "libcurl4", fill);
  return t;
}

bool initialised = false;

}  // namespace

namespace CurlLibrary {

const CurlApi* Get(QString* why) {
  const CurlApi* api = table().Get(why);
  if (api && !initialised) {
    api->curl_global_init(CURL_GLOBAL_DEFAULT);
    initialised = true;
  }
  return api;
}

void UseFile(const QByteArray& file) {
  table().UseFile(file);
  initialised = false;
}

}  // namespace CurlLibrary
