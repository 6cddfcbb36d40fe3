// SPDX-License-Identifier: MIT
// Preloaded into the real program (LD_PRELOAD): once its main window is up, reads the process's
// resident memory, opens 名前の候補 from the menu as a user would, waits for the list, and reads it
// again with the peak, printing the three to standard error before it quits. What a user's
// system monitor shows, not what one allocation costs.
#include <cstdio>
#include <fstream>
#include <string>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int kPollMilliseconds = 100;
constexpr int kSettleMilliseconds = 1000;

long StatusKiB(const std::string& field) {
  std::ifstream status{"/proc/self/status"};
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(field + ":")) {
      return std::stol(line.substr(field.size() + 1));
    }
  }
  return 0;
}

QMainWindow* ShownMainWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* main = qobject_cast<QMainWindow*>(window);
    if (main != nullptr && main->windowHandle() != nullptr && main->windowHandle()->isExposed()) {
      return main;
    }
  }
  return nullptr;
}

bool ListShown() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    for (auto* view : window->findChildren<QAbstractItemView*>()) {
      if (view->accessibleName() == QStringLiteral("名前の候補") && view->model()->rowCount() > 0) {
        return true;
      }
    }
  }
  return false;
}

void Report(long before) {
  std::fprintf(stderr,
               "resident before the window: %ld KiB\nresident with the list: %ld KiB\n"
               "peak: %ld KiB\n",
               before, StatusKiB("VmRSS"), StatusKiB("VmHWM"));
  QApplication::exit(0);
}

void MeasureOnceShown() {
  auto* poll = new QTimer(QCoreApplication::instance());
  QObject::connect(poll, &QTimer::timeout, poll, [poll] {
    QMainWindow* main = ShownMainWindow();
    if (main == nullptr) {
      return;
    }
    poll->stop();
    QTimer::singleShot(kSettleMilliseconds, main, [main] {
      const long before = StatusKiB("VmRSS");
      for (QAction* action : main->findChildren<QAction*>()) {
        if (action->text().startsWith(QStringLiteral("名前の候補"))) {
          action->trigger();
        }
      }
      auto* wait = new QTimer(main);
      QObject::connect(wait, &QTimer::timeout, wait, [wait, main, before] {
        if (ListShown()) {
          wait->stop();
          QTimer::singleShot(kSettleMilliseconds, main, [before] { Report(before); });
        }
      });
      wait->start(kPollMilliseconds);
    });
  });
  poll->start(kPollMilliseconds);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(MeasureOnceShown)
