#pragma once
// Number, date and amount-in-words formatting for printed documents (Mexican conventions).
#include <QDate>
#include <QString>
#include <QVariant>

namespace ReportFormat {

// 1234567.891 -> "1,234,567.89": comma thousands, point decimals.
QString Number(double value, int decimals = 2);
// "$1,234.50"; negatives as "-$1,234.50".
QString Money(double value);
// A value as a date: QDate/QDateTime, or text "yyyy-MM-dd[ hh:mm:ss]", "yyyyMMdd", "dd/MM/yyyy".
QDate AsDate(const QVariant& value);
// dd/MM/yyyy unless another Qt date pattern is given; empty for what is not a date.
QString Date(const QVariant& value, const QString& pattern = QString());
// "8 de diciembre de 2026".
QString LongDate(const QVariant& value);
// "MIL DOSCIENTOS TREINTA Y CUATRO PESOS 50/100 M.N."
QString AmountInWords(double value);
// A value that is a number, or text that holds one: true and the number.
bool AsNumber(const QVariant& value, double& number);

}  // namespace ReportFormat
