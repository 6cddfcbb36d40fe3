// SPDX-License-Identifier: MIT
#include <algorithm>

#include <QApplication>

#include "ui/qt/main_window_view.h"

int main(int argc, char* argv[]) {
  // quendrel takes no command line, so Qt sees none either: its own options (-reverse, -style,
  // -platform, …) would otherwise change the window. The environment, QT_QPA_PLATFORM among it,
  // still configures Qt as usual.
  int programNameOnly = std::min(argc, 1);
  const QApplication application(programNameOnly, argv);
  quendrel::MainWindowView window;
  window.show();
  return QApplication::exec();
}
