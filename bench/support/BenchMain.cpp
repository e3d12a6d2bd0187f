// Shared main of every benchmark program: a headless QApplication, message boxes captured.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "toolkit/MsgBox.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  MsgSeam::Capture(true);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
