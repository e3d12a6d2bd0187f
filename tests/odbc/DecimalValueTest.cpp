#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include "data/OdbcEngine.h"

namespace {

TEST(DecimalValue, WholeNumbersDoublesOrEveryDigitKept) {
  struct Case {
    const char* text;
    QVariant expected;
  };
  const Case cases[] = {
      {"12", QVariant(qlonglong(12))},
      {"-12.000", QVariant(qlonglong(-12))},
      {"0.00", QVariant(qlonglong(0))},
      {"12345.6700", QVariant(12345.67)},
      {"-.50", QVariant(-0.5)},
      {"0.05", QVariant(0.05)},
      {"999999999999.999", QVariant(999999999999.999)},
      {"9999999999999.999", QVariant(QStringLiteral("9999999999999.999"))},
      {"123456789012345678", QVariant(qlonglong(123456789012345678))},
      {"99999999999999999999", QVariant(QStringLiteral("99999999999999999999"))},
      {"1E5", QVariant(QStringLiteral("1E5"))},
  };
  for (const Case& c : cases) {
    const QVariant got = OdbcEngine::DecimalValue(QString::fromLatin1(c.text));
    EXPECT_EQ(got.typeId(), c.expected.typeId()) << c.text;
    EXPECT_EQ(got, c.expected) << c.text;
  }
}

}  // namespace
