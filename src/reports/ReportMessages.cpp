#include "reports/ReportMessages.h"

#include "toolkit/MsgBox.h"

namespace ReportMessages {

QString ErrorText(const TError& error) {
  const QString missing = QStringLiteral("???");
  auto part = [&](const QString& s) { return s.trimmed().isEmpty() ? missing : s; };
  const QString where = !error.filename.trimmed().isEmpty() ? error.filename : part(error.operation);
  return part(error.subSystem) + u'/' + (error.subCode ? QString::number(error.subCode) : missing) +
         QStringLiteral("  ") + part(error.description) + QStringLiteral(": ") + where;
}

void ShowError(const TError& error) {
  if (error.severity > 1) MsgStop(ErrorText(error), QStringLiteral("Error"));
  else MsgAlert(ErrorText(error), QStringLiteral("Warning"));
}

}  // namespace ReportMessages
