#include "screens/shared/KeyTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QList<KeyDef> KeyTable(const QString& screen) {
  static const QJsonObject all = [] {
    QFile f(QStringLiteral(":/keyboards/keyboards.json"));
    if (!f.open(QIODevice::ReadOnly)) {
      qWarning("Falta la tabla de teclas del teclado en pantalla");
      return QJsonObject();
    }
    return QJsonDocument::fromJson(f.readAll()).object();
  }();
  QList<KeyDef> keys;
  for (const QJsonValue& v : all.value(screen).toArray()) {
    const QJsonObject o = v.toObject();
    keys.append({o.value(u"name").toString(),
                 QRect(o.value(u"x").toInt(), o.value(u"y").toInt(), o.value(u"w").toInt(), o.value(u"h").toInt()),
                 o.value(u"face").toString(), o.value(u"kind").toString(), o.value(u"shift").toString()});
  }
  return keys;
}
