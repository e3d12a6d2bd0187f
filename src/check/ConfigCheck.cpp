#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryFile>

#include "app/ConfigKeys.h"
#include "check/Checks.h"

namespace Checks {

namespace {

const QString kId = QStringLiteral("config");
const QString kTitle = QStringLiteral("config.ini");

// The text of the file as the portal reads it (UTF-8 with or without mark, or Windows-1252), or
// what keeps it from being read.
QString decode(const QByteArray& raw, QString* text) {
  if (raw.startsWith("\xFF\xFE") || raw.startsWith("\xFE\xFF") || raw.contains('\0'))
    return QStringLiteral("no es texto UTF-8 ni Windows-1252 (parece UTF-16 o binario)");
  QByteArray bytes = raw.startsWith("\xEF\xBB\xBF") ? raw.mid(3) : raw;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
  *text = utf8.decode(bytes);
  if (!utf8.hasError()) return QString();
  for (const char undefined : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
    if (bytes.contains(undefined)) return QStringLiteral("no es texto UTF-8 ni Windows-1252 (tiene bytes sin letra)");
  QStringDecoder cp1252("windows-1252");
  *text = cp1252.isValid() ? cp1252.decode(bytes) : QString::fromLatin1(bytes);
  return QString();
}

// "[section] key" problems of the text, one per key.
QStringList keyProblems(const QString& text, QStringList* sections) {
  QStringList problems;
  QString section;
  for (QString line : text.split(u'\n')) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
    if (line.startsWith(u'[') && line.contains(u']')) {
      section = line.mid(1, line.indexOf(u']') - 1).trimmed();
      if (!sections->contains(section.toUpper())) sections->append(section.toUpper());
      continue;
    }
    const int eq = line.indexOf(u'=');
    if (eq <= 0) {
      problems << QStringLiteral("línea sin clave: \"%1\"").arg(line.left(40));
      continue;
    }
    const QString name = line.left(eq).trimmed();
    QString value = line.mid(eq + 1).trimmed();
    const ConfigKeys::Key* key = ConfigKeys::Find(section, name);
    if (!key) {
      problems << QStringLiteral("[%1] %2 no es una clave conocida").arg(section, name);
      continue;
    }
    if (const QString p = ConfigKeys::Problem(*key, value); !p.isEmpty())
      problems << QStringLiteral("[%1] %2 %3").arg(QLatin1String(key->section), QLatin1String(key->name), p);
  }
  return problems;
}

}  // namespace

CheckLines Config() {
  CheckLines lines;
  const QString path = QDir::current().filePath(QStringLiteral("config.ini"));
  QFile file(path);
  if (!file.exists())
    return {CheckLine::Fail(kId, kTitle, QStringLiteral("no existe en %1").arg(QDir::currentPath()),
                            QStringLiteral("prepare la carpeta con portal-empleado-terminal, o ejecute la comprobación en la carpeta de la terminal"))};
  if (!file.open(QIODevice::ReadOnly))
    return {CheckLine::Fail(kId, kTitle, QStringLiteral("no se puede leer: %1").arg(file.errorString()),
                            QStringLiteral("dé permiso de lectura al usuario del quiosco (chown/chmod)"))};
  QString text;
  if (const QString bad = decode(file.readAll(), &text); !bad.isEmpty())
    return {CheckLine::Fail(kId, kTitle, bad, QStringLiteral("guarde config.ini como UTF-8 o Windows-1252"))};
  text.replace(u'\r', u'\n');
  lines << CheckLine::Pass(kId, kTitle, QStringLiteral("se lee (%1)").arg(path));

  // The portal writes a temporary file beside config.ini and renames it over the old one.
  const QFileInfo info(path);
  QTemporaryFile probe(QDir::current().filePath(QStringLiteral(".config.ini.XXXXXX")));
  const bool folderWritable = probe.open();
  probe.remove();
  if (!folderWritable || !info.isWritable())
    lines << CheckLine::Fail(kId + u".escritura"_qs, QStringLiteral("Escritura de config.ini"),
                             !folderWritable ? QStringLiteral("la carpeta %1 no admite archivos nuevos").arg(QDir::currentPath())
                                             : QStringLiteral("config.ini es de solo lectura"),
                             QStringLiteral("dé la carpeta y config.ini al usuario del quiosco (portal-empleado-terminal lo hace como root)"));
  else
    lines << CheckLine::Pass(kId + u".escritura"_qs, QStringLiteral("Escritura de config.ini"),
                             QStringLiteral("se puede reemplazar de una vez, como lo escribe el portal"));

  QStringList sections;
  QStringList problems = keyProblems(text, &sections);
  if (!sections.contains(u"CONFIG"_qs)) problems.prepend(QStringLiteral("falta la sección [CONFIG]"));
  if (problems.isEmpty())
    lines << CheckLine::Pass(kId + u".claves"_qs, QStringLiteral("Claves de config.ini"), QStringLiteral("todas conocidas y con valores válidos"));
  else
    lines << CheckLine::Fail(kId + u".claves"_qs, QStringLiteral("Claves de config.ini"), problems.join(u"; "_qs),
                             QStringLiteral("corrija esas líneas (la tabla de claves está en el README)"));
  return lines;
}

}  // namespace Checks
