// Every seed and every input a fuzzer ever found a fault with, replayed through the same entry
// points the fuzz programs use (fuzz/corpus/<target>/).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/BuildPaths.h"
#include "FuzzTargets.h"

namespace {

using Entry = int (*)(const uint8_t*, size_t);

struct Target {
  const char* folder;
  Entry entry;
};

const Target kTargets[] = {
    {"ini", FuzzTargets::Ini},           {"dialect", FuzzTargets::Dialect}, {"template", FuzzTargets::Template},
    {"expression", FuzzTargets::Expression}, {"script", FuzzTargets::Script},
};

}  // namespace

TEST(FuzzRegressions, EveryKeptInputRunsThrough) {
  for (const Target& t : kTargets) {
    const QDir dir(BuildPaths::Source(QStringLiteral("/fuzz/corpus/")) + QString::fromLatin1(t.folder));
    const QStringList files = dir.entryList(QDir::Files);
    EXPECT_FALSE(files.isEmpty()) << t.folder << " has no seeds";
    for (const QString& name : files) {
      QFile f(dir.filePath(name));
      ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
      const QByteArray bytes = f.readAll();
      EXPECT_EQ(t.entry(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())), 0)
          << t.folder << "/" << name.toStdString();
    }
  }
}
