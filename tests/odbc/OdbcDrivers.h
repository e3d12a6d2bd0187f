#pragma once
// Real ODBC drivers for the engine tests, named by full path so that no machine-wide
// odbcinst.ini entry is needed.
#include <QFile>
#include <QString>

namespace OdbcDrivers {

inline QString Find(const char* file) {
  for (const char* dir : {"/usr/lib/x86_64-linux-gnu/odbc/", "/usr/lib/aarch64-linux-gnu/odbc/", "/usr/lib/odbc/"}) {
    const QString path = QString::fromLatin1(dir) + QString::fromLatin1(file);
    if (QFile::exists(path)) return path;
  }
  return QString();
}

inline QString Sqlite() { return Find("libsqlite3odbc.so"); }
inline QString Postgres() { return Find("psqlodbcw.so"); }
inline QString PostgresAnsi() { return Find("psqlodbca.so"); }

}  // namespace OdbcDrivers
