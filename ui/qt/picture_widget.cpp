// SPDX-License-Identifier: MIT
#include "ui/qt/picture_widget.h"

#include <cmath>

#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>

#include "ui/qt/accessibility.h"
#include "ui/qt/figure_painter.h"

namespace quendrel {

PictureWidget::PictureWidget(const Figure& figure, QWidget* parent)
    : QWidget(parent), figure_(figure) {}

QAccessibleInterface* PictureWidget::createAccessibleInterface() {
  return new QAccessibleWidget(this, QAccessible::Graphic);
}

bool PictureWidget::event(QEvent* event) {
  // A screen reader would keep a picture read while hidden as invisible.
  if (event->type() == QEvent::Show) {
    HandOverAsNew(*this);
  }
  return QWidget::event(event);
}

// At a fractional scale the widget may begin and end inside device pixels, which may go to its
// neighbours: the picture takes the whole ones it surely covers, drawn for that many.
void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const qreal ratio = devicePixelRatioF();
  const QTransform toDevice = painter.deviceTransform();
  const QRectF covered = toDevice.mapRect(QRectF(rect()));
  const QPointF start(std::ceil(covered.left() - kRoundingSlack),
                      std::ceil(covered.top() - kRoundingSlack));
  const int side =
      WholeDevicePixels(std::min(covered.right() - start.x(), covered.bottom() - start.y()));
  if (pixmap_.isNull() || pixmap_.devicePixelRatio() != ratio || pixmap_.width() != side) {
    pixmap_ = DrawnFromShapes(ratio) ? QPixmap::fromImage(RenderFigure(figure_, ratio, side))
                                     : FigurePixmap(figure_, ratio);
  }
  painter.drawPixmap(toDevice.inverted().map(start), pixmap_);
}

}  // namespace quendrel
