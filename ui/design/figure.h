// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "ui/design/colours.h"

namespace quendrel {

// Pixel data in XPM form, which Qt reads natively; each array is the text of one file in
// ui/design/pictures/.
using Xpm = const char* const*;

// A picture as the shapes it is drawn from, so that it can be drawn sharp at any size, and as the
// bitmap drawn after them by hand at one pixel per unit, which is what shows at its designed size.
//
// Coordinates are in the picture's own units: (0, 0) is its top-left corner, x runs right and y
// down, and one unit is one pixel of the bitmap, so that bitmap pixel (x, y) covers the square
// from (x, y) to (x + 1, y + 1). The ground fills the whole square; the shapes are painted over
// it in order. A fill covers a shape's inside up to its path; a stroke is centred on the path,
// with butt ends and mitred corners, which are SVG's defaults (stroke-linecap butt,
// stroke-linejoin miter, stroke-miterlimit 4).
struct FigurePoint {
  double x, y;
};

enum class FigureShapeKind : std::uint8_t {
  Polygon,   // the closed path through the points
  Polyline,  // the open path through the points; it has no fill
  Ellipse,   // the ellipse inscribed in the box with corners points[0] and points[1]
};

struct FigureShape {
  FigureShapeKind kind;
  std::span<const FigurePoint> points;
  std::optional<Rgb> fill;
  std::optional<Rgb> stroke;
  double strokeWidth = 0;  // in units
};

// Where a logical pixel is at most one device pixel a figure shows as its bitmap; at any larger
// scale it is drawn from its shapes, sharp at the screen's resolution.
constexpr bool DrawnFromShapes(double devicePixelRatio) {
  return devicePixelRatio > 1;
}

struct Figure {
  int size;  // width and height in units: 30 for a rating picture, 32 or 16 for an icon
  Rgb ground;
  std::span<const FigureShape> shapes;
  Xpm bitmap;
};

}  // namespace quendrel
