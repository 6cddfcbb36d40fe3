// SPDX-License-Identifier: MIT
// Preloaded into the real program (LD_PRELOAD): once its event loop runs, prints what Qt made of
// the start-up, as "layout-direction platform style", and ends the program.
#include <cstdio>

#include <QApplication>
#include <QStyle>
#include <QTimer>

namespace {

void ReportStartUp() {
  QTimer::singleShot(0, QCoreApplication::instance(), [] {
    std::printf("%s %s %s\n", QGuiApplication::isRightToLeft() ? "right-to-left" : "left-to-right",
                qPrintable(QGuiApplication::platformName()),
                qPrintable(QApplication::style()->name()));
    std::fflush(stdout);
    QCoreApplication::exit(0);
  });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(ReportStartUp)
