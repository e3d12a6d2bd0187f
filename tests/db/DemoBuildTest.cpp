// The demo database builds through the start-up update without a single failing batch, and a
// later start runs nothing.
#include <gtest/gtest.h>

#include "data/StatementJournal.h"
#include "db/DemoDatabase.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

TEST(DemoBuild, EveryScriptRunsWithoutAnAlertAndIsRegistered) {
  const auto& built = DemoDatabase::Standard();
  ASSERT_TRUE(built.prepared);
  for (const auto& box : built.boxes) ADD_FAILURE() << box.title.toStdString() << ": " << box.text.left(1500).toStdString();
  auto ds = DemoDatabase::Open(QDir(DemoDatabase::StandardTerminal()).filePath("portal-demo.db"));
  const ResultSet reg = ds->Query(QStringLiteral("select Script, Longitud, CheckSum from dbo.ActualDB order by Script"));
  const QStringList scripts = QDir(DemoDatabase::StandardTerminal() + "/ActualDB").entryList({"*.sql"}, QDir::Files, QDir::Name);
  ASSERT_EQ(reg.rows.size(), scripts.size());
  EXPECT_GE(scripts.size(), 7);
}
