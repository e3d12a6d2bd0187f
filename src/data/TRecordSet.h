#pragma once
// A forward-only, read-only recordset on the direct connection: Open, then Eof / Fields(i)
// (counted from 0) / MoveNext, then Close. A failed Open (broken or never opened connection,
// rejected statement) is not trapped here: it goes to the general error handler.
// (The end test is Eof(): the name EOF is taken by the C library's macro.)
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "data/Rows.h"

class TConnection;

class TField {
 public:
  TField() = default;
  TField(QString name, QVariant value) : m_name(std::move(name)), m_value(std::move(value)) {}
  QVariant Value() const { return m_value; }
  const QString& Name() const { return m_name; }

 private:
  QString m_name;
  QVariant m_value;
};

class TRecordSet {
 public:
  // Runs the statement; false when it failed and the error handler let the program go on.
  bool Open(const QString& statement, const std::shared_ptr<TConnection>& connection);
  bool Eof() const { return m_position >= m_result.rows.size(); }
  TField Fields(int index) const;  // 0-based; an empty value past the end or at Eof
  int FieldCount() const { return static_cast<int>(m_result.columns.size()); }
  int RecordCount() const { return static_cast<int>(m_result.rows.size()); }
  void MoveNext();
  void Close();
  bool IsOpen() const { return m_open; }

 private:
  ResultSet m_result;
  qsizetype m_position = 0;
  bool m_open = false;
};
