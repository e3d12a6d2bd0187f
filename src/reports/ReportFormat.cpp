#include "reports/ReportFormat.h"

#include <QDateTime>
#include <QStringList>
#include <cmath>

namespace ReportFormat {

QString Number(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 6);
  const QString digits = QString::number(std::fabs(value), 'f', decimals);
  qsizetype point = digits.indexOf(u'.');
  if (point < 0) point = digits.size();
  // One pass: thousands separators in the whole part, and whether any digit is not zero.
  QString text;
  text.reserve(digits.size() + point / 3 + 1);
  bool allZero = true;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && i < point && (point - i) % 3 == 0) text += u',';
    const QChar c = digits[i];
    text += c;
    if (c != u'0' && c != u'.') allZero = false;
  }
  return value < 0 && !allZero ? u'-' + text : text;
}

QString Money(double value) {
  const QString text = Number(value, 2);
  return text.startsWith(u'-') ? QStringLiteral("-$") + text.mid(1) : u'$' + text;
}

QDate AsDate(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QDate: return value.toDate();
    case QMetaType::QDateTime: return value.toDateTime().date();
    default: break;
  }
  const QString text = value.toString().trimmed();
  if (text.isEmpty()) return {};
  static const char* const patterns[] = {"yyyy-MM-dd", "yyyyMMdd", "dd/MM/yyyy", "d/M/yyyy", "yyyy/MM/dd"};
  const QString head = text.left(10);
  for (const char* pattern : patterns) {
    const QString p = QString::fromLatin1(pattern);
    QDate d = QDate::fromString(text.size() > 10 && p.size() == 10 ? head : text, p);
    if (d.isValid()) return d;
  }
  const QDateTime dt = QDateTime::fromString(text, Qt::ISODate);
  return dt.isValid() ? dt.date() : QDate();
}

QString Date(const QVariant& value, const QString& pattern) {
  const QDate d = AsDate(value);
  if (!d.isValid()) return value.typeId() == QMetaType::QString ? value.toString() : QString();
  return d.toString(pattern.isEmpty() ? QStringLiteral("dd/MM/yyyy") : pattern);
}

QString LongDate(const QVariant& value) {
  static const QStringList months = {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio",
                                     "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
  const QDate d = AsDate(value);
  if (!d.isValid()) return QString();
  return QStringLiteral("%1 de %2 de %3").arg(d.day()).arg(months[d.month() - 1]).arg(d.year());
}

namespace {

QString Hundreds(int n) {  // 0..999
  static const char* const units[] = {"", "UNO", "DOS", "TRES", "CUATRO", "CINCO", "SEIS", "SIETE", "OCHO", "NUEVE",
                                      "DIEZ", "ONCE", "DOCE", "TRECE", "CATORCE", "QUINCE", "DIECISEIS",
                                      "DIECISIETE", "DIECIOCHO", "DIECINUEVE", "VEINTE", "VEINTIUNO", "VEINTIDOS",
                                      "VEINTITRES", "VEINTICUATRO", "VEINTICINCO", "VEINTISEIS", "VEINTISIETE",
                                      "VEINTIOCHO", "VEINTINUEVE"};
  static const char* const tens[] = {"", "", "", "TREINTA", "CUARENTA", "CINCUENTA", "SESENTA", "SETENTA",
                                     "OCHENTA", "NOVENTA"};
  static const char* const hundreds[] = {"", "CIENTO", "DOSCIENTOS", "TRESCIENTOS", "CUATROCIENTOS",
                                         "QUINIENTOS", "SEISCIENTOS", "SETECIENTOS", "OCHOCIENTOS", "NOVECIENTOS"};
  if (n == 100) return QStringLiteral("CIEN");
  QStringList parts;
  if (n >= 100) parts << QString::fromLatin1(hundreds[n / 100]);
  const int rest = n % 100;
  if (rest > 0 && rest < 30) parts << QString::fromLatin1(units[rest]);
  else if (rest >= 30) {
    QString t = QString::fromLatin1(tens[rest / 10]);
    if (rest % 10) t += QStringLiteral(" Y ") + QString::fromLatin1(units[rest % 10]);
    parts << t;
  }
  return parts.join(u' ');
}

// "UNO" becomes "UN" before a noun (MIL, MILLONES, PESOS).
QString Apocope(QString words) {
  if (words.endsWith(QStringLiteral("VEINTIUNO"))) return words.chopped(1);
  if (words.endsWith(QStringLiteral("UNO"))) words.chop(1);
  return words;
}

QString Words(qint64 n) {
  if (n == 0) return QStringLiteral("CERO");
  QStringList parts;
  const qint64 millions = n / 1000000;
  const int thousands = static_cast<int>((n / 1000) % 1000);
  const int units = static_cast<int>(n % 1000);
  if (millions > 0)
    parts << (millions == 1 ? QStringLiteral("UN MILLON") : Apocope(Words(millions)) + QStringLiteral(" MILLONES"));
  if (thousands > 0) parts << (thousands == 1 ? QStringLiteral("MIL") : Apocope(Hundreds(thousands)) + QStringLiteral(" MIL"));
  if (units > 0) parts << Hundreds(units);
  return parts.join(u' ');
}

}  // namespace

QString AmountInWords(double value) {
  const qint64 cents = std::llround(std::fabs(value) * 100.0);
  const qint64 whole = cents / 100;
  QString words = Apocope(Words(whole));
  const bool exactMillions = whole >= 1000000 && whole % 1000000 == 0;
  words += exactMillions ? QStringLiteral(" DE PESOS") : (whole == 1 ? QStringLiteral(" PESO") : QStringLiteral(" PESOS"));
  return QStringLiteral("%1%2 %3/100 M.N.")
      .arg(value < 0 ? QStringLiteral("MENOS ") : QString(), words)
      .arg(cents % 100, 2, 10, QChar(u'0'));
}

bool AsNumber(const QVariant& value, double& number) {
  switch (value.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Long: case QMetaType::Short:
      number = value.toDouble();
      return true;
    case QMetaType::QString: {
      bool ok = false;
      number = value.toString().trimmed().toDouble(&ok);
      return ok;
    }
    default: return false;
  }
}

}  // namespace ReportFormat
