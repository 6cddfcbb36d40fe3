// SPDX-License-Identifier: MIT
#include "ui/qt/caption_ink.h"

#include <QPushButton>
#include <QStyle>

namespace quendrel {

void InkCaptionForFace(QPushButton& button) {
  // Styles that follow the palette paint the designed light face. Those that paint faces of their
  // own colours paint them in their standard palette's: adwaita-qt's dark and inverse variants
  // dark, its light ones light. Black reads better than white on a face lighter than mid-grey.
  constexpr float kMidGrey = 0.5F;
  const bool darkFace =
      button.style()->standardPalette().color(QPalette::Button).lightnessF() < kMidGrey;
  QPalette palette = button.palette();
  palette.setColor(QPalette::ButtonText, darkFace ? Qt::white : Qt::black);
  button.setPalette(palette);
}

}  // namespace quendrel
