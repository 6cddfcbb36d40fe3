// SPDX-License-Identifier: MIT
#include "ui/qt/picture_widget.h"

#include <utility>

#include <QPainter>

namespace quendrel {

PictureWidget::PictureWidget(QPixmap pixmap, QWidget* parent)
    : QWidget(parent), pixmap_(std::move(pixmap)) {}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawPixmap(QRect(QPoint(0, 0), pixmap_.size()), pixmap_);
}

}  // namespace quendrel
