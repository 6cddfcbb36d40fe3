// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>

#include "ui/design/figure.h"

namespace quendrel {

// How far device pixel arithmetic may stray from a whole or half pixel by rounding alone.
inline constexpr qreal kRoundingSlack = 1e-9;

// The figure drawn from its shapes `side` device pixels square, sharp: every straight edge along
// the axes falls between whole pixels and every stroke is a whole number of pixels wide, the same
// wherever it runs. The image carries `devicePixelRatio`, that of the device it is drawn for.
QImage RenderFigure(const Figure& figure, qreal devicePixelRatio, int side);

// The figure as many whole device pixels square as it covers at `devicePixelRatio`: at 1.25 a
// 30-unit picture covers 37.5, and a half pixel would be cut or spill over.
QImage RenderFigure(const Figure& figure, qreal devicePixelRatio);

// The whole device pixels in a length of them, allowing for rounding errors.
int WholeDevicePixels(qreal length);

// What shows the figure on a device of that ratio: its bitmap or its render (DrawnFromShapes).
QPixmap FigurePixmap(const Figure& figure, qreal devicePixelRatio);

}  // namespace quendrel
