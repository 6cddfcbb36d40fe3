// SPDX-License-Identifier: MIT
#include "ui/qt/client_area.h"

#include <QAccessibleWidget>
#include <QList>
#include <QPainter>
#include <QPalette>

#include "ui/design/layout.h"
#include "ui/qt/contrast_palette.h"
#include "ui/qt/contrast_preference.h"
#include "ui/qt/qt_conversions.h"

namespace quendrel {
namespace {

// The client area as a screen reader walks it: without the captions that their values' names
// begin with.
class ClientAreaInterface final : public QAccessibleWidget {
 public:
  explicit ClientAreaInterface(ClientArea* area) : QAccessibleWidget(area, QAccessible::Client) {}

  [[nodiscard]] int childCount() const override { return static_cast<int>(children().size()); }
  [[nodiscard]] QAccessibleInterface* child(int index) const override {
    return children().value(index);
  }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
    return static_cast<int>(children().indexOf(child));
  }

 private:
  [[nodiscard]] QList<QAccessibleInterface*> children() const {
    QList<QAccessibleInterface*> heard;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
      QAccessibleInterface* child = QAccessibleWidget::child(i);
      if (child != nullptr && !IsHeardWithItsValue(*child->object())) {
        heard.append(child);
      }
    }
    return heard;
  }
};

}  // namespace

ClientArea::ClientArea(const MainWindowModel& model, const ContrastPreference& contrast,
                       QWidget* parent)
    : QWidget(parent), model_(model), contrast_(contrast) {
  setAutoFillBackground(true);
  showContrast();
  connect(&contrast_, &ContrastPreference::changed, this, &ClientArea::showContrast);
}

QAccessibleInterface* ClientArea::createAccessibleInterface() {
  return new ClientAreaInterface(this);
}

void ClientArea::showContrast() {
  ShowInContrast(*this, {kWindowText, kWindowBackground, kControlGrey}, contrast_.contrast());
}

QSize ClientArea::sizeHint() const {
  return {ToPixels(kClientWidth), ToPixels(kClientHeight)};
}

void ClientArea::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const Contrast contrast = contrast_.contrast();
  const ElementLayout& panel = LayoutOf(ElementId::Shape1);
  if (panel.faceColour) {
    painter.fillRect(ToRect(panel), ToColor(Shown(*panel.faceColour, contrast)));
  }

  // Lines are axis-parallel and one pixel wide: filling their pixels keeps them exact at any
  // scale, where a cosmetic pen would be antialiased or shifted by half a pixel.
  const QColor ink = ToColor(Shown(kWindowText, contrast));
  for (const LineLayout& line : LineLayouts()) {
    if (!model_.isVisible(line.id)) {
      continue;
    }
    const QPoint from(ToPixels(std::min(line.x1, line.x2)), ToPixels(std::min(line.y1, line.y2)));
    const QPoint to(ToPixels(std::max(line.x1, line.x2)), ToPixels(std::max(line.y1, line.y2)));
    painter.fillRect(QRect(from, to), ink);
  }
}

}  // namespace quendrel
