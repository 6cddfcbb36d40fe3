// SPDX-License-Identifier: MIT
// GoogleTest's main with a QApplication around it, for tests of widgets.
#include <QApplication>
#include <gtest/gtest.h>

#include "ui/qt/qt_translation.h"

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs this binary with none of the tests' environment; it needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  const QApplication application(argc, argv);
  // Qt's texts as the program shows them in the locale the test runs in.
  quendrel::InstallQtTranslation();
  return RUN_ALL_TESTS();
}
