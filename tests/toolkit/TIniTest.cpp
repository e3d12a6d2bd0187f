#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QFile>

#include "support/TempDir.h"
#include "toolkit/TIni.h"

namespace {
void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}
QByteArray readBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(TIni, ReadsWhateverTheFileLooksLike) {
  struct Case { const char* name; QByteArray bytes; const char* expected; };
  const Case cases[] = {
      {"plain", "[CONFIG]\nSERVER=srv1\n", "srv1"},
      {"crlf and case", "[config]\r\nserver = srv2 \r\n", "srv2"},
      {"bom", "\xEF\xBB\xBF[CONFIG]\nSERVER=srv3\n", "srv3"},
      {"duplicate keys, first wins", "[CONFIG]\nSERVER=a\nSERVER=b\n", "a"},
      {"no sections", "SERVER=x\n", ""},
      {"empty", "", ""},
      {"binary", QByteArray("\x00\xff\xfe[CONFIG\x00]\n\x01=\x02", 14), ""},
      {"windows-1252", "[CONFIG]\nSERVER=Peña\n", "Peña"},
      {"other section", "[OTRO]\nSERVER=no\n[CONFIG]\nSERVER=si\n", "si"},
  };
  for (const auto& c : cases) {
    ScopedWorkDir dir;
    QByteArray bytes = c.bytes;
    if (QByteArray(c.name) == "windows-1252") bytes = QByteArray("[CONFIG]\nSERVER=Pe\xF1" "a\n");
    writeBytes(dir.file("config.ini"), bytes);
    EXPECT_EQ(TIni().GetEntry("Config", "Server"), QString::fromUtf8(c.expected)) << c.name;
  }
}

TEST(TIni, DefaultsAndConversions) {
  ScopedWorkDir dir;
  writeBytes(dir.file("config.ini"), "[V]\nN=0012\nT=t\nF=.F.\nE=\nD=20261208\n");
  TIni ini;
  EXPECT_EQ(ini.GetEntry("V", "Missing", "dflt"), QStringLiteral("dflt"));
  EXPECT_EQ(ini.GetEntry("V", "Missing"), QString());
  EXPECT_DOUBLE_EQ(ini.GetEntry("V", "N", 0), 12.0);
  EXPECT_DOUBLE_EQ(ini.GetEntry("V", "Missing", 7), 7.0);
  EXPECT_TRUE(ini.GetEntry("V", "T", false));
  EXPECT_TRUE(ini.GetEntry("V", "E", false));   // the empty text is contained in ".T."
  EXPECT_FALSE(ini.GetEntry("V", "F", true));
  EXPECT_FALSE(ini.GetEntry("V", "Missing", false));
  EXPECT_EQ(ini.GetEntry("V", "D", QDate()), QDate(2026, 12, 8));
}

TEST(TIni, WritesKeepTheRestOfTheFile) {
  ScopedWorkDir dir;
  const QByteArray before = "; terminal\r\n[CONFIG]\r\nSERVER=srv\r\n\r\n[VARIABLES]\r\nPDF=Si\r\n";
  writeBytes(dir.file("config.ini"), before);
  TIni ini;
  ASSERT_TRUE(ini.SetEntry("variables", "Tipo", "  E  "));
  EXPECT_EQ(readBytes(dir.file("config.ini")),
            QByteArray("; terminal\r\n[CONFIG]\r\nSERVER=srv\r\n\r\n[VARIABLES]\r\nPDF=Si\r\nTipo=E\r\n"));
  ASSERT_TRUE(ini.SetEntry("VARIABLES", "TIPO", "E"));
  ASSERT_TRUE(ini.SetEntry("CONFIG", "server", "otro"));
  EXPECT_EQ(readBytes(dir.file("config.ini")),
            QByteArray("; terminal\r\n[CONFIG]\r\nSERVER=otro\r\n\r\n[VARIABLES]\r\nPDF=Si\r\nTipo=E\r\n"));
}

TEST(TIni, CreatesFileAndSection) {
  ScopedWorkDir dir;
  TIni ini;
  ASSERT_TRUE(ini.SetEntry("VARIABLES", "Tipo", "E"));
  EXPECT_EQ(readBytes(dir.file("config.ini")), QByteArray("[VARIABLES]\nTipo=E\n"));
  EXPECT_FALSE(TIni(dir.file("no/such/dir/config.ini")).SetEntry("A", "B", "C"));
}
