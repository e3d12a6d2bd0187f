#pragma once
// The connection texts built from [CONFIG], exactly as the portal has always written them,
// and their translation into the connection of one of our two engines.
#include <QMap>
#include <QString>
#include <memory>

class DbEngine;

namespace ConnectionTexts {

// Session data source: SQL authentication when autowin is exactly ".F.", Windows
// authentication when exactly ".T.", otherwise no text at all (empty).
QString ForDataSource(const QString& server, const QString& database, const QString& user, const QString& password,
                      const QString& autowin);

// Direct connection: SQL authentication when the trimmed autowin is ".F." or ".f.",
// Windows authentication for every other value, the empty one included.
QString ForDirect(const QString& server, const QString& database, const QString& user, const QString& password,
                  const QString& autowin);

// "key=value;..." pairs with lower-case keys and trimmed values.
QMap<QString, QString> Parse(const QString& text);

// A connection text with the password value replaced by "***", for logs.
QString Masked(const QString& text);

// The FreeTDS text for SQL Server: server "host", "host,port" or "host\instance".
// Windows authentication uses the integrated login (Kerberos), or NTLM when the user is
// given as DOMAIN\user.
QString FreeTds(const QString& server, const QString& database, const QString& user, const QString& password,
                bool windowsAuthentication);

// The engine a connection text leads to:
// - a database ending in ".db": the embedded engine on that file (relative to the working directory);
// - a text with "Driver=" and no "Provider=": that ODBC connection text as it is;
// - otherwise SQL Server through FreeTDS, with `user` and `password` as the login.
// Null with `error` set when the text names no server or database.
std::unique_ptr<DbEngine> MakeEngine(const QString& text, const QString& user, const QString& password,
                                     QString* error);

}  // namespace ConnectionTexts
