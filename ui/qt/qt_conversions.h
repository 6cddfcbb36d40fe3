// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>

#include "ui/design/figure.h"
#include "ui/design/layout.h"

// The one place where the layout's units become Qt's.
namespace quendrel {

// An element's place, of the main window or of the About dialog.
template <typename Place>
QRect ToRect(const Place& place) {
  return {ToPixels(place.left), ToPixels(place.top), ToPixels(place.width), ToPixels(place.height)};
}

inline QColor ToColor(Rgb rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

// The designed "ＭＳ Ｐゴシック" where it exists, else a font of the same metrics. Sizes are set
// in pixels as the points were at 96 dpi, so text keeps its proportion to the twip layout on any
// screen.
QFont FontFor(FontSpec design);

QPixmap ToPixmap(Xpm xpm);

}  // namespace quendrel
