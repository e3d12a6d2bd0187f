#include "data/TDataSource.h"

#include "data/ConnectionDialog.h"
#include "data/ConnectionTexts.h"
#include "data/StatementJournal.h"
#include "data/ProcedureText.h"
#include "toolkit/MsgBox.h"
#include "toolkit/SystemJournal.h"

namespace {

const QString kDataSourceChannel = QStringLiteral("oAdo");

QString outcomeText(const DbOutcome& out) {
  if (!out.ok()) return DescribeErrors(out.errors);
  if (const DbResult* r = out.firstRowSet()) return QStringLiteral("%1 filas").arg(r->set.rows.size());
  qlonglong affected = 0;
  for (const DbResult& r : out.results) affected += qMax<qlonglong>(0, r.rowsAffected);
  return QStringLiteral("%1 afectadas").arg(affected);
}

ConnectionChoice choiceFrom(const QString& text, const QString& user, const QString& password) {
  const QMap<QString, QString> keys = ConnectionTexts::Parse(text);
  ConnectionChoice c;
  c.server = keys.value(QStringLiteral("server"));
  c.database = keys.value(QStringLiteral("database"));
  c.user = user.isEmpty() ? keys.value(QStringLiteral("uid")) : user;
  c.password = password.isEmpty() ? keys.value(QStringLiteral("pwd")) : password;
  c.windowsAuthentication = keys.value(QStringLiteral("trusted_connection")).compare(u"yes", Qt::CaseInsensitive) == 0;
  return c;
}

// What a statement runs, without its values: "exec Name" or its first word.
QString statementKind(const QString& statement) {
  QString ignored;
  if (const auto call = ProcedureText::ParseCall(statement, true, &ignored)) return u"exec "_qs + call->name;
  return statement.simplified().section(u' ', 0, 0).toLower();
}

// The data source's alert, also sent to the system journal.
void alert(const QList<DbError>& errors, const QString& statement) {
  const QString code = errors.isEmpty() ? u"0"_qs : QString::number(errors.first().native);
  const QString what = statement.isEmpty() ? u"conexion"_qs : statementKind(statement);
  SystemJournal::Report(u"base de datos"_qs, code, QString(), what + u": "_qs + DescribeErrors(errors));
  MsgAlert(TDataSource::AlertText(errors, statement), TDataSource::AlertTitle());
}

}  // namespace

TDataSource::TDataSource() = default;
TDataSource::~TDataSource() = default;

QString TDataSource::AlertTitle() { return QStringLiteral("Error en la base de datos"); }

QString TDataSource::AlertText(const QList<DbError>& errors, const QString& statement) {
  QString text = DescribeErrors(errors);
  if (!statement.isEmpty()) text += QStringLiteral("\r\n\r\nSentencia: ") + statement;
  return text;
}

void TDataSource::UseEngine(std::unique_ptr<DbEngine> engine) {
  if (m_engine) m_engine->Close();
  m_engine = std::move(engine);
  m_engineGiven = m_engine != nullptr;
}

bool TDataSource::lConnected() const { return m_engine && m_engine->IsOpen(); }

void TDataSource::SetConnected(bool connected) {
  if (connected) {
    if (!lConnected()) open();
    return;
  }
  if (!lConnected()) return;
  m_engine->Close();
  StatementJournal::Record({JournalEntry::Kind::Disconnect, kDataSourceChannel, m_engine->Describe(), true, QString()});
}

bool TDataSource::openWith(const QString& text, QList<DbError>* errors) {
  QString error;
  std::unique_ptr<DbEngine> engine = ConnectionTexts::MakeEngine(text, cUser, cPassword, &error);
  bool ok = false;
  if (!engine) errors->append({QString(), 0, error});
  else ok = engine->Open(errors);
  StatementJournal::Record({JournalEntry::Kind::Connect, kDataSourceChannel, ConnectionTexts::Masked(text), ok,
                            ok ? (engine ? engine->Describe() : QString()) : DescribeErrors(*errors)});
  if (ok) m_engine = std::move(engine);
  return ok;
}

