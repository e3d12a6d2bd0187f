#pragma once
// A real SQLite database behind the update's link, with a journal of every statement sent.
// Only the register's T-SQL creation statement and the dbo. prefix need translating here.
#include <sqlite3.h>

#include <QString>
#include <QStringList>

#include "toolkit/MsgBox.h"
#include "update/UpdateLink.h"

class SqliteLink {
 public:
  explicit SqliteLink(const QString& file) { sqlite3_open(file.toUtf8().constData(), &m_db); }
  ~SqliteLink() { sqlite3_close(m_db); }
  SqliteLink(const SqliteLink&) = delete;
  SqliteLink& operator=(const SqliteLink&) = delete;

  UpdateLink Link() {
    return {[this](const QString& s) { return execute(s); }, [this](const QString& s) { return query(s); }};
  }
  QStringList journal;  // statements in the order sent
  QStringList failed;   // statements the engine rejected

  Rows query(const QString& statement) {
    journal << statement;
    Rows rows;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db, translate(statement).toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
      failed << statement;
      return rows;
    }
    while (sqlite3_step(st) == SQLITE_ROW) {
      Row row;
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        switch (sqlite3_column_type(st, i)) {
          case SQLITE_INTEGER: row.values << QVariant(qint64(sqlite3_column_int64(st, i))); break;
          case SQLITE_FLOAT: row.values << QVariant(sqlite3_column_double(st, i)); break;
          case SQLITE_NULL: row.values << QVariant(); break;
          default: row.values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
        }
      }
      rows << row;
    }
    sqlite3_finalize(st);
    return rows;
  }

 private:
  bool execute(const QString& statement) {
    journal << statement;
    char* error = nullptr;
    if (sqlite3_exec(m_db, translate(statement).toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
      failed << statement;
      MsgAlert(QString::fromUtf8(error) + QStringLiteral("\r\n") + statement);
      sqlite3_free(error);
      return false;
    }
    return true;
  }
  static QString translate(QString s) {
    if (s.contains(QStringLiteral("CREATE TABLE dbo.ActualDB")))
      return QStringLiteral("CREATE TABLE IF NOT EXISTS ActualDB (Script VARCHAR(100), Fecha DATETIME, "
                            "Hora VARCHAR(20), Longitud NUMERIC(10,0), CheckSum NUMERIC(15,0))");
    return s.replace(QStringLiteral("dbo."), QString());
  }
  sqlite3* m_db = nullptr;
};
