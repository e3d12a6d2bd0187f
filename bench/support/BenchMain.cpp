// Shared main of every benchmark program: a headless QApplication, message boxes captured.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "toolkit/Modules.h"
#include "toolkit/MsgBox.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  MsgSeam::Capture(true);
  Modules::SetFolders({QStringLiteral(PORTAL_BINARY_DIR)});  // the program's modules, built beside it
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
