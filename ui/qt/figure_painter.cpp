// SPDX-License-Identifier: MIT
#include "ui/qt/figure_painter.h"

#include <algorithm>
#include <cmath>
#include <ranges>

#include <QPainter>
#include <QPolygonF>

#include "ui/qt/qt_conversions.h"

namespace quendrel {
namespace {

// Qt measures the miter limit from the corner in pen widths, SVG across the corner in stroke
// widths: Qt's 2 is SVG's default of 4.
constexpr qreal kMiterLimit = 2;

// How one shape's coordinates along one axis meet the device's pixels.
struct Axis {
  qreal pixelsPerUnit;
  qreal shift;          // 0.5 puts a coordinate on pixel centres, for a stroke of odd width
  qreal shapeCentre;    // in device pixels
  qreal pictureCentre;  // in device pixels
};

// Where a coordinate lies on the device: on a pixel edge, or on a pixel centre for a stroke of odd
// width, so that the edges along it fall between whole pixels. A tie goes away from the shape's
// centre, so that copies of a shape keep one size, or at that centre away from the picture's, so
// that a symmetric pair of shapes stays symmetric.
qreal Snap(qreal units, const Axis& axis) {
  const qreal device = (units * axis.pixelsPerUnit) - axis.shift;
  const qreal below = std::floor(device);
  const qreal fraction = device - below;
  if (std::abs(fraction - 0.5) >= kRoundingSlack) {
    return (fraction < 0.5 ? below : below + 1) + axis.shift;
  }
  const qreal from = std::abs(device + axis.shift - axis.shapeCentre) < kRoundingSlack
                         ? axis.pictureCentre
                         : axis.shapeCentre;
  return (device + axis.shift < from ? below : below + 1) + axis.shift;
}

// The middle of the points' extent along the axis that `coordinate` reads.
qreal Middle(std::span<const FigurePoint> points, const auto& coordinate) {
  const auto [low, high] = std::ranges::minmax(points | std::views::transform(coordinate));
  return (low + high) / 2;
}

// The path in device pixels. Only a coordinate that an edge along an axis shares is snapped; the
// others, such as an arrow's tip, keep their exact place.
QPolygonF DevicePath(std::span<const FigurePoint> points, bool closed, const Axis& x,
                     const Axis& y) {
  const std::size_t count = points.size();
  QPolygonF path;
  for (std::size_t i = 0; i < count; ++i) {
    const FigurePoint& point = points[i];
    bool snapX = false;
    bool snapY = false;
    const auto shareWith = [&](std::size_t neighbour) {
      snapX = snapX || points[neighbour].x == point.x;
      snapY = snapY || points[neighbour].y == point.y;
    };
    if (closed || i > 0) {
      shareWith((i + count - 1) % count);
    }
    if (closed || i + 1 < count) {
      shareWith((i + 1) % count);
    }
    path << QPointF(snapX ? Snap(point.x, x) : point.x * x.pixelsPerUnit,
                    snapY ? Snap(point.y, y) : point.y * y.pixelsPerUnit);
  }
  return path;
}

void PaintShape(QPainter& painter, const FigureShape& shape, qreal pixelsPerUnit,
                qreal pictureCentre) {
  const int strokePixels =
      shape.stroke ? std::max(1, static_cast<int>(std::lround(shape.strokeWidth * pixelsPerUnit)))
                   : 0;
  if (shape.stroke) {
    QPen pen(ToColor(*shape.stroke), strokePixels, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(kMiterLimit);
    painter.setPen(pen);
  } else {
    painter.setPen(Qt::NoPen);
  }
  painter.setBrush(shape.fill ? QBrush(ToColor(*shape.fill)) : QBrush(Qt::NoBrush));

  const qreal shift = strokePixels % 2 == 1 ? 0.5 : 0.0;
  const Axis x{pixelsPerUnit, shift, Middle(shape.points, &FigurePoint::x) * pixelsPerUnit,
               pictureCentre};
  const Axis y{pixelsPerUnit, shift, Middle(shape.points, &FigurePoint::y) * pixelsPerUnit,
               pictureCentre};
  switch (shape.kind) {
    case FigureShapeKind::Polygon:
      painter.drawPolygon(DevicePath(shape.points, true, x, y));
      break;
    case FigureShapeKind::Polyline:
      painter.drawPolyline(DevicePath(shape.points, false, x, y));
      break;
    case FigureShapeKind::Ellipse:
      painter.drawEllipse(QRectF(QPointF(Snap(shape.points[0].x, x), Snap(shape.points[0].y, y)),
                                 QPointF(Snap(shape.points[1].x, x), Snap(shape.points[1].y, y))));
      break;
  }
}

}  // namespace

int WholeDevicePixels(qreal length) {
  return std::max(1, static_cast<int>(std::floor(length + kRoundingSlack)));
}

QImage RenderFigure(const Figure& figure, qreal devicePixelRatio, int side) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(ToColor(figure.ground));
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const FigureShape& shape : figure.shapes) {
      PaintShape(painter, shape, static_cast<qreal>(side) / figure.size, side / 2.0);
    }
  }
  image.setDevicePixelRatio(devicePixelRatio);
  return image;
}

QImage RenderFigure(const Figure& figure, qreal devicePixelRatio) {
  return RenderFigure(figure, devicePixelRatio, WholeDevicePixels(figure.size * devicePixelRatio));
}

QPixmap FigurePixmap(const Figure& figure, qreal devicePixelRatio) {
  if (!DrawnFromShapes(devicePixelRatio)) {
    return ToPixmap(figure.bitmap);
  }
  return QPixmap::fromImage(RenderFigure(figure, devicePixelRatio));
}

}  // namespace quendrel
