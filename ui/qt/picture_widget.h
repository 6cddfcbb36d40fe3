// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

class QAccessibleInterface;

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

// For QAccessible::installFactory: a screen reader meets a picture as an image (AT-SPI "image"),
// named as the widget's accessible name says, and not showing while the widget is hidden.
QAccessibleInterface* PictureAccessibility(const QString& className, QObject* object);

}  // namespace quendrel
