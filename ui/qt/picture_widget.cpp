// SPDX-License-Identifier: MIT
#include "ui/qt/picture_widget.h"

#include <utility>

#include <QAccessibleWidget>
#include <QPainter>

namespace quendrel {

PictureWidget::PictureWidget(QPixmap pixmap, QWidget* parent)
    : QWidget(parent), pixmap_(std::move(pixmap)) {}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawPixmap(QRect(QPoint(0, 0), pixmap_.size()), pixmap_);
}

QAccessibleInterface* PictureAccessibility(const QString& /*className*/, QObject* object) {
  auto* picture = dynamic_cast<PictureWidget*>(object);
  // Qt's accessibility cache owns the interfaces that factories make.
  return picture != nullptr ? new QAccessibleWidget(picture, QAccessible::Graphic) : nullptr;
}

}  // namespace quendrel
