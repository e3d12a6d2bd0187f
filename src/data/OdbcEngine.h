#pragma once
// SQL Server (or any ODBC data source) through the unixODBC C API: wide calls, forward-only
// cursors, every result of a batch read, no time-outs, one active statement at a time.
#include <QVariant>

#include "data/DbEngine.h"

class OdbcEngine : public DbEngine {
 public:
  // How character (non-wide) columns are read. SQL Server's varchar columns come as the raw
  // bytes of the database's code page (Windows-1252; the five undefined bytes survive as
  // U+0081..U+009D); other drivers may hand UTF-8 bytes, or convert to wide text themselves.
  enum class CharColumns { Cp1252Bytes, Utf8Bytes, Wide };

  explicit OdbcEngine(QString connectionText, CharColumns chars = CharColumns::Wide);
  ~OdbcEngine() override;
  OdbcEngine(const OdbcEngine&) = delete;
  OdbcEngine& operator=(const OdbcEngine&) = delete;

  bool Open(QList<DbError>* errors) override;
  void Close() override;
  bool IsOpen() const override { return m_dbc != nullptr; }
  DbOutcome Run(const QString& statement) override;
  QString Describe() const override;

  const QString& ConnectionText() const { return m_text; }

  // A decimal as the driver writes it: a whole number when it has no fraction, a double
  // when the double holds it exactly at its scale, otherwise the text itself (no digit lost).
  static QVariant DecimalValue(const QString& text);

 private:
  struct Reader;
  QString m_text;
  CharColumns m_chars;
  void* m_env = nullptr;
  void* m_dbc = nullptr;
};
