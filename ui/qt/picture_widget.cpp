// SPDX-License-Identifier: MIT
#include "ui/qt/picture_widget.h"

#include <cmath>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>

#include "ui/qt/figure_painter.h"

namespace quendrel {

PictureWidget::PictureWidget(const Figure& figure, QWidget* parent)
    : QWidget(parent), figure_(figure) {}

// Qt tells a screen reader of a picture that appears by the state "showing" alone, though it sets
// "visible" with it, and the reader keeps the states it read (libatspi caches them): a picture
// read while hidden would stay invisible once shown, and Orca would pass it over. A picture that
// appears is therefore handed over as a new accessible object, whose states are read afresh.
bool PictureWidget::event(QEvent* event) {
  if (event->type() == QEvent::Show && QAccessible::isActive()) {
    QAccessibleEvent removed(this, QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&removed);
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(this)));
    QAccessibleEvent created(this, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
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

QAccessibleInterface* PictureAccessibility(const QString& /*className*/, QObject* object) {
  auto* picture = dynamic_cast<PictureWidget*>(object);
  // Qt's accessibility cache owns the interfaces that factories make.
  return picture != nullptr ? new QAccessibleWidget(picture, QAccessible::Graphic) : nullptr;
}

}  // namespace quendrel
