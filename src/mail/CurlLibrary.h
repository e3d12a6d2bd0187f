#pragma once
// libcurl, loaded the first time a message is sent: its TLS, LDAP and Kerberos dependencies
// stay out of the program's start.
#define CURL_DISABLE_TYPECHECK  // the functions are called through the table below
#include <curl/curl.h>

#include <QString>

#define PORTAL_CURL_FUNCTIONS(X)                                                                         \
  X(curl_global_init) X(curl_easy_init) X(curl_easy_cleanup) X(curl_easy_reset) X(curl_easy_setopt)     \
  X(curl_easy_perform) X(curl_easy_strerror) X(curl_slist_append) X(curl_slist_free_all) X(curl_mime_init) \
  X(curl_mime_addpart) X(curl_mime_data) X(curl_mime_type) X(curl_mime_encoder) X(curl_mime_filedata)    \
  X(curl_mime_filename) X(curl_mime_free)

struct CurlApi {
#define PORTAL_CURL_POINTER(name) decltype(&::name) name = nullptr;
  PORTAL_CURL_FUNCTIONS(PORTAL_CURL_POINTER)
#undef PORTAL_CURL_POINTER
};

namespace CurlLibrary {

// The functions, loaded and globally initialised once; null with the reason in `why` when
// the library cannot be had.
const CurlApi* Get(QString* why);

// Loads from another file from now on (tests: a terminal without the library).
void UseFile(const QByteArray& file);

}  // namespace CurlLibrary
