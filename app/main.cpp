// SPDX-License-Identifier: MIT
#include <QApplication>

#include "ui/qt/main_window_view.h"

int main(int argc, char* argv[]) {
  const QApplication application(argc, argv);
  // The desktop entry's id, so that the desktop matches the window to its entry and icon: Wayland
  // takes the app id from the desktop file name, X11's WM_CLASS its class from the application
  // name.
  const QString id = QStringLiteral("io.github.quendrel.Quendrel");
  QGuiApplication::setDesktopFileName(id);
  QCoreApplication::setApplicationName(id);
  quendrel::MainWindowView window;
  window.show();
  return QApplication::exec();
}
