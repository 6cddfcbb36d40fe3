// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "ui/contrast.h"
#include "ui/main_window_model.h"

class QAccessibleInterface;

namespace quendrel {

// The client area of the main window: its grey ground, the title panel Shape1 and the diagram
// lines, which lie beneath every other element.
class ClientArea final : public QWidget {
 public:
  ClientArea(const MainWindowModel& model, Contrast contrast, QWidget* parent);

  void setContrast(Contrast contrast);

  // The property that marks a caption, which a screen reader hears in its value's name.
  static constexpr const char* kHeardWithItsValue = "quendrelHeardWithItsValue";

  [[nodiscard]] QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const MainWindowModel& model_;
  Contrast contrast_ = Contrast::Designed;
};

// For QAccessible::installFactory: the client area as a screen reader walks it, without the
// captions that their values' names begin with, so that a review of the window reads each caption
// once, with its value.
QAccessibleInterface* ClientAreaAccessibility(const QString& className, QObject* object);

}  // namespace quendrel
