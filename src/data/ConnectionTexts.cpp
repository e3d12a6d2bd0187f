#include "data/ConnectionTexts.h"

#include <QRegularExpression>

#include "data/OdbcEngine.h"
#include "data/SqliteEngine.h"

namespace ConnectionTexts {

namespace {

QString sqlAuthentication(const QString& server, const QString& database, const QString& user,
                          const QString& password) {
  return QStringLiteral("provider=SQLOLEDB;OLE DB Services= -2;server=") + server + QStringLiteral(";database=") +
         database + QStringLiteral(";uid=") + user + QStringLiteral(";pwd=") + password + u';';
}

QString braced(const QString& value) { return u'{' + QString(value).replace(u'}', QStringLiteral("}}")) + u'}'; }

}  // namespace

QString ForDataSource(const QString& server, const QString& database, const QString& user, const QString& password,
                      const QString& autowin) {
  if (autowin == u".F.") return sqlAuthentication(server, database, user, password);
  if (autowin == u".T.")
    return QStringLiteral("Provider=SQLOLEDB;OLE DB Services=-2;Server=") + server + QStringLiteral(";database=") +
           database + QStringLiteral(";Trusted_Connection=yes");
  return QString();
}

QString ForDirect(const QString& server, const QString& database, const QString& user, const QString& password,
                  const QString& autowin) {
  const QString mode = autowin.trimmed();
  if (mode == u".F." || mode == u".f.") return sqlAuthentication(server, database, user, password);
  return QStringLiteral("Provider=SQLOLEDB;OLE DB Services= -2;Server=") + server + QStringLiteral(";database=") +
         database + QStringLiteral(";Trusted_Connection=yes");
}

QMap<QString, QString> Parse(const QString& text) {
  QMap<QString, QString> out;
  const QStringList parts = text.split(u';');
  for (const QString& part : parts) {
    const qsizetype eq = part.indexOf(u'=');
    if (eq <= 0) continue;
    QString value = part.mid(eq + 1).trimmed();
    if (value.startsWith(u'{') && value.endsWith(u'}')) value = value.mid(1, value.size() - 2).replace(QStringLiteral("}}"), QStringLiteral("}"));
    out.insert(part.left(eq).trimmed().toLower(), value);
  }
  return out;
}

QString Masked(const QString& text) {
  static const QRegularExpression re(QStringLiteral(R"((\b(?:pwd|password)\s*=)(\{(?:[^}]|\}\})*\}|[^;]*))"),
                                     QRegularExpression::CaseInsensitiveOption);
  QString out = text;
  return out.replace(re, QStringLiteral("\\1***"));
}

QString FreeTds(const QString& server, const QString& database, const QString& user, const QString& password,
                bool windowsAuthentication) {
  QString host = server.trimmed();
  QString port = QStringLiteral("1433");
  const qsizetype comma = host.indexOf(u',');
  if (comma >= 0) {
    port = host.mid(comma + 1).trimmed();
    host = host.left(comma).trimmed();
  } else if (host.contains(u'\\')) {
    port.clear();  // a named instance: the port comes from the server's browser service
  }
  QString text = QStringLiteral("Driver=FreeTDS;Server=") + host + u';';
  if (!port.isEmpty()) text += QStringLiteral("Port=") + port + u';';
  text += QStringLiteral("Database=") + braced(database) + u';';
  if (!windowsAuthentication || user.contains(u'\\'))
    text += QStringLiteral("UID=") + braced(user) + QStringLiteral(";PWD=") + braced(password) + u';';
  else
    text += QStringLiteral("Trusted_Connection=Yes;");
  return text + QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8;TextSize=2147483647");
}

std::unique_ptr<DbEngine> MakeEngine(const QString& text, const QString& user, const QString& password,
                                     QString* error) {
  const QMap<QString, QString> keys = Parse(text);
  if (keys.contains(QStringLiteral("driver")) && !keys.contains(QStringLiteral("provider")))
    return std::make_unique<OdbcEngine>(text, OdbcEngine::CharColumns::Wide);
  const QString database = keys.value(QStringLiteral("database"), keys.value(QStringLiteral("initial catalog")));
  const QString server = keys.value(QStringLiteral("server"), keys.value(QStringLiteral("data source")));
  if (SqliteEngine::NamesDatabaseFile(database)) return std::make_unique<SqliteEngine>(database.trimmed());
  if (server.isEmpty() || database.isEmpty()) {
    *error = QStringLiteral("La conexión no indica servidor y base de datos (sección [CONFIG] de config.ini).");
    return nullptr;
  }
  const bool windows = keys.value(QStringLiteral("trusted_connection")).compare(QStringLiteral("yes"), Qt::CaseInsensitive) == 0 ||
                       keys.value(QStringLiteral("integrated security")).compare(QStringLiteral("sspi"), Qt::CaseInsensitive) == 0;
  const QString login = user.isEmpty() ? keys.value(QStringLiteral("uid")) : user;
  const QString secret = password.isEmpty() ? keys.value(QStringLiteral("pwd")) : password;
  auto engine = std::make_unique<OdbcEngine>(FreeTds(server, database, login, secret, windows),
                                             OdbcEngine::CharColumns::Cp1252Bytes);
  // Varchar columns must arrive as the server's Windows-1252 bytes; should this FreeTDS convert
  // them to UTF-8, it is asked for Windows-1252 as its client character set instead.
  engine->DetectCharColumns(OdbcEngine::SqlServerProbe(),
                            QString(engine->ConnectionText()).replace(QStringLiteral("ClientCharset=UTF-8"),
                                                                      QStringLiteral("ClientCharset=CP1252")));
  return engine;
}

}  // namespace ConnectionTexts
