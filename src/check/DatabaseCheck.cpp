#include <QDateTime>
#include <QFileInfo>
#include <QMap>

#include "check/Checks.h"
#include "data/ConnectionTexts.h"
#include "data/OdbcEngine.h"
#include "data/PortalContract.h"
#include "data/ProcedureText.h"
#include "data/SqliteEngine.h"
#include "data/mdlConexion.h"
#include "toolkit/TIni.h"
#include "toolkit/TextUtil.h"

namespace Checks {

namespace {

constexpr qint64 kClockToleranceSeconds = 5 * 60;

// Procedures and tables a database holds, with each procedure's parameters.
struct Catalogue {
  QMap<QString, QString> objects;  // lower-case name -> "P", "U" or "V"
  QMap<QString, QList<ProcedureText::Parameter>> parameters;  // lower-case procedure name
  bool knowsDefaults = false;  // SQL Server's catalogue does not say which parameters have one
};

QString firstText(const DbOutcome& out) {
  const DbResult* r = out.firstRowSet();
  return r && !r->set.rows.isEmpty() ? Text::ToText(r->set.rows.row(1).col(1)).trimmed() : QString();
}

QList<Row> rowsOf(const DbOutcome& out) {
  const DbResult* r = out.firstRowSet();
  QList<Row> rows;
  if (r)
    for (int i = 1; i <= r->set.rows.size(); ++i) rows << r->set.rows.row(i);
  return rows;
}

// The embedded engine keeps procedures as their CREATE text: the parameters are read from it.
bool readEmbedded(DbEngine& db, Catalogue* cat, QString* error) {
  const DbOutcome objects = db.Run(QStringLiteral("select name, xtype from dbo.sysobjects"));
  const DbOutcome procedures = db.Run(QStringLiteral("select name, definition from portal_procedures"));
  if (!objects.ok() || !procedures.ok()) {
    *error = DescribeErrors(objects.ok() ? procedures.errors : objects.errors);
    return false;
  }
  for (const Row& r : rowsOf(objects)) cat->objects.insert(Text::ToText(r.col(1)).toLower(), Text::ToText(r.col(2)).trimmed());
  for (const Row& r : rowsOf(procedures)) {
    QString ignored;
    if (const auto def = ProcedureText::ParseCreate(Text::ToText(r.col(2)), &ignored))
      cat->parameters.insert(Text::ToText(r.col(1)).toLower(), def->parameters);
  }
  cat->knowsDefaults = true;
  return true;
}

// SQL Server: sysobjects, and the procedures' parameters from syscolumns.
bool readSqlServer(DbEngine& db, Catalogue* cat, QString* error) {
  const DbOutcome objects = db.Run(QStringLiteral("select name, xtype from sysobjects where xtype in ('P', 'U', 'V')"));
  const DbOutcome parameters = db.Run(QStringLiteral(
      "select o.name, c.name from sysobjects o join syscolumns c on c.id = o.id where o.xtype = 'P' order by o.name, c.colid"));
  if (!objects.ok() || !parameters.ok()) {
    *error = DescribeErrors(objects.ok() ? parameters.errors : objects.errors);
    return false;
  }
  for (const Row& r : rowsOf(objects)) cat->objects.insert(Text::ToText(r.col(1)).trimmed().toLower(), Text::ToText(r.col(2)).trimmed());
  for (const Row& r : rowsOf(parameters)) {
    ProcedureText::Parameter p;
    p.name = Text::ToText(r.col(2)).trimmed();
    cat->parameters[Text::ToText(r.col(1)).trimmed().toLower()].append(p);
  }
  return true;
}

// What is wrong with one procedure of the contract in the catalogue, or empty.
QString procedureProblem(const PortalContract::Procedure& p, const Catalogue& cat) {
  const QString name = QString::fromUtf8(p.name);
  const QString key = name.toLower();
  if (cat.objects.value(key) != u"P") return QStringLiteral("falta el procedimiento %1").arg(name);
  const QList<ProcedureText::Parameter> params = cat.parameters.value(key);
  const QStringList named = PortalContract::NamedArguments(p);
  if (!named.isEmpty()) {
    QStringList missing;
    for (const QString& n : named) {
      bool found = false;
      for (const auto& param : params) found = found || param.name.compare(n, Qt::CaseInsensitive) == 0;
      if (!found) missing << n;
    }
    if (!missing.isEmpty()) return QStringLiteral("%1 no tiene los parámetros %2").arg(name, missing.join(u", "_qs));
  }
  int required = 0;
  for (const auto& param : params) required += cat.knowsDefaults && !param.hasDefault ? 1 : 0;
  if (p.arguments > params.size() || p.arguments < required)
    return QStringLiteral("%1 recibe %2 parámetros y el portal le pasa %3").arg(name).arg(params.size()).arg(p.arguments);
  return QString();
}

CheckLine contract(const Catalogue& cat) {
  QStringList problems;
  for (const PortalContract::Procedure& p : PortalContract::Procedures())
    if (const QString problem = procedureProblem(p, cat); !problem.isEmpty()) problems << problem;
  for (const QString& table : PortalContract::Tables()) {
    const QString kind = cat.objects.value(table.toLower());
    if (kind != u"U" && kind != u"V") problems << QStringLiteral("falta la tabla %1").arg(table);
  }
  const QString title = QStringLiteral("Procedimientos y tablas del portal");
  const QString counted = QStringLiteral("%1 procedimientos y %2 tablas").arg(PortalContract::Procedures().size()).arg(PortalContract::Tables().size());
  if (problems.isEmpty()) return CheckLine::Pass(u"bd.contrato"_qs, title, counted + u" presentes, con los parámetros que el portal pasa"_qs);
  return CheckLine::Fail(u"bd.contrato"_qs, title, problems.join(u"; "_qs),
                         QStringLiteral("aplique a la base los scripts de procedimientos del portal (ActualDB) o los de la versión de nómina que corresponde"));
}

QDateTime parseServerTime(const QVariant& v) {
  if (v.typeId() == QMetaType::QDateTime) return v.toDateTime();
  const QString text = v.toString().trimmed();
  for (const QString& format : {u"yyyy-MM-dd HH:mm:ss"_qs, u"yyyy-MM-dd HH:mm:ss.zzz"_qs, u"yyyy-MM-ddTHH:mm:ss"_qs, u"yyyy-MM-ddTHH:mm:ss.zzz"_qs}) {
    const QDateTime t = QDateTime::fromString(text.left(format.size()), format);
    if (t.isValid()) return t;
  }
  return {};
}

CheckLine clock(DbEngine& db, bool embedded) {
  const QString title = QStringLiteral("Reloj");
  const DbOutcome out = db.Run(embedded ? QStringLiteral("select GETDATE()") : QStringLiteral("select convert(varchar(19), getdate(), 120)"));
  const DbResult* r = out.firstRowSet();
  const QDateTime server = r && !r->set.rows.isEmpty() ? parseServerTime(r->set.rows.row(1).col(1)) : QDateTime();
  if (!out.ok() || !server.isValid())
    return CheckLine::Fail(u"bd.reloj"_qs, title, QStringLiteral("el servidor no dio su hora: %1").arg(DescribeErrors(out.errors)),
                           QStringLiteral("revise el permiso del usuario para consultar GETDATE()"));
  const QDateTime here = QDateTime::currentDateTime();
  const qint64 apart = std::abs(server.secsTo(here));
  const QString found = QStringLiteral("terminal %1, servidor %2").arg(here.toString(u"yyyy-MM-dd HH:mm:ss"_qs), server.toString(u"yyyy-MM-dd HH:mm:ss"_qs));
  if (apart <= kClockToleranceSeconds) return CheckLine::Pass(u"bd.reloj"_qs, title, found);
  return CheckLine::Fail(u"bd.reloj"_qs, title, found + QStringLiteral(" (%1 minutos de diferencia)").arg(apart / 60),
                         QStringLiteral("sincronice la hora de la terminal (timedatectl set-ntp true) o la del servidor"));
}

CheckLine charset(DbEngine& db) {
  const QString title = QStringLiteral("Letras Windows-1252 de la base");
  auto* odbc = dynamic_cast<OdbcEngine*>(&db);
  if (!odbc) return CheckLine::Pass(u"bd.cp1252"_qs, title, QStringLiteral("base incluida: guarda el texto tal cual"));
  const bool second = odbc->ConnectionText().contains(u"ClientCharset=CP1252"_qs);
  if (odbc->Chars() == OdbcEngine::CharColumns::Cp1252Bytes)
    return CheckLine::Pass(u"bd.cp1252"_qs, title,
                           second ? QStringLiteral("llegan los bytes tal cual, con ClientCharset=CP1252 (segunda conexión)")
                                  : QStringLiteral("llegan los bytes tal cual (SELECT CAST(0x81D1 AS varchar(2)))"));
  return CheckLine::Fail(u"bd.cp1252"_qs, title, QStringLiteral("FreeTDS convierte el texto a UTF-8: las contraseñas con los bytes 0x81, 0x8D, 0x8F, 0x90 o 0x9D no entrarán"),
                         QStringLiteral("actualice tdsodbc o revise client charset en el freetds.conf del sistema"));
}

}  // namespace

Database DatabaseAndContract() {
  Database result;
  const TIni ini(QStringLiteral("config.ini"));
  mdlConexion settings;
  settings.LeeConfiguracion(ini);
  const QString text = settings.TextoConexion();
  const QString title = QStringLiteral("Conexión a la base de datos");
  if (text.isEmpty()) {
    result.lines << CheckLine::Fail(u"bd.conexion"_qs, title, QStringLiteral("AUTOWIN de [CONFIG] no es .T. ni .F.: no hay datos de conexión"),
                                    QStringLiteral("ponga AUTOWIN=.F. (usuario de SQL Server) o AUTOWIN=.T. (Windows)"));
    return result;
  }
  const bool embedded = SqliteEngine::NamesDatabaseFile(settings.cBaseDeDatos);
  if (embedded && !QFileInfo::exists(settings.cBaseDeDatos.trimmed())) {
    result.lines << CheckLine::Fail(u"bd.conexion"_qs, title, QStringLiteral("la base incluida %1 no existe todavía").arg(settings.cBaseDeDatos.trimmed()),
                                    QStringLiteral("inicie el portal una vez: su actualización de arranque la crea"));
    return result;
  }
  QString error;
  std::unique_ptr<DbEngine> db = ConnectionTexts::MakeEngine(text, settings.cUsuario, settings.cPassword, &error);
  QList<DbError> errors;
  if (!db || !db->Open(&errors)) {
    result.lines << CheckLine::Fail(u"bd.conexion"_qs, title, db ? DescribeErrors(errors) : error,
                                    QStringLiteral("revise SERVER, BD, ID, PWD y AUTOWIN de [CONFIG], la red hasta el servidor y el usuario en SQL Server"));
    return result;
  }
  result.reached = true;
  result.lines << CheckLine::Pass(u"bd.conexion"_qs, title, db->Describe());

  const QString version = firstText(db->Run(embedded ? QStringLiteral("select sqlite_version()") : QStringLiteral("select @@version")));
  if (version.isEmpty())
    result.lines << CheckLine::Fail(u"bd.version"_qs, QStringLiteral("Versión del servidor"), QStringLiteral("el servidor no dijo su versión"),
                                    QStringLiteral("revise que el servidor sea SQL Server y que el usuario pueda consultar @@version"));
  else
    result.lines << CheckLine::Pass(u"bd.version"_qs, QStringLiteral("Versión del servidor"),
                                    embedded ? u"SQLite "_qs + version : version.section(u'\n', 0, 0).simplified());
  result.lines << charset(*db);

  Catalogue cat;
  if (embedded ? readEmbedded(*db, &cat, &error) : readSqlServer(*db, &cat, &error))
    result.lines << contract(cat);
  else
    result.lines << CheckLine::Fail(u"bd.contrato"_qs, QStringLiteral("Procedimientos y tablas del portal"),
                                    QStringLiteral("no se pudo leer el catálogo: %1").arg(error),
                                    QStringLiteral("dé al usuario permiso de leer sysobjects y syscolumns"));
  result.lines << clock(*db, embedded);

  // Each company's mail configuration, as the mail sender reads it.
  const DbOutcome companies = db->Run(QStringLiteral("exec peCargaListadoEmpresas "));
  for (const Row& company : rowsOf(companies)) {
    const QString number = Text::ToText(company.col(2)).trimmed();  // column 1 is "number-name"
    const QList<Row> mail = rowsOf(db->Run(QStringLiteral("exec getConfiguraMailPortalEmpleado ") + number));
    result.mail.append({number, mail.isEmpty() ? Row() : mail.first()});
  }
  for (const Row& r : rowsOf(db->Run(QStringLiteral(" select rutaimagen,rutafirma from portalempleadologo"))))
    for (int c : {1, 2})
      if (const QString path = Text::ToText(r.col(c)).trimmed(); !path.isEmpty()) result.pictures << path;
  db->Close();
  return result;
}

}  // namespace Checks
