// The text of "Error.log" and of the error window.
#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTime>

#include "toolkit/ErrorSys.h"
#include "toolkit/TextUtil.h"

namespace {

QString g_build;

constexpr int kWidth = 79;

// Centred in 79 positions, the extra fill on the right.
QString centred(const QString& text, QChar fill) {
  const int pad = std::max(0, kWidth - static_cast<int>(text.size()));
  return QString(pad / 2, fill) + text + QString(pad - pad / 2, fill);
}

QString line(const QString& label, const QString& value) {
  return Text::PadR(label, 24) + (value.isEmpty() ? QStringLiteral(":") : QStringLiteral(": ") + value);
}

// Type letters of the runtime: C text, N number, D date, L logical, T date-time, A array,
// H map, M bytes, U nothing.
QChar typeLetter(const QVariant& v) {
  if (!v.isValid() || v.isNull()) return u'U';
  switch (v.typeId()) {
    case QMetaType::QString: case QMetaType::QChar: return u'C';
    case QMetaType::Bool: return u'L';
    case QMetaType::QDate: return u'D';
    case QMetaType::QDateTime: return u'T';
    case QMetaType::QVariantList: case QMetaType::QStringList: return u'A';
    case QMetaType::QVariantMap: case QMetaType::QVariantHash: return u'H';
    case QMetaType::QByteArray: return u'M';
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Short: case QMetaType::Long:
      return u'N';
    default: return u'O';
  }
}

QString valueText(const QVariant& v) {
  if (v.typeId() == QMetaType::QVariantList || v.typeId() == QMetaType::QStringList)
    return QStringLiteral("{ Arreglo de %1 elementos }").arg(v.toList().size());
  if (!v.isValid() || v.isNull()) return QStringLiteral("NIL");
  return Text::ToText(v);
}

QString freeMemory() {
  QFile f(QStringLiteral("/proc/meminfo"));
  if (f.open(QIODevice::ReadOnly)) {
    for (const QByteArray& l : f.readAll().split('\n'))
      if (l.startsWith("MemAvailable:")) return QString::fromLatin1(l.mid(13).trimmed());
  }
  return QStringLiteral("desconocida");
}

QString userName() {
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name) return QString::fromLocal8Bit(pw->pw_name);
  return qEnvironmentVariable("USER", QString::number(getuid()));
}

QString programPath() {
  const QString p = QCoreApplication::applicationFilePath();
  return p.isEmpty() ? QStringLiteral("portal-empleado") : p;
}

QString programVersion() {
  const QString v = QCoreApplication::applicationVersion();
  return v.isEmpty() ? QStringLiteral(PORTAL_VERSION_TEXT) : v;
}

QString compilerText() {
#if defined(__clang__)
  return QStringLiteral("Clang %1.%2.%3").arg(__clang_major__).arg(__clang_minor__).arg(__clang_patchlevel__);
#elif defined(__GNUC__)
  return QStringLiteral("GCC %1.%2.%3").arg(__GNUC__).arg(__GNUC_MINOR__).arg(__GNUC_PATCHLEVEL__);
#else
  return QStringLiteral("desconocido");
#endif
}

}  // namespace

namespace ErrorSys {

void SetBuild(const QString& build) { g_build = build; }

QString LogText(const TError& e, const QStringList& callStack) {
  const QDateTime now = QDateTime::currentDateTime();
  QStringList out;
  out << centred(QStringLiteral(" Registro de errores "), u'*');
  out << line(QStringLiteral("Programa"), programPath());
  out << line(QStringLiteral("Versión"), programVersion());
  if (!g_build.isEmpty()) out << line(QStringLiteral("Compilación"), g_build);
  out << line(QStringLiteral("Usuario"), userName());
  out << line(QStringLiteral("Computadora"), QSysInfo::machineHostName());
  out << line(QStringLiteral("Fecha"), now.date().toString(QStringLiteral("dd/MM/yyyy")));
  out << line(QStringLiteral("Hora"), now.time().toString(QStringLiteral("HH:mm:ss")));
  out << line(QStringLiteral("Memoria libre"), freeMemory());
  out << line(QStringLiteral("Área de trabajo actual"), QStringLiteral("0"));
  out << QString();
  out << centred(QStringLiteral(" Información del compilador "), u'-');
  out << line(QStringLiteral("Compilador"), compilerText());
  out << line(QStringLiteral("Biblioteca Qt"), QString::fromLatin1(qVersion()));
  out << line(QStringLiteral("Sistema operativo"), QSysInfo::prettyProductName());
  out << QString();
  out << centred(QStringLiteral(" Información detallada del error "), u'-');
  out << line(QStringLiteral("Subsistema"), e.subSystem);
  out << line(QStringLiteral("Código de error"), QString::number(e.subCode));
  out << line(QStringLiteral("Permite predeterminado"), e.canDefault ? QStringLiteral("Sí") : QStringLiteral("No"));
  out << line(QStringLiteral("Descripción"), e.description);
  out << line(QStringLiteral("Operación"), e.operation);
  out << line(QStringLiteral("Argumentos"), QString());
  for (int i = 0; i < e.args.size(); ++i)
    out << QStringLiteral("   [%1] = Tipo: %2 Valor: %3").arg(i + 1).arg(typeLetter(e.args[i])).arg(valueText(e.args[i]));
  out << line(QStringLiteral("Archivo"), e.filename);
  out << line(QStringLiteral("Código del sistema"), QString::number(e.osCode));
  out << QString();
  out << centred(QStringLiteral(" Pila de llamadas "), u'-');
  for (const QString& level : callStack) out << QStringLiteral("  ") + level;
  return out.join(u'\n') + u'\n';
}

QString Message(const TError& e, const QStringList& callStack) {
  QStringList out;
  if (!callStack.isEmpty()) out << callStack.first();
  QString msg = (e.severity > 1 ? QStringLiteral("Error ") : QStringLiteral("Warning ")) + e.subSystem;
  if (e.subCode) msg += u'/' + QString::number(e.subCode);
  if (!e.description.isEmpty()) msg += QStringLiteral("  ") + e.description;
  if (!e.filename.isEmpty()) msg += QStringLiteral(": ") + e.filename;
  else if (!e.operation.isEmpty()) msg += QStringLiteral(": ") + e.operation;
  out << msg;
  QStringList args;
  for (const QVariant& a : e.args) args << valueText(a);
  out << QStringLiteral("Argumentos: (%1)").arg(args.join(QStringLiteral(", ")));
  if (e.osCode) out << QStringLiteral("(DOS Error %1)").arg(e.osCode);
  return out.join(u'\n');
}

}  // namespace ErrorSys
