// Shared main of every benchmark program: a headless QApplication, message boxes captured.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "support/BuildPaths.h"
#include "toolkit/Modules.h"
#include "toolkit/MsgBox.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  MsgSeam::Capture(true);
  Modules::SetFolders({BuildPaths::Binary()});  // the program's modules, built beside it
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
