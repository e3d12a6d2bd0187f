#include "data/DbEngine.h"

QString DescribeErrors(const QList<DbError>& errors) {
  QStringList lines;
  for (const DbError& e : errors) {
    QString line = QStringLiteral("Error %1").arg(e.native);
    if (!e.sqlState.isEmpty()) line += QStringLiteral(" [%1]").arg(e.sqlState);
    lines << line + QStringLiteral(": ") + e.message;
  }
  return lines.join(QStringLiteral("\r\n"));
}
