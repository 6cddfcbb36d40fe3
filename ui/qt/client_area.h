// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "ui/design/contrast.h"
#include "ui/main_window_model.h"
#include "ui/qt/accessibility.h"

namespace quendrel {

// The client area of the main window: its grey ground, the title panel Shape1 and the diagram
// lines, which lie beneath every other element.
class ClientArea final : public QWidget, public OwnAccessibleInterface {
 public:
  ClientArea(const MainWindowModel& model, Contrast contrast, QWidget* parent);

  [[nodiscard]] QAccessibleInterface* createAccessibleInterface() override;

  void setContrast(Contrast contrast);

  [[nodiscard]] QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const MainWindowModel& model_;
  Contrast contrast_ = Contrast::Designed;
};

}  // namespace quendrel
