#include "mail/CurlLibrary.h"

#include "toolkit/SystemLibrary.h"

namespace {

SystemLibrary& library() {
  static SystemLibrary lib("libcurl.so.4", "libcurl4");
  return lib;
}

struct Loaded {
  CurlApi api;
  bool ready = false;
  QString problem;
};

Loaded& loaded() {
  static Loaded l;
  return l;
}

}  // namespace

namespace CurlLibrary {

const CurlApi* Get(QString* why) {
  Loaded& l = loaded();
  if (!l.ready && l.problem.isEmpty()) {
    SystemLibrary& lib = library();
    if (!lib.Load()) {
      l.problem = lib.Problem();
    } else {
#define PORTAL_CURL_LOAD(name)                                                                         \
  if (l.problem.isEmpty() && !(PORTAL_LOAD_FUNCTION(l.api, lib, name)))                                \
    l.problem = QStringLiteral("La biblioteca %1 no tiene la función %2.").arg(QString::fromLatin1(lib.File()), \
                                                                                QStringLiteral(#name));
      PORTAL_CURL_FUNCTIONS(PORTAL_CURL_LOAD)
#undef PORTAL_CURL_LOAD
      if (l.problem.isEmpty()) {
        l.api.curl_global_init(CURL_GLOBAL_DEFAULT);
        l.ready = true;
      }
    }
  }
  if (!l.ready && why) *why = l.problem;
  return l.ready ? &l.api : nullptr;
}

void UseFile(const QByteArray& file) {
  library().UseFile(file);
  loaded() = Loaded();
}

}  // namespace CurlLibrary
