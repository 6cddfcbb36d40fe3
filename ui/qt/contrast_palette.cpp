// SPDX-License-Identifier: MIT
#include "ui/qt/contrast_palette.h"

#include <QApplication>
#include <QPushButton>

#include "ui/qt/caption_ink.h"
#include "ui/qt/qt_conversions.h"

namespace quendrel {

void ShowInContrast(QWidget& element, const DesignedColours& colours, Contrast contrast) {
  QPalette palette = element.palette();
  palette.setColor(QPalette::WindowText, ToColor(Shown(colours.ink, contrast)));
  palette.setColor(QPalette::Window, ToColor(Shown(colours.ground, contrast)));
  palette.setColor(QPalette::Button, ToColor(Shown(colours.face, contrast)));
  element.setPalette(palette);
  if (auto* button = qobject_cast<QPushButton*>(&element)) {
    InkCaptionForFace(*button);
  }
  element.update();
}

QPalette ThemedPalette(Contrast contrast) {
  QPalette palette = QApplication::palette();
  if (contrast == Contrast::High) {
    const QColor white{Qt::white};
    const QColor black{Qt::black};
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase,
                            QPalette::Button, QPalette::ToolTipBase}) {
      palette.setColor(role, white);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::ToolTipText, QPalette::Mid}) {
      palette.setColor(role, black);
    }
    const QColor grey{80, 80, 80};  // 8.1:1, for what is not yet to be used
    palette.setColor(QPalette::PlaceholderText, grey);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      palette.setColor(QPalette::Disabled, role, grey);
    }
    palette.setColor(QPalette::Highlight, QColor{0, 0, 140});  // white on it 15:1
    palette.setColor(QPalette::HighlightedText, white);
  }
  return palette;
}

}  // namespace quendrel
