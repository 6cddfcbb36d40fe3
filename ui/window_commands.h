// SPDX-License-Identifier: MIT
#pragma once

namespace quendrel {

// What the window commands need from the platform; the Qt view provides it, tests fake it.
class WindowPlatform {
 public:
  virtual ~WindowPlatform() = default;
  // Ends the application at once: no question, no close handlers.
  virtual void endApplication() = 0;
  // Opens a freshly loaded About dialog and returns once it is closed.
  virtual void showAboutModally() = 0;
};

// 終　了
void Command3_Click(WindowPlatform& platform);
// 終了(&X)
void メニュー終了_Click(WindowPlatform& platform);
// バージョン情報（&A）
void メニューバージョン_Click(WindowPlatform& platform);

}  // namespace quendrel
