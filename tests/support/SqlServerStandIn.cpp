#include "support/SqlServerStandIn.h"

#include <QDeadlineTimer>
#include <QFile>

#include "support/BuildPaths.h"
#include "odbc/OdbcDrivers.h"

namespace {
constexpr int kStartMs = 15000;
}

QString SqlServerStandIn::Program() { return BuildPaths::Binary(QStringLiteral("/portal-sqlserver-standin")); }

bool SqlServerStandIn::Available(QString* why) {
  QString reason;
  if (OdbcDrivers::Find("libtdsodbc.so").isEmpty()) reason = QStringLiteral("FreeTDS (tdsodbc) is not installed");
  else if (!QFile::exists(Program())) reason = QStringLiteral("the SQL Server stand-in is not built");
  if (why) *why = reason;
  return reason.isEmpty();
}

bool SqlServerStandIn::start() {
  stop();
  m_process = std::make_unique<QProcess>();
  m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  m_process->start(Program(), {QStringLiteral("--database"), m_file, QStringLiteral("--name"), QString::fromLatin1(kDatabase),
                               QStringLiteral("--user"), QString::fromLatin1(kUser), QStringLiteral("--password"),
                               QString::fromLatin1(kPassword), QStringLiteral("--port"), QString::number(m_port),
                               QStringLiteral("--until-stdin-closes")});
  if (!m_process->waitForStarted(kStartMs)) return m_error = m_process->errorString(), false;
  const QDeadlineTimer deadline(kStartMs);
  while (!m_process->canReadLine()) {
    if (m_process->state() != QProcess::Running || deadline.hasExpired() ||
        !m_process->waitForReadyRead(static_cast<int>(deadline.remainingTime())))
      return m_error = QStringLiteral("the SQL Server stand-in did not start"), false;
  }
  const QByteArray line = m_process->readLine().trimmed();
  if (!line.startsWith("READY ")) return m_error = QString::fromUtf8(line), false;
  m_port = static_cast<quint16>(line.mid(6).toUInt());
  return true;
}

void SqlServerStandIn::stop() {
  if (!m_process) return;
  m_process->closeWriteChannel();  // it stops when its input closes
  if (!m_process->waitForFinished(5000)) {
    m_process->kill();
    m_process->waitForFinished(5000);
  }
  m_process.reset();
}

bool SqlServerStandIn::running() const { return m_process && m_process->state() == QProcess::Running; }

QString SqlServerStandIn::configSection() const {
  return QStringLiteral("[CONFIG]\nSERVER=127.0.0.1,%1\nBD=%2\nID=%3\nPWD=%4\nAUTOWIN=.F.\n")
      .arg(m_port)
      .arg(QString::fromLatin1(kDatabase), QString::fromLatin1(kUser), QString::fromLatin1(kPassword));
}
