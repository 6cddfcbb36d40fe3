// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>

#include "ui/figure.h"

namespace quendrel {

// The figure drawn from its shapes at `devicePixelRatio` device pixels per unit, sharp: every
// straight edge along the axes falls between whole pixels and every stroke is a whole number of
// pixels wide, the same wherever it runs. The image carries the ratio, so it covers the figure's
// size in logical pixels.
QImage RenderFigure(const Figure& figure, qreal devicePixelRatio);

// What shows the figure on a device of that ratio: its bitmap at 1 (and below), else its render.
QPixmap FigurePixmap(const Figure& figure, qreal devicePixelRatio);

}  // namespace quendrel
