#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include "data/Scramble.h"
#include "toolkit/MsgBox.h"
#include "toolkit/TextUtil.h"

TEST(Scramble, KnownValues) {
  EXPECT_EQ(EncriptaPWD(QStringLiteral("abc")), QStringLiteral("jjm"));
  EXPECT_EQ(Desencripta(QStringLiteral("jjm")), QStringLiteral("abc"));
  EXPECT_EQ(EncriptaPWD(QString()), QString());
  const QString aaa = EncriptaPWD(QStringLiteral("AAA"));
  EXPECT_EQ(aaa, QStringLiteral("JIK"));  // offsets 1, 2, 0 give +9, +8, +10
  // byte 250 at position 3 wraps to 4
  const QString s = EncriptaPWD(Text::FromCp1252(QByteArray("ab\xFA")));
  EXPECT_EQ(static_cast<unsigned char>(Text::ToCp1252(s).at(2)), 4);
}

TEST(Scramble, EveryByteAndLengthRoundTrips) {
  for (int len = 0; len <= 300; len += 7) {
    QByteArray bytes;
    for (int i = 0; i < len; ++i) bytes += static_cast<char>((i * 37 + len) & 0xFF);
    const QString plain = Text::FromCp1252(bytes);
    const QString scrambled = EncriptaPWD(plain);
    EXPECT_EQ(scrambled.size(), plain.size());
    EXPECT_EQ(Desencripta(scrambled), plain);
  }
  const QString rfc = QStringLiteral("PEÑA800101AB1");
  EXPECT_EQ(EncriptaPWD(rfc).size(), 13);
  EXPECT_EQ(Text::ToCp1252(EncriptaPWD(rfc)).size(), 13);
}

TEST(Scramble, EveryByteAtEveryOffsetFollowsTheShift) {
  for (int position = 1; position <= 3; ++position) {
    const int shift = 10 - position % 3;  // +9, +8, +10
    for (int b = 0; b < 256; ++b) {
      QByteArray bytes(position, 'a');
      bytes[position - 1] = static_cast<char>(b);
      const QString plain = Text::FromCp1252(bytes);
      const QByteArray scrambled = Text::ToCp1252(EncriptaPWD(plain));
      ASSERT_EQ(scrambled.size(), position);
      EXPECT_EQ(static_cast<unsigned char>(scrambled[position - 1]), (b + shift) & 0xFF) << position << ' ' << b;
      EXPECT_EQ(Desencripta(EncriptaPWD(plain)), plain) << position << ' ' << b;
    }
  }
}

TEST(Scramble, ValueThatIsNotTextStopsWithThePartialResult) {
  MsgSeam::Clear();
  EXPECT_EQ(EncriptaPWD(QVariant(12)), QString());
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken().first().kind, MsgKind::Stop);
  EXPECT_EQ(MsgSeam::Taken().first().title, QStringLiteral("ENCRIPTACION INCOMPLETA"));
  EXPECT_TRUE(MsgSeam::Taken().first().text.startsWith(QStringLiteral("EncriptaPWD\r\n")));
  MsgSeam::Clear();
  EXPECT_EQ(Desencripta(QVariant(QDate(2024, 1, 1))), QString());
  ASSERT_EQ(MsgSeam::Taken().size(), 1);
  EXPECT_EQ(MsgSeam::Taken().first().title, QStringLiteral("DESENCRIPTAR INCOMPLETO"));
  MsgSeam::Clear();
  EXPECT_EQ(EncriptaPWD(QVariant()), QString());  // nothing given: the empty text, no box
  EXPECT_TRUE(MsgSeam::Taken().isEmpty());
}
