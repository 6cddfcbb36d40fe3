// SPDX-License-Identifier: MIT
#pragma once

#include <QTest>
#include <QWidget>

namespace quendrel::test {

// Neither a bare X server nor the offscreen platform has a window manager to hand activation to
// a window, so a test asks for it and waits until the window system reports it.
inline bool Activate(QWidget& window) {
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

}  // namespace quendrel::test
