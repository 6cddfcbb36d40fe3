// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdlib>
#include <map>

#include <QImage>
#include <QRect>

#include "ui/design/figure.h"

namespace quendrel::test {

// How many pixels of each colour the area holds.
inline std::map<QRgb, int> Census(const QImage& image, QRect area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      ++counts[image.pixel(x, y)];
    }
  }
  return counts;
}

// The image at one pixel per device pixel, each pixel in the nearest colour of the figure's
// bitmap: a smoothed edge reads as the colour that covers most of the pixel.
inline QImage InBitmapColours(const Figure& figure, QImage image) {
  const std::map<QRgb, int> palette =
      Census(QImage(figure.bitmap), QRect(0, 0, figure.size, figure.size));
  image = image.convertToFormat(QImage::Format_ARGB32);
  image.setDevicePixelRatio(1);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      const auto distance = [pixel](const auto& entry) {
        return std::abs(qRed(pixel) - qRed(entry.first)) +
               std::abs(qGreen(pixel) - qGreen(entry.first)) +
               std::abs(qBlue(pixel) - qBlue(entry.first));
      };
      image.setPixel(x, y, std::ranges::min_element(palette, {}, distance)->first);
    }
  }
  return image;
}

// The pixels in which a drawing of the figure at a larger size, reduced to its bitmap's size,
// differs from the bitmap.
inline int DifferingFromBitmap(const Figure& figure, const QImage& drawn) {
  const QImage bitmap = InBitmapColours(figure, QImage(figure.bitmap));
  const QImage reduced = InBitmapColours(
      figure, drawn.scaled(bitmap.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  int differing = 0;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      differing += reduced.pixel(x, y) != bitmap.pixel(x, y) ? 1 : 0;
    }
  }
  return differing;
}

}  // namespace quendrel::test
