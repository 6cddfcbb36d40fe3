// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace quendrel {

// A command button that Return and keypad Enter press while it has the focus, as Space does. Qt
// ties that to autoDefault, which would also mark the focused button as a default button; the
// window has none.
class CommandButton final : public QPushButton {
 public:
  CommandButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quendrel
