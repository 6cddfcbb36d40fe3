// SPDX-License-Identifier: MIT
#include "ui/qt/caption_ink.h"

#include <QPushButton>
#include <QStyle>

namespace quendrel {

void InkCaptionForFace(QPushButton& button) {
  // The face is the button's palette as the style polishes it: styles that follow the palette
  // (Fusion, Windows) leave the designed light face, even when a dark platform theme gives their
  // standard palette dark colours; those that paint faces of their own colours (adwaita-qt's
  // variants) put their own in. Black reads better than white on a face lighter than mid-grey.
  constexpr float kMidGrey = 0.5F;
  QPalette face = button.palette();
  button.style()->polish(face);
  const bool darkFace = face.color(QPalette::Button).lightnessF() < kMidGrey;
  QPalette palette = button.palette();
  palette.setColor(QPalette::ButtonText, darkFace ? Qt::white : Qt::black);
  button.setPalette(palette);
}

}  // namespace quendrel
