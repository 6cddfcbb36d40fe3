// SPDX-License-Identifier: MIT
#include "ui/qt/caption_ink.h"

#include <QImage>
#include <QPushButton>

namespace quendrel {
namespace {

// The mean lightness of the face in a picture of a button, inside its frame; a face may be a
// gradient, as Fusion paints it.
float FaceLightness(const QImage& button) {
  constexpr int kFrame = 3;
  const QRect face = button.rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
  float sum = 0;
  for (int y = face.top(); y <= face.bottom(); ++y) {
    for (int x = face.left(); x <= face.right(); ++x) {
      sum += button.pixelColor(x, y).lightnessF();
    }
  }
  return face.isEmpty() ? 1 : sum / static_cast<float>(face.width() * face.height());
}

}  // namespace

void InkCaptionForFace(QPushButton& button) {
  const QString caption = button.text();
  button.setText({});
  const float face = FaceLightness(button.grab().toImage());
  button.setText(caption);
  // Black reads better than white on a face lighter than mid-grey.
  constexpr float kMidGrey = 0.5F;
  QPalette palette = button.palette();
  palette.setColor(QPalette::ButtonText, face >= kMidGrey ? Qt::black : Qt::white);
  button.setPalette(palette);
}

}  // namespace quendrel