bool TDataSource::open() {
  QList<DbError> errors;
  if (m_engineGiven) {
    const bool ok = m_engine->Open(&errors);
    StatementJournal::Record({JournalEntry::Kind::Connect, kDataSourceChannel, m_engine->Describe(), ok, DescribeErrors(errors)});
    if (!ok) alert(errors, QString());
    return ok;
  }
  auto tryChoice = [&](const ConnectionChoice& c) {
    const QString text = ConnectionTexts::ForDataSource(c.server, c.database, c.user, c.password,
                                                        c.windowsAuthentication ? QStringLiteral(".T.") : QStringLiteral(".F."));
    QList<DbError> again;
    const QString oldUser = cUser, oldPassword = cPassword;
    cUser = c.user;
    cPassword = c.password;
    if (openWith(text, &again)) {
      cConnect = text;  // for this run only; config.ini stays as it is
      return true;
    }
    cUser = oldUser;
    cPassword = oldPassword;
    alert(again, QString());
    return false;
  };
  if (cConnect.isEmpty()) {
    // No text could be built from [CONFIG]: let the user describe the connection.
    const std::optional<ConnectionChoice> choice = ConnectionDialog::Ask(ConnectionChoice{});
    if (!choice) {
      errors.append({QString(), 0,
                     QStringLiteral("No hay datos de conexión: revise la sección [CONFIG] de config.ini (AUTOWIN debe ser .T. o .F.).")});
      StatementJournal::Record({JournalEntry::Kind::Connect, kDataSourceChannel, QString(), false, DescribeErrors(errors)});
      alert(errors, QString());
      return false;
    }
    return tryChoice(*choice);
  }
  if (openWith(cConnect, &errors)) return true;
  alert(errors, QString());
  // One more attempt, asking for what is missing or wrong.
  const std::optional<ConnectionChoice> choice = ConnectionDialog::Ask(choiceFrom(cConnect, cUser, cPassword));
  return choice && tryChoice(*choice);
}

bool TDataSource::runLogged(const QString& statement, bool query, DbOutcome* out) {
  *out = m_engine->Run(statement);
  if (out->connectionLost) m_linkLost = true;
  StatementJournal::Record({query ? JournalEntry::Kind::Query : JournalEntry::Kind::Statement, kDataSourceChannel, statement,
                            out->ok(), outcomeText(*out)});
  if (!out->ok()) alert(out->errors, statement);
  return out->ok();
}

bool TDataSource::reopenLostLink() {
  QList<DbError> errors;
  bool ok = false;
  if (m_engineGiven) {
    ok = m_engine->Open(&errors);
    StatementJournal::Record({JournalEntry::Kind::Connect, kDataSourceChannel, m_engine->Describe(), ok, DescribeErrors(errors)});
  } else {
    ok = openWith(cConnect, &errors);
  }
  if (ok) m_linkLost = false;
  return ok;
}

bool TDataSource::Execute(const QString& statement) {
  if (statement.isEmpty()) return false;
  if (!lConnected() && m_linkLost) reopenLostLink();
  if (!lConnected()) {
    const QList<DbError> closed{{QString(), 0, QStringLiteral("Connection closed")}};
    StatementJournal::Record({JournalEntry::Kind::Statement, kDataSourceChannel, statement, false, DescribeErrors(closed)});
    alert(closed, statement);
    return false;
  }
  DbOutcome out;
  return runLogged(statement, false, &out);
}

ResultSet TDataSource::Query(const QString& statement, bool* ok) {
  if (ok) *ok = false;
  if (statement.isEmpty()) return {};
  if (!lConnected()) SetConnected(true);
  if (!lConnected()) {
    StatementJournal::Record({JournalEntry::Kind::Query, kDataSourceChannel, statement, false, QStringLiteral("Connection closed")});
    return {};
  }
  DbOutcome out;
  if (!runLogged(statement, true, &out)) return {};
  if (ok) *ok = true;
  const DbResult* r = out.firstRowSet();
  return r ? r->set : ResultSet{};
}
