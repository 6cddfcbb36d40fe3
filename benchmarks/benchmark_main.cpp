// SPDX-License-Identifier: MIT
// Google Benchmark's main inside a QApplication on the offscreen platform, for the view's cases.
#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  const QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
