// SPDX-License-Identifier: MIT
// A bare Qt 6 window of the main window's size: a menu bar and an empty 458 × 408 client area.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[]) {
  const QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.menuBar()->addMenu(QStringLiteral("Menu"));
  auto* client = new QWidget(&window);
  client->setFixedSize(458, 408);
  window.setCentralWidget(client);
  window.show();
  return QApplication::exec();
}
