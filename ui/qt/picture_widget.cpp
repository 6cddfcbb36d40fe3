// SPDX-License-Identifier: MIT
#include "ui/qt/picture_widget.h"

#include <cmath>

#include <QAccessibleWidget>
#include <QPainter>

#include "ui/qt/figure_painter.h"

namespace quendrel {

PictureWidget::PictureWidget(const Figure& figure, QWidget* parent)
    : QWidget(parent), figure_(figure) {}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const qreal ratio = devicePixelRatioF();
  if (pixmap_.isNull() || pixmap_.devicePixelRatio() != ratio) {
    pixmap_ = FigurePixmap(figure_, ratio);
  }
  // At a fractional scale the widget may begin inside a device pixel; the picture starts at the
  // nearest whole one instead of being resampled.
  const QTransform toDevice = painter.deviceTransform();
  const QPointF origin = toDevice.map(QPointF(0, 0));
  const QPointF whole(std::round(origin.x()), std::round(origin.y()));
  painter.drawPixmap(toDevice.inverted().map(whole), pixmap_);
}

QAccessibleInterface* PictureAccessibility(const QString& /*className*/, QObject* object) {
  auto* picture = dynamic_cast<PictureWidget*>(object);
  // Qt's accessibility cache owns the interfaces that factories make.
  return picture != nullptr ? new QAccessibleWidget(picture, QAccessible::Graphic) : nullptr;
}

}  // namespace quendrel
