// SPDX-License-Identifier: MIT
#include "packaging/figure_svg.h"

#include <cmath>
#include <iomanip>
#include <ios>
#include <sstream>

namespace quendrel {
namespace {

void WriteColour(std::ostream& out, const std::optional<Rgb>& rgb) {
  if (!rgb) {
    out << "none";
    return;
  }
  out << '#' << std::hex << std::uppercase << std::setfill('0');
  for (const int channel : {rgb->red, rgb->green, rgb->blue}) {
    out << std::setw(2) << channel;
  }
  out << std::dec;
}

void WritePoints(std::ostream& out, std::span<const FigurePoint> points) {
  out << R"( points=")";
  for (std::size_t i = 0; i < points.size(); ++i) {
    out << (i == 0 ? "" : " ") << points[i].x << ',' << points[i].y;
  }
  out << '"';
}

// SVG's default caps and joins are the figure's: butt ends, mitred corners, mitre limit 4.
void WritePaint(std::ostream& out, const FigureShape& shape) {
  out << " fill=\"";
  WriteColour(out, shape.fill);
  out << '"';
  if (shape.stroke) {
    out << " stroke=\"";
    WriteColour(out, shape.stroke);
    out << R"(" stroke-width=")" << shape.strokeWidth << '"';
  }
}

void WriteShape(std::ostream& out, const FigureShape& shape) {
  switch (shape.kind) {
    case FigureShapeKind::Polygon:
      out << "<polygon";
      WritePoints(out, shape.points);
      break;
    case FigureShapeKind::Polyline:
      out << "<polyline";
      WritePoints(out, shape.points);
      break;
    case FigureShapeKind::Ellipse: {
      const FigurePoint a = shape.points[0];
      const FigurePoint b = shape.points[1];
      out << R"(<ellipse cx=")" << (a.x + b.x) / 2 << R"(" cy=")" << (a.y + b.y) / 2 << R"(" rx=")"
          << std::abs(b.x - a.x) / 2 << R"(" ry=")" << std::abs(b.y - a.y) / 2 << '"';
      break;
    }
  }
  WritePaint(out, shape);
  out << "/>";
}

}  // namespace

std::string FigureSvg(const Figure& figure) {
  std::ostringstream out;  // numbers as %g writes them: 6.5, 24
  const int size = figure.size;
  out << R"(<?xml version="1.0" encoding="UTF-8"?>)" << '\n'
      << R"(<svg xmlns="http://www.w3.org/2000/svg" width=")" << size << R"(" height=")" << size
      << R"(" viewBox="0 0 )" << size << ' ' << size << R"(">)" << '\n'
      << R"(  <rect width=")" << size << R"(" height=")" << size << R"(" fill=")";
  WriteColour(out, figure.ground);
  out << "\"/>\n";
  for (const FigureShape& shape : figure.shapes) {
    out << "  ";
    WriteShape(out, shape);
    out << '\n';
  }
  out << "</svg>\n";
  return out.str();
}

}  // namespace quendrel
