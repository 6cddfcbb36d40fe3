// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

#include "ui/figure.h"
#include "ui/layout.h"

// The one place where the layout's units become Qt's.
namespace quendrel {

inline QRect ToRect(const ElementLayout& layout) {
  return {ToPixels(layout.left), ToPixels(layout.top), ToPixels(layout.width),
          ToPixels(layout.height)};
}

inline QColor ToColor(Rgb rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The designed "ＭＳ Ｐゴシック" where it exists, else a font of the same metrics. Sizes are set
// in pixels as the points were at 96 dpi, so text keeps its proportion to the twip layout on any
// screen.
QFont FontFor(FontSpec design);

QPixmap ToPixmap(Xpm xpm);

}  // namespace quendrel
