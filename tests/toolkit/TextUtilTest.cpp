#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include "toolkit/TextUtil.h"

using namespace Text;

struct PictureCase {
  QVariant value;
  const char* picture;
  const char* expected;
};

TEST(TextUtil, PictureFormatting) {
  const PictureCase cases[] = {
      {5, "99999999", "       5"},
      {2024, "9999", "2024"},
      {12345, "9999", "****"},
      {-12, "99999", "  -12"},
      {12.25, "999999.9", "    12.3"},
      {0.5, "999999.9", "     0.5"},
      {1234567.891, "9,999,999,999.99", "    1,234,567.89"},
      {12.5, "9,999,999,999.99", "           12.50"},
      {0, "9,999,999,999.99", "            0.00"},
      {7, "####", "   7"},
      {QStringLiteral("12"), "####", "12"},
      {1234.5, "99999999.99", "    1234.50"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Transform(c.value, QString::fromUtf8(c.picture)), QString::fromUtf8(c.expected))
        << c.picture << " " << qPrintable(c.value.toString());
}

TEST(TextUtil, NumericValueOfText) {
  const std::pair<const char*, double> cases[] = {
      {"0012", 12}, {"ABC", 0}, {"12ABC", 12}, {"", 0}, {"   5", 5}, {"-3.5x", -3.5}, {"1,000", 1}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(text)), value) << text;
}

TEST(TextUtil, PaddingTrimmingAndDates) {
  EXPECT_EQ(PadL(QStringLiteral("5"), 8), QStringLiteral("       5"));
  EXPECT_EQ(PadL(QStringLiteral("4711"), 6), QStringLiteral("  4711"));
  EXPECT_EQ(PadL(QStringLiteral("123456789"), 6), QStringLiteral("123456"));
  EXPECT_EQ(AllTrim(QStringLiteral("  a b  ")), QStringLiteral("a b"));
  EXPECT_EQ(RTrim(QStringLiteral("  a  ")), QStringLiteral("  a"));
  EXPECT_EQ(DToS(QDate(2026, 3, 9)), QStringLiteral("20260309"));
  EXPECT_EQ(SToD(QStringLiteral("20261208")), QDate(2026, 12, 8));
  EXPECT_EQ(ToText(QVariant(12.0)), QStringLiteral("12"));
  EXPECT_EQ(ToText(QVariant(true)), QStringLiteral(".T."));
  EXPECT_EQ(Quoted(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
}

TEST(TextUtil, EveryWindows1252ByteRoundTrips) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const QString text = FromCp1252(all);
  EXPECT_EQ(text.size(), 256);
  EXPECT_EQ(ToCp1252(text), all);
  EXPECT_EQ(FromCp1252(QByteArray("\x81\x8D\x8F\x90\x9D")),
            QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
  EXPECT_EQ(ToCp1252(QStringLiteral("Ñ€")), QByteArray("\xD1\x80"));
  EXPECT_EQ(ToCp1252(QStringLiteral("日")), QByteArray("?"));
}
