#include <gtest/gtest.h>

#include <QFile>

#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "toolkit/DocumentOpener.h"

TEST(DocumentOpener, TracksAndClosesTheViewersItStarted) {
  ScopedWorkDir dir;
  QFile f(dir.file("TEMPrecibo.pdf"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("%PDF-1.4\n");
  f.close();
  // A viewer that would stay open for a long time, and starts a child of its own.
  qputenv("PORTAL_DOCUMENT_VIEWER", "sh -c 'sleep 300 & sleep 300' viewer %f");
  ASSERT_TRUE(DocumentOpener::Open(dir.file("TEMPrecibo.pdf")));
  ASSERT_TRUE(DocumentOpener::Open(dir.file("TEMPrecibo.pdf")));
  EXPECT_EQ(DocumentOpener::RunningCount(), 2);
  DocumentOpener::CloseAll();
  EXPECT_EQ(DocumentOpener::RunningCount(), 0);
  EXPECT_FALSE(DocumentOpener::Open(dir.file("missing.pdf")));
  qunsetenv("PORTAL_DOCUMENT_VIEWER");
}
