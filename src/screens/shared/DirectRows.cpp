#include "screens/shared/DirectRows.h"

#include "data/TRecordSet.h"
#include "data/clsConexion.h"
#include "toolkit/TextUtil.h"

namespace DirectRows {

Rows Of(clsConexion& cnx, const QString& statement) {
  TRecordSet rs;
  Rows rows;
  if (!rs.Open(statement, cnx.Conexion())) return rows;
  for (; !rs.Eof(); rs.MoveNext()) {
    QVariantList values;
    for (int i = 0; i < rs.FieldCount(); ++i) values.append(rs.Fields(i).Value());
    rows.append(Row(values));
  }
  rs.Close();
  return rows;
}

QVariant First(clsConexion& cnx, const QString& statement, const QVariant& fallback) {
  const Rows rows = Of(cnx, statement);
  if (rows.isEmpty() || rows.row(1).col(1).isNull()) return fallback;
  return rows.row(1).col(1);
}

QString Whole(const QVariant& number, int width) {
  return QStringLiteral("%1").arg(static_cast<qlonglong>(Text::Val(number)), width);
}

}  // namespace DirectRows
