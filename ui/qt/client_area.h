// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "ui/main_window_model.h"

namespace quendrel {

// The client area of the main window: its grey ground, the title panel Shape1 and the diagram
// lines, which lie beneath every other element.
class ClientArea final : public QWidget {
 public:
  ClientArea(const MainWindowModel& model, QWidget* parent);

  [[nodiscard]] QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const MainWindowModel& model_;
};

}  // namespace quendrel
