#include "update/clsActualizaBD.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "toolkit/MsgBox.h"
#include "toolkit/TextUtil.h"

namespace {

// The bytes of a script; a file that cannot be read is reported under the operation's name.
bool readScript(const QString& path, const QString& operation, QByteArray* bytes) {
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) {
    MsgStop(operation + QStringLiteral("\r\nNo se pudo leer el archivo ") + path + QStringLiteral(": ") + in.errorString(),
            QStringLiteral("ACTUALIZACION INCOMPLETA"));
    return false;
  }
  *bytes = in.readAll();
  return true;
}

QString dateText(const QDate& date) { return Text::DToS(date); }

// The checksum stored in the register, as a whole number; -1 when it is not one.
qint64 storedChecksum(const QVariant& value) {
  bool ok = false;
  const qint64 n = Text::AllTrim(Text::ToText(value)).toLongLong(&ok);
  if (ok) return n;
  const double d = value.toDouble(&ok);
  return ok ? static_cast<qint64>(d) : -1;
}

}  // namespace

clsActualizaBD::clsActualizaBD(UpdateLink link, QString folder)
    : m_link(std::move(link)), m_folder(std::move(folder)) {}

QString clsActualizaBD::RegisterCreation() {
  return QStringLiteral(
      " if not exists (select * from dbo.sysobjects   where id = object_id(N'ActualDB') and "
      "OBJECTPROPERTY(id, N'IsUserTable') = 1)  CREATE TABLE dbo.ActualDB (Script   VARCHAR(100), "
      "Fecha    DATETIME, Hora     VARCHAR(20), Longitud NUMERIC(10,0), CheckSum NUMERIC(15,0) ) ON [Primary]");
}

QString clsActualizaBD::RegisterQuery(const QString& name) {
  return QStringLiteral("select  Script,Longitud,Fecha,Hora,CheckSum from dbo.ActualDB  where script='") +
         Text::EscapeQuotes(name) + QStringLiteral("'");
}

QString clsActualizaBD::RegisterInsert(const UpdateScript::FileInfo& file, quint32 checksum) {
  return QStringLiteral("insert into dbo.ActualDB (Script,Longitud,Fecha,Hora,CheckSum)Values('") +
         Text::EscapeQuotes(file.name) + QStringLiteral("','") + QString::number(file.size) +
         QStringLiteral("','") + dateText(file.date) + QStringLiteral("','") + file.time +
         QStringLiteral("','") + QString::number(checksum) + QStringLiteral("')");
}

QString clsActualizaBD::RegisterUpdate(const UpdateScript::FileInfo& file, quint32 checksum) {
  return QStringLiteral(" update dbo.ActualDB set Longitud='") + QString::number(file.size) +
         QStringLiteral("',") + QStringLiteral(" Fecha='") + dateText(file.date) + QStringLiteral("',") +
         QStringLiteral(" Hora='") + file.time + QStringLiteral("',") + QStringLiteral(" CheckSum='") +
         QString::number(checksum) + QStringLiteral("' ") + QStringLiteral(" where Script = '") +
         Text::EscapeQuotes(file.name) + QStringLiteral("'");
}

bool clsActualizaBD::Actualiza_BasedeDatos() {
  const QList<UpdateScript::FileInfo> files = UpdateScript::List(m_folder);
  m_link.Execute(RegisterCreation());
  for (const UpdateScript::FileInfo& file : files) {
    const QString path = QDir(m_folder).filePath(file.name);
    QByteArray bytes;
    // Not run and not registered, so the next start tries it again.
    if (!readScript(path, QStringLiteral("Actualiza_BasedeDatos"), &bytes)) continue;
    const quint32 checksum = UpdateScript::Checksum(bytes);
    bool asked = false;
    const Rows found = m_link.Query(RegisterQuery(file.name), &asked);
    // A register that cannot be read says nothing about the script: it is left for the next
    // start rather than run a second time.
    if (!asked) continue;
    if (found.isEmpty()) {
      runLines(UpdateScript::Lines(UpdateScript::Decode(bytes)));
      m_link.Execute(RegisterInsert(file, checksum));
    } else if (storedChecksum(found.row(1).col(5)) != static_cast<qint64>(checksum)) {
      runLines(UpdateScript::Lines(UpdateScript::Decode(bytes)));
      m_link.Execute(RegisterUpdate(file, checksum));
    }
  }
  return true;
}

bool clsActualizaBD::EjecutaCGI(const QString& file) {
  if (!QFileInfo(file).isSymLink() && !QFileInfo::exists(file)) return true;
  QByteArray bytes;
  if (readScript(file, QStringLiteral("EjecutaCGI"), &bytes)) runLines(UpdateScript::Lines(UpdateScript::Decode(bytes)));
  return true;
}

void clsActualizaBD::runLines(const QStringList& lines) {
  const int total = static_cast<int>(lines.size());
  step(0, total);
  QString command;
  int done = 0;
  for (const QString& line : lines) {
    if (UpdateScript::IsSeparator(line)) {
      // A batch of blank lines sends nothing.
      if (!command.trimmed().isEmpty()) m_link.Execute(command);
      command.clear();
    } else {
      command += line + QStringLiteral("\r\n");
    }
    step(++done, total);
  }
}

void clsActualizaBD::step(int value, int maximum) {
  if (m_progress) m_progress(value, maximum);
}
