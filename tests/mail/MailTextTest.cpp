// Message pieces the SMTP component writes itself.
#include <gtest/gtest.h>

#include <QTimeZone>

#include "support/QtPrinters.h"

#include "mail/MailText.h"

TEST(MailText, EveryKindOfLineBreakBecomesCrLf) {
  const struct {
    QString in, out;
  } cases[] = {
      {u"uno\rdos"_qs, u"uno\r\ndos"_qs},
      {u"uno\r\ndos"_qs, u"uno\r\ndos"_qs},
      {u"uno\ndos"_qs, u"uno\r\ndos"_qs},
      {u"a\r\rb\n\nc\r\n\r\nd"_qs, u"a\r\n\r\nb\r\n\r\nc\r\n\r\nd"_qs},
      {u"\n\r"_qs, u"\r\n\r\n"_qs},
      {u"fin\r"_qs, u"fin\r\n"_qs},
      {QString(), QString()},
  };
  for (const auto& c : cases) EXPECT_EQ(MailText::CrlfLines(c.in), c.out) << c.in.toStdString();
}

TEST(MailText, DatesCarryTheirOwnOffset) {
  const QDate day(2024, 3, 5);
  const QTime time(7, 8, 9);
  EXPECT_EQ(MailText::RfcDate(QDateTime(day, time, QTimeZone(-6 * 3600))), QByteArray("Tue, 05 Mar 2024 07:08:09 -0600"));
  EXPECT_EQ(MailText::RfcDate(QDateTime(day, time, QTimeZone(5 * 3600 + 1800))), QByteArray("Tue, 05 Mar 2024 07:08:09 +0530"));
  EXPECT_EQ(MailText::RfcDate(QDateTime(day, time, QTimeZone::utc())), QByteArray("Tue, 05 Mar 2024 07:08:09 +0000"));
}

TEST(MailText, HeaderWordsAndAddresses) {
  EXPECT_EQ(MailText::EncodeHeaderText(u"Recibo 2024"_qs), QByteArray("Recibo 2024"));
  EXPECT_EQ(MailText::EncodeHeaderText(u"Año"_qs), QByteArray("=?UTF-8?B?QcOxbw==?="));
  // a character is never split between two encoded words
  const QByteArray folded = MailText::EncodeHeaderText(QString(40, u'ñ'));
  for (const QByteArray& word : folded.split('\n')) {
    const QByteArray b64 = word.trimmed().mid(10).chopped(2);
    EXPECT_TRUE(QString::fromUtf8(QByteArray::fromBase64(b64)).count(u'ñ') * 2 == QByteArray::fromBase64(b64).size());
  }
  EXPECT_EQ(MailText::AddressHeader(u"a@b.mx"_qs, u"a@b.mx"_qs), QByteArray("a@b.mx"));
  EXPECT_EQ(MailText::AddressHeader(u"José"_qs, u"a@b.mx"_qs), QByteArray("=?UTF-8?B?Sm9zw6k=?= <a@b.mx>"));
  EXPECT_TRUE(MailText::IsSafeAddress(u"ana.peña@empresa.mx"_qs));
  for (const QString& bad : {u"a@b.mx\r\n"_qs, u"a@b.mx>"_qs, u"<a@b.mx"_qs, u"a\tb@c.mx"_qs})
    EXPECT_FALSE(MailText::IsSafeAddress(bad)) << bad.toStdString();
  EXPECT_TRUE(MailText::NewMessageId(u"x@y.mx"_qs).endsWith("@y.mx>"));
  EXPECT_TRUE(MailText::NewMessageId(u"sin dominio"_qs).endsWith("@portal.local>"));
}
