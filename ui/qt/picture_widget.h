// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

#include "ui/design/figure.h"
#include "ui/qt/accessibility.h"

namespace quendrel {

// A picture at its designed size: its bitmap where a logical pixel is a device pixel, else its
// figure drawn at the screen's resolution, so that it stays sharp at any scale.
class PictureWidget final : public QWidget, public OwnAccessibleInterface {
 public:
  PictureWidget(const Figure& figure, QWidget* parent);

  // An image (AT-SPI "image"), named as the widget's accessible name says.
  [[nodiscard]] QAccessibleInterface* createAccessibleInterface() override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  const Figure& figure_;
  QPixmap pixmap_;  // for the device pixel ratio and size it was last painted at
};

}  // namespace quendrel
