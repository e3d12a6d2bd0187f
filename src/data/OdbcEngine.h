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

  // After connecting, run `probe`, a statement whose one character column holds the bytes
  // 0x81 0xD1, and read character columns as Windows-1252 when those bytes come back as they
  // are, or as UTF-8 when the driver converted them. Guards against a driver that converts.
  // When the bytes came converted and `unconvertedText` is given, the engine connects once
  // more with that text (asking the driver not to convert) and keeps it when the probe then
  // sees the bytes unchanged.
  void DetectCharColumns(const QString& probe, const QString& unconvertedText = QString()) {
    m_probe = probe;
    m_unconverted = unconvertedText;
  }
  CharColumns Chars() const { return m_chars; }

  // The probe for SQL Server.
  static QString SqlServerProbe() { return QStringLiteral("SELECT CAST(0x81D1 AS varchar(2)) AS probe"); }
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
  // A date or datetime column as the embedded engine keeps dates: "yyyy-MM-dd", with
  // " HH:mm:ss" only when the time is not midnight (never the driver's "... 00:00:00.000").
  static QString DateText(int year, int month, int day, int hour, int minute, int second);

 private:
  struct Reader;
  QString m_text;
  CharColumns m_chars;
  QString m_probe;
  QString m_unconverted;
  bool probe(QList<DbError>* errors);
  void* m_env = nullptr;
  void* m_dbc = nullptr;
};
