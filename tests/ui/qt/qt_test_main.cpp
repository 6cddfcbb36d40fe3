// SPDX-License-Identifier: MIT
// GoogleTest's main with a QApplication around it, for tests of widgets.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs this binary with none of the tests' environment; it needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  const QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
