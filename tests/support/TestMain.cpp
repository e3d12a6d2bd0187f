// Shared main of every test program: a headless QApplication and GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "support/BuildPaths.h"
#include "toolkit/Modules.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Pictures.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // The errors tests provoke stay out of the machine's journal (a journal test sets its own socket).
  qputenv("PORTAL_JOURNAL_SOCKET", "/nonexistent/portal-tests-journal");
  QApplication app(argc, argv);
  app.setApplicationDisplayName(QStringLiteral("ZelkPortalv11"));
  MsgSeam::Capture(true);
  Modules::SetFolders({BuildPaths::Binary()});  // the program's modules, built beside it
  const QTemporaryDir drawings;  // pictures drawn by this run, not the user's cache
  Pictures::SetCacheFolder(drawings.path());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
