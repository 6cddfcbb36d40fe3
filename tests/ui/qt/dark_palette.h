// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

namespace quendrel::test {

// A dark theme's palette, as a platform theme sets it for the whole application: near-white inks
// on dark grounds.
inline QPalette DarkPalette() {
  QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x32, 0x32, 0x32));
  for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    dark.setColor(role, QColor(0xF0, 0xF0, 0xF0));
  }
  return dark;
}

}  // namespace quendrel::test
