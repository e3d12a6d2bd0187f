#pragma once
// Private-profile access to an INI file: sections and keys without regard to case,
// values trimmed, every read opening the file afresh, writes keeping the rest of the file.
#include <QDate>
#include <QString>
#include <QVariant>

class TIni {
 public:
  explicit TIni(QString file = QStringLiteral("config.ini"));
  static TIni New(const QString& file) { return TIni(file); }

  // The stored text, or the default's text form when the key is missing.
  QString GetEntry(const QString& section, const QString& key, const QString& def = QString()) const;
  QString GetEntry(const QString& section, const QString& key, const char* def) const;
  // Converted by the default's type: number, logical (true exactly when the upper-cased
  // text is contained in ".T."), date (eight-digit or dd/MM/yyyy text).
  double GetEntry(const QString& section, const QString& key, double def) const;
  double GetEntry(const QString& section, const QString& key, int def) const;
  bool GetEntry(const QString& section, const QString& key, bool def) const;
  QDate GetEntry(const QString& section, const QString& key, const QDate& def) const;
  QVariant GetEntryAs(const QString& section, const QString& key, const QVariant& def) const;

  // Writes the value's text form, trimmed, creating file, section and key as needed.
  // False when the file cannot be written (reported once per file and run).
  bool SetEntry(const QString& section, const QString& key, const QVariant& value) const;

  const QString& FileName() const { return m_file; }

 private:
  bool find(const QString& section, const QString& key, QString* value) const;
  QString m_file;
};
