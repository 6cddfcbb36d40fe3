// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "ui/main_window_model.h"
#include "ui/qt/accessibility.h"

namespace quendrel {

class ContrastPreference;

// The client area of the main window: its grey ground, the title panel Shape1 and the diagram
// lines, which lie beneath every other element.
class ClientArea final : public QWidget, public OwnAccessibleInterface {
 public:
  // It follows `contrast` as the desktop changes it.
  ClientArea(const MainWindowModel& model, const ContrastPreference& contrast, QWidget* parent);

  [[nodiscard]] QAccessibleInterface* createAccessibleInterface() override;

  [[nodiscard]] QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void showContrast();

  const MainWindowModel& model_;
  const ContrastPreference& contrast_;
};

}  // namespace quendrel
