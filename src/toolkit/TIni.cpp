#include "toolkit/TIni.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QStringConverter>
#include <functional>

#include "toolkit/IniWriteSeam.h"
#include "toolkit/TextUtil.h"

namespace {

struct IniText {
  QStringList lines;
  bool crlf = false;
  bool utf8 = true;
  bool bom = false;
};

// Decodes the file: UTF-8 (with or without a byte-order mark) when valid, else Windows-1252.
IniText load(const QString& path) {
  IniText t;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return t;
  QByteArray bytes = f.readAll();
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    t.bom = true;
    bytes.remove(0, 3);
  }
  t.crlf = bytes.contains("\r\n");
  QStringDecoder dec(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
  QString text = dec.decode(bytes);
  if (dec.hasError()) {
    t.utf8 = false;
    text = Text::FromCp1252(bytes);
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  text.replace(QChar(0), u' ');
  t.lines = text.split(u'\n');
  if (!t.lines.isEmpty() && t.lines.last().isEmpty()) t.lines.removeLast();
  return t;
}

QString sectionName(const QString& line) {
  const QString s = line.trimmed();
  if (!s.startsWith(u'[')) return QString();
  const int close = s.indexOf(u']');
  if (close < 0) return QString();
  return s.mid(1, close - 1).trimmed();
}

bool isSection(const QString& line) {
  const QString s = line.trimmed();
  return s.startsWith(u'[') && s.contains(u']');
}

// Key of a "key=value" line, or empty for comments and other lines.
QString keyOf(const QString& line) {
  const QString s = line.trimmed();
  if (s.isEmpty() || s.startsWith(u';')) return QString();
  const int eq = s.indexOf(u'=');
  if (eq <= 0) return QString();
  return s.left(eq).trimmed();
}

QString valueOf(const QString& line) {
  QString v = line.mid(line.indexOf(u'=') + 1).trimmed();
  // A value wholly inside matching quotes reads without them, as the profile functions do.
  if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
    v = v.mid(1, v.size() - 2);
  return v;
}

std::function<bool(const QString&)>& beforeReplace() {
  static std::function<bool(const QString&)> hook;
  return hook;
}

}  // namespace

void IniWriteSeam::SetBeforeReplace(std::function<bool(const QString& file)> hook) { beforeReplace() = std::move(hook); }

TIni::TIni(QString file) : m_file(std::move(file)) {}

bool TIni::find(const QString& section, const QString& key, QString* value) const {
  const IniText t = load(m_file);
  bool inSection = false;
  for (const QString& line : t.lines) {
    if (isSection(line)) {
      inSection = sectionName(line).compare(section, Qt::CaseInsensitive) == 0;
      continue;
    }
    if (inSection && keyOf(line).compare(key, Qt::CaseInsensitive) == 0 && !keyOf(line).isEmpty()) {
      *value = valueOf(line);
      return true;
    }
  }
  return false;
}

QString TIni::GetEntry(const QString& section, const QString& key, const QString& def) const {
  QString v;
  return find(section, key, &v) ? v : def;
}

QString TIni::GetEntry(const QString& section, const QString& key, const char* def) const {
  return GetEntry(section, key, QString::fromUtf8(def ? def : ""));
}

double TIni::GetEntry(const QString& section, const QString& key, double def) const {
  QString v;
  return find(section, key, &v) ? Text::Val(v) : def;
}

double TIni::GetEntry(const QString& section, const QString& key, int def) const {
  return GetEntry(section, key, static_cast<double>(def));
}

bool TIni::GetEntry(const QString& section, const QString& key, bool def) const {
  QString v;
  if (!find(section, key, &v)) v = def ? QStringLiteral(".T.") : QStringLiteral(".F.");
  return QStringLiteral(".T.").contains(v.toUpper());
}

QDate TIni::GetEntry(const QString& section, const QString& key, const QDate& def) const {
  QString v;
  if (!find(section, key, &v)) return def;
  QDate d = Text::SToD(v);
  if (!d.isValid()) d = QDate::fromString(v, QStringLiteral("dd/MM/yyyy"));
  return d;
}

QVariant TIni::GetEntryAs(const QString& section, const QString& key, const QVariant& def) const {
  switch (def.typeId()) {
    case QMetaType::Bool: return GetEntry(section, key, def.toBool());
    case QMetaType::Int: case QMetaType::LongLong: case QMetaType::Double:
      return GetEntry(section, key, def.toDouble());
    case QMetaType::QDate: return GetEntry(section, key, def.toDate());
    default: return GetEntry(section, key, Text::ToText(def));
  }
}

bool TIni::SetEntry(const QString& section, const QString& key, const QVariant& value) const {
  const QString text = Text::ToText(value).trimmed();
  IniText t = load(m_file);

  int sectionAt = -1, keyAt = -1, lastInSection = -1;
  bool inSection = false;
  for (int i = 0; i < t.lines.size(); ++i) {
    const QString& line = t.lines[i];
    if (isSection(line)) {
      inSection = sectionName(line).compare(section, Qt::CaseInsensitive) == 0;
      if (inSection && sectionAt < 0) { sectionAt = i; lastInSection = i; }
      else if (inSection) inSection = false;  // a repeated section is left alone
      continue;
    }
    if (!inSection) continue;
    if (!line.trimmed().isEmpty()) lastInSection = i;
    const QString k = keyOf(line);
    if (keyAt < 0 && !k.isEmpty() && k.compare(key, Qt::CaseInsensitive) == 0) keyAt = i;
  }

  if (keyAt >= 0) {
    const QString line = keyOf(t.lines[keyAt]) + u'=' + text;
    // The file already says so: nothing to write (the start-up stores values it has just read).
    if (t.lines[keyAt] == line) return true;
    t.lines[keyAt] = line;
  } else if (sectionAt >= 0) {
    t.lines.insert(lastInSection + 1, key + u'=' + text);
  } else {
    if (!t.lines.isEmpty() && !t.lines.last().trimmed().isEmpty()) t.lines.append(QString());
    t.lines.append(u'[' + section + u']');
    t.lines.append(key + u'=' + text);
  }

  const QString eol = t.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
  const QString all = t.lines.join(eol) + eol;
  QByteArray bytes = t.utf8 ? all.toUtf8() : Text::ToCp1252(all);
  if (t.bom) bytes.prepend("\xEF\xBB\xBF");

  // The new contents go to a temporary file beside the old one, which is replaced in one
  // rename: an interrupted write leaves the previous file whole, in its encoding and line ends.
  QSaveFile f(m_file);
  f.setDirectWriteFallback(false);
  if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) {
    if (beforeReplace() && !beforeReplace()(m_file)) {
      f.cancelWriting();
      f.commit();
      return false;
    }
    if (f.commit()) return true;
  }

  static QSet<QString> reported;
  if (!reported.contains(m_file)) {
    reported.insert(m_file);
    qWarning("No se pudo escribir %s: %s", qPrintable(m_file), qPrintable(f.errorString()));
  }
  return false;
}
