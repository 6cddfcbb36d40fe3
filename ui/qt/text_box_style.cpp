// SPDX-License-Identifier: MIT
#include "ui/qt/text_box_style.h"

#include <QLineEdit>
#include <QStyleOption>

namespace quendrel {
namespace {

// The frame the boxes were laid out for, which Fusion and Windows draw too.
constexpr int kFramePixels = 2;

}  // namespace

TextBoxStyle::TextBoxStyle(const QString& key) : QProxyStyle(key) {}

void TextBoxStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setTextMargins({});
  }
}

QRect TextBoxStyle::subElementRect(SubElement element, const QStyleOption* option,
                                   const QWidget* widget) const {
  if (element != SE_LineEditContents || option == nullptr) {
    return QProxyStyle::subElementRect(element, option, widget);
  }
  return option->rect.adjusted(kFramePixels, kFramePixels, -kFramePixels, -kFramePixels);
}

}  // namespace quendrel
