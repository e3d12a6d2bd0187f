#include "app/ConfigKeys.h"

#include <QRegularExpression>

namespace ConfigKeys {

namespace {

const QStringList kSiNo = {QStringLiteral("Si"), QStringLiteral("No")};

}  // namespace

const QList<Key>& All() {
  static const QList<Key> keys = {
      {"CONFIG", "SERVER", Kind::Required},
      {"CONFIG", "BD", Kind::Required},
      {"CONFIG", "ID", Kind::Text},
      {"CONFIG", "PWD", Kind::Secret},
      {"CONFIG", "AUTOWIN", Kind::Choice, {QStringLiteral(".T."), QStringLiteral(".F.")}},
      {"VARIABLES", "Tipo", Kind::Choice, {QStringLiteral("E"), QString()}},
      {"VARIABLES", "SalirActivado", Kind::Choice, {QStringLiteral("Si"), QStringLiteral("No"), QString()}},
      {"VARIABLES", "Historial", Kind::Text},
      {"VARIABLES", "Modifica", Kind::Choice, kSiNo + QStringList{QString()}},
      {"VARIABLES", "UltimosRecibos", Kind::Choice, kSiNo + QStringList{QString()}},
      {"VARIABLES", "FDA", Kind::Choice, kSiNo + QStringList{QString()}},
      {"VARIABLES", "PDF", Kind::Choice, kSiNo + QStringList{QString()}},
      {"VARIABLES", "SolicitudConFirmas", Kind::Choice, kSiNo + QStringList{QString()}},
      {"VARIABLES", "EmpresaAnterior", Kind::Text},
      {"VARIABLES", "BotonesActivado", Kind::Text},
      {"VARIABLES", "Escala", Kind::Scale},
      {"VARIABLES", "Impresora", Kind::Text},
      {"VARIABLES", "Medios", Kind::Text},
  };
  return keys;
}

const Key* Find(const QString& section, const QString& name) {
  for (const Key& k : All())
    if (section.compare(QLatin1String(k.section), Qt::CaseInsensitive) == 0 &&
        name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0)
      return &k;
  return nullptr;
}

QString Problem(const Key& key, const QString& value) {
  switch (key.kind) {
    case Kind::Text:
    case Kind::Secret: return QString();
    case Kind::Required:
      return value.trimmed().isEmpty() ? QStringLiteral("está vacía") : QString();
    case Kind::Choice:
      for (const QString& c : key.choices)
        if (value.trimmed().compare(c, Qt::CaseInsensitive) == 0) return QString();
      return QStringLiteral("vale \"%1\"; se espera %2").arg(value, key.choices.filter(QRegularExpression(u"."_qs)).join(u" o "_qs));
    case Kind::Scale: {
      const QString v = value.trimmed();
      if (v.isEmpty() || v.compare(u"No", Qt::CaseInsensitive) == 0) return QString();
      bool ok = false;
      const double f = QString(v).replace(u',', u'.').toDouble(&ok);
      if (ok && f >= kMinScale && f <= kMaxScale) return QString();
      return QStringLiteral("vale \"%1\"; se espera vacía (automática), No o un factor de %2 a %3")
          .arg(value).arg(kMinScale).arg(kMaxScale);
    }
  }
  return QString();
}

std::optional<double> FixedScale(const QString& value) {
  const QString v = value.trimmed();
  if (v.compare(u"No", Qt::CaseInsensitive) == 0) return 0.0;
  bool ok = false;
  const double f = QString(v).replace(u',', u'.').toDouble(&ok);
  if (ok && f >= kMinScale && f <= kMaxScale) return f;
  return std::nullopt;
}

}  // namespace ConfigKeys
