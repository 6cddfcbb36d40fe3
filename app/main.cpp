// SPDX-License-Identifier: MIT
#include <QApplication>

#include "ui/qt/main_window_view.h"

int main(int argc, char* argv[]) {
  const QApplication application(argc, argv);
  quendrel::MainWindowView window;
  window.show();
  return QApplication::exec();
}
