// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

namespace quendrel {

// A pixel picture drawn at its designed size; when the screen scales, every pixel grows into a
// sharp block instead of a blur.
class PictureWidget final : public QWidget {
 public:
  PictureWidget(QPixmap pixmap, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap pixmap_;
};

}  // namespace quendrel
