// The db/ scripts survive the start-up update's reading: no line is cut, only real separator
// lines end a batch, and nothing is left after the last separator.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/BuildPaths.h"
#include "update/UpdateScript.h"

TEST(DemoScripts, KeepTheFormTheUpdateReads) {
  const QDir db(BuildPaths::Source(QStringLiteral("/db")));
  const QStringList names = db.entryList({QStringLiteral("[0-9][0-9]_*.sql")}, QDir::Files, QDir::Name);
  ASSERT_GE(names.size(), 7);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    QFile f(db.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const QString text = UpdateScript::Decode(bytes);
    EXPECT_EQ(text, QString::fromUtf8(bytes)) << "scripts are UTF-8";
    const QStringList raw = text.split(u'\n');
    int last = -1;
    for (int i = 0; i < raw.size(); ++i) {
      EXPECT_LT(raw[i].size(), UpdateScript::kLineWidth) << "line " << i + 1;
      if (UpdateScript::IsSeparator(raw[i])) {
        EXPECT_EQ(raw[i].trimmed(), QStringLiteral("GO")) << "line " << i + 1 << " would end a batch";
        last = i;
      }
    }
    ASSERT_GE(last, 0);
    for (int i = last + 1; i < raw.size(); ++i) EXPECT_TRUE(raw[i].trimmed().isEmpty()) << "line " << i + 1 << " would never run";
  }
}
