#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QSet>
#include <QStorageInfo>

#include "check/Checks.h"
#include "reports/ReportNames.h"
#include "reports/ReportTemplate.h"
#include "toolkit/TFont.h"

namespace Checks {

namespace {

constexpr qint64 kMinFreeBytes = 200LL * 1024 * 1024;

// Every template present and parsed; the font families they name are gathered on the way.
CheckLine templates(QSet<QString>* families) {
  QStringList missing, damaged;
  const QDir folder(QStringLiteral("FReports"));
  for (const QString& name : ReportNames::All()) {
    const QString path = folder.filePath(name);
    if (!QFileInfo::exists(path)) {
      missing << name;
      continue;
    }
    ReportTemplate t;
    QString error;
    if (!TemplateLoader::FromFile(path, t, error)) {
      damaged << QStringLiteral("%1 (%2)").arg(name, error);
      continue;
    }
    if (!t.problems.isEmpty()) {
      damaged << QStringLiteral("%1 (%2)").arg(name, t.problems.first());
      continue;
    }
    families->insert(t.family);
    for (ReportBand* band : t.AllBands())
      for (const ReportObject& o : band->objects)
        if (!o.family.isEmpty()) families->insert(o.family);
  }
  const QString title = QStringLiteral("Plantillas de FReports");
  if (missing.isEmpty() && damaged.isEmpty())
    return CheckLine::Pass(u"plantillas"_qs, title, QStringLiteral("las %1 están y se leen").arg(ReportNames::All().size()));
  QStringList found;
  if (!missing.isEmpty()) found << QStringLiteral("faltan %1").arg(missing.join(u", "_qs));
  if (!damaged.isEmpty()) found << QStringLiteral("dañadas: %1").arg(damaged.join(u", "_qs));
  return CheckLine::Fail(u"plantillas"_qs, title, found.join(u"; "_qs),
                         QStringLiteral("vuelva a copiarlas con portal-empleado-terminal (guarda las editadas como .~1~)"));
}

CheckLine fonts(const QSet<QString>& named) {
  const QString title = QStringLiteral("Fuentes");
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return CheckLine::Pass(u"fuentes"_qs, title, QStringLiteral("sin revisar (no hay sistema de fuentes en este modo)"));
  const QStringList installed = QFontDatabase::families();
  QStringList missing;
  QStringList all = QStringList(named.begin(), named.end());
  all.sort();
  for (const QString& face : all) {
    const QString family = TFont::Resolve(face);
    if (!installed.contains(family, Qt::CaseInsensitive)) missing << (family == face ? face : face + u" → "_qs + family);
  }
  if (missing.isEmpty())
    return CheckLine::Pass(u"fuentes"_qs, title, QStringLiteral("instaladas las que nombran las plantillas: %1").arg(all.join(u", "_qs)));
  return CheckLine::Fail(u"fuentes"_qs, title, QStringLiteral("no están instaladas: %1").arg(missing.join(u", "_qs)),
                         QStringLiteral("instale fonts-liberation, fonts-dejavu-core y fonts-crosextra-carlito"));
}

CheckLine updates() {
  const QString title = QStringLiteral("Scripts de actualización (ActualDB)");
  const QDir folder(QStringLiteral("ActualDB"));
  if (!folder.exists()) return CheckLine::Pass(u"actualizaciones"_qs, title, QStringLiteral("no hay carpeta ActualDB: nada que aplicar al arrancar"));
  QStringList unreadable;
  const QFileInfoList scripts = folder.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& f : scripts)
    if (!f.isReadable()) unreadable << f.fileName();
  if (!unreadable.isEmpty())
    return CheckLine::Fail(u"actualizaciones"_qs, title, QStringLiteral("no se pueden leer: %1").arg(unreadable.join(u", "_qs)),
                           QStringLiteral("dé los scripts al usuario del quiosco (chown)"));
  return CheckLine::Pass(u"actualizaciones"_qs, title, QStringLiteral("%1 scripts legibles").arg(scripts.size()));
}

CheckLine freeSpace() {
  const QStorageInfo storage(QDir::currentPath());
  const qint64 free = storage.bytesAvailable();
  const QString found = QStringLiteral("%1 MB libres en %2").arg(free / (1024 * 1024)).arg(storage.rootPath());
  if (free >= kMinFreeBytes) return CheckLine::Pass(u"disco"_qs, QStringLiteral("Espacio libre"), found);
  return CheckLine::Fail(u"disco"_qs, QStringLiteral("Espacio libre"), found,
                         QStringLiteral("libere espacio: los recibos y reportes se escriben como PDF temporales en la carpeta"));
}

CheckLine leftovers() {
  const QStringList left = QDir::current().entryList({QStringLiteral("TEMP*")}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
  const QString title = QStringLiteral("Archivos temporales");
  if (left.isEmpty()) return CheckLine::Pass(u"temporales"_qs, title, QStringLiteral("no quedan archivos TEMP*"));
  return CheckLine::Fail(u"temporales"_qs, title, QStringLiteral("quedan %1 archivos TEMP* de sesiones anteriores").arg(left.size()),
                         QStringLiteral("se borran al iniciar el portal; si quedan, revise que el usuario del quiosco pueda borrar en la carpeta"));
}

}  // namespace

CheckLines Files() {
  QSet<QString> families;
  CheckLines lines;
  lines << templates(&families);
  lines << fonts(families);
  lines << updates() << freeSpace() << leftovers();
  return lines;
}

CheckLine Images(const QStringList& paths) {
  QStringList bad;
  for (const QString& path : paths) {
    QImageReader reader(path);
    if (!QFileInfo::exists(path)) bad << QStringLiteral("%1 no existe").arg(path);
    else if (!reader.canRead()) bad << QStringLiteral("%1 no es una imagen legible").arg(path);
  }
  const QString title = QStringLiteral("Logotipos y firmas");
  if (bad.isEmpty()) return CheckLine::Pass(u"imagenes"_qs, title, QStringLiteral("%1 archivos de imagen legibles").arg(paths.size()));
  return CheckLine::Fail(u"imagenes"_qs, title, bad.join(u"; "_qs),
                         QStringLiteral("copie las imágenes a la terminal o corrija sus rutas en la pantalla del administrador (relativas a la carpeta de la terminal)"));
}

}  // namespace Checks
