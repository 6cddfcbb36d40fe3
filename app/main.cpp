// SPDX-License-Identifier: MIT
#include <algorithm>

#include <QApplication>

#include "ui/qt/main_window_view.h"
#include "ui/qt/qt_strings.h"
#include "ui/qt/qt_translation.h"
#include "ui/version.h"

int main(int argc, char* argv[]) {
  // quendrel takes no command line, so Qt sees none either: its own options (-reverse, -style,
  // -platform, …) would otherwise change the window. The environment, QT_QPA_PLATFORM among it,
  // still configures Qt as usual.
  int programNameOnly = std::min(argc, 1);
  const QApplication application(programNameOnly, argv);
  // The desktop entry's id, so that the desktop matches the window to its entry and icon: Wayland
  // takes the app id from the desktop file name, X11's WM_CLASS its class from the application
  // name.
  const QString id = quendrel::ToQString(quendrel::kApplicationId);
  QGuiApplication::setDesktopFileName(id);
  QCoreApplication::setApplicationName(id);
  quendrel::InstallQtTranslation();
  quendrel::MainWindowView window;
  window.show();
  return QApplication::exec();
}
