// SPDX-License-Identifier: MIT
#include "ui/qt/text_fitting.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>

namespace quendrel {
namespace {

// Below this a Japanese text is no longer legible; a label that still overflows stays clipped.
constexpr int kSmallestPixelSize = 8;

// Measured as QLabel lays the text out, in fractions of a pixel: rounding each line up would
// shrink texts that fit.
bool Fits(const QLabel& label, const QFont& font) {
  const QRectF room = label.contentsRect();
  const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
  const QRectF needed = QFontMetricsF(font).boundingRect(room, flags, label.text());
  return needed.width() <= room.width() && needed.height() <= room.height();
}

}  // namespace

void FitTextToLabel(QLabel& label) {
  QFont font = label.font();
  font.setPixelSize(QFontInfo(font).pixelSize());
  bool shrunk = false;
  while (!Fits(label, font) && font.pixelSize() > kSmallestPixelSize) {
    font.setPixelSize(font.pixelSize() - 1);
    shrunk = true;
  }
  if (shrunk) {
    label.setFont(font);
  }
}

}  // namespace quendrel
