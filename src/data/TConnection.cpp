#include "data/TConnection.h"

#include "data/ConnectionTexts.h"
#include "data/StatementJournal.h"

namespace {
const QString kConnectionChannel = QStringLiteral("CNX");
}

TConnection::TConnection(QString connectionString) : m_text(std::move(connectionString)) {}

TConnection::~TConnection() { Close(); }

bool TConnection::Open(QList<DbError>* errors) {
  QList<DbError> found;
  if (!m_engineGiven) {
    QString error;
    m_engine = ConnectionTexts::MakeEngine(m_text, QString(), QString(), &error);
    if (!m_engine) found.append({QString(), 0, error});
  }
  const bool ok = m_engine && m_engine->Open(&found);
  StatementJournal::Record({JournalEntry::Kind::Connect, kConnectionChannel, ConnectionTexts::Masked(m_text), ok,
                            ok ? m_engine->Describe() : DescribeErrors(found)});
  if (errors) *errors << found;
  return ok;
}

void TConnection::Close() {
  if (!IsOpen()) return;
  m_engine->Close();
  StatementJournal::Record({JournalEntry::Kind::Disconnect, kConnectionChannel, ConnectionTexts::Masked(m_text), true, QString()});
}

DbOutcome TConnection::Execute(const QString& statement, bool query) {
  DbOutcome out;
  if (!IsOpen() && m_linkLost) {
    // The server went away under an open connection: try it again, once per statement.
    QList<DbError> ignored;
    if (Open(&ignored)) m_linkLost = false;
  }
  if (!IsOpen()) out.errors.append({QString(), 0, QStringLiteral("Connection closed")});
  else out = m_engine->Run(statement);
  if (out.connectionLost) m_linkLost = true;
  QString outcome;
  if (!out.ok()) outcome = DescribeErrors(out.errors);
  else if (const DbResult* r = out.firstRowSet()) outcome = QStringLiteral("%1 filas").arg(r->set.rows.size());
  StatementJournal::Record({query ? JournalEntry::Kind::Query : JournalEntry::Kind::Statement, kConnectionChannel, statement,
                            out.ok(), outcome});
  return out;
}
