// SPDX-License-Identifier: MIT
// Preloaded into the real program (LD_PRELOAD): once its main window is up on the screen, chooses
// the version menu item, as a user would, so that a test sees the About dialog come up through
// the window system.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int kPollMilliseconds = 100;

void OpenAboutOnceShown() {
  auto* poll = new QTimer(QCoreApplication::instance());
  QObject::connect(poll, &QTimer::timeout, poll, [poll] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (qobject_cast<QMainWindow*>(window) == nullptr || window->windowHandle() == nullptr ||
          !window->windowHandle()->isExposed()) {
        continue;
      }
      for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("バージョン情報（&A）")) {
          poll->stop();
          poll->deleteLater();
          action->trigger();  // returns when the dialog closes
          return;
        }
      }
    }
  });
  poll->start(kPollMilliseconds);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(OpenAboutOnceShown)
