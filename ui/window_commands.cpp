// SPDX-License-Identifier: MIT
#include "ui/window_commands.h"

namespace quendrel {

void Command3_Click(WindowPlatform& platform) {
  platform.endApplication();
}

void メニュー終了_Click(WindowPlatform& platform) {
  platform.endApplication();
}

void メニューバージョン_Click(WindowPlatform& platform) {
  platform.showAboutModally();
}

}  // namespace quendrel
