// SPDX-License-Identifier: MIT
#include "packaging/figure_svg.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace quendrel {
namespace {

std::string Number(double value) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%g", value);
  return text.data();
}

std::string Colour(const std::optional<Rgb>& rgb) {
  if (!rgb) {
    return "none";
  }
  std::array<char, 8> text{};
  std::snprintf(text.data(), text.size(), "#%02X%02X%02X", rgb->red, rgb->green, rgb->blue);
  return text.data();
}

std::string Points(std::span<const FigurePoint> points) {
  std::string text;
  for (const FigurePoint& point : points) {
    text += (text.empty() ? "" : " ") + Number(point.x) + "," + Number(point.y);
  }
  return text;
}

// SVG's default caps and joins are the figure's: butt ends, mitred corners, mitre limit 4.
std::string Paint(const FigureShape& shape) {
  std::string paint = " fill=\"" + Colour(shape.fill) + "\"";
  if (shape.stroke) {
    paint += " stroke=\"" + Colour(shape.stroke) + "\" stroke-width=\"" +
             Number(shape.strokeWidth) + "\"";
  }
  return paint;
}

std::string Element(const FigureShape& shape) {
  switch (shape.kind) {
    case FigureShapeKind::Polygon:
      return "<polygon points=\"" + Points(shape.points) + "\"" + Paint(shape) + "/>";
    case FigureShapeKind::Polyline:
      return "<polyline points=\"" + Points(shape.points) + "\"" + Paint(shape) + "/>";
    case FigureShapeKind::Ellipse: {
      const FigurePoint a = shape.points[0];
      const FigurePoint b = shape.points[1];
      return "<ellipse cx=\"" + Number((a.x + b.x) / 2) + "\" cy=\"" + Number((a.y + b.y) / 2) +
             "\" rx=\"" + Number(std::abs(b.x - a.x) / 2) + "\" ry=\"" +
             Number(std::abs(b.y - a.y) / 2) + "\"" + Paint(shape) + "/>";
    }
  }
  return {};
}

}  // namespace

std::string FigureSvg(const Figure& figure) {
  const std::string size = Number(figure.size);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      size + "\" height=\"" + size + "\" viewBox=\"0 0 " + size + " " + size + "\">\n";
  svg += "  <rect width=\"" + size + "\" height=\"" + size + "\" fill=\"" + Colour(figure.ground) +
         "\"/>\n";
  for (const FigureShape& shape : figure.shapes) {
    svg += "  " + Element(shape) + "\n";
  }
  return svg + "</svg>\n";
}

}  // namespace quendrel
