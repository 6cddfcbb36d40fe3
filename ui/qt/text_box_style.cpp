// SPDX-License-Identifier: MIT
#include "ui/qt/text_box_style.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleOption>

namespace quendrel {
namespace {

// The frame the boxes were laid out for, which Fusion and Windows draw too.
constexpr int kFramePixels = 2;

}  // namespace

TextBoxStyle::TextBoxStyle(const QString& key) : QProxyStyle(key) {}

// A widget does not own its style, and every widget must be gone before its style is; the
// application outlives the windows. A style made for the same application style is reused.
QStyle* TextBoxStyle::ForApplicationStyle() {
  const QString name = QStringLiteral("quendrel text boxes on ") + QApplication::style()->name();
  auto* style = qApp->findChild<QStyle*>(name, Qt::FindDirectChildrenOnly);
  if (style == nullptr) {
    style = new TextBoxStyle(QApplication::style()->name());
    style->setObjectName(name);
    style->setParent(qApp);
  }
  return style;
}

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
