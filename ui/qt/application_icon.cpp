// SPDX-License-Identifier: MIT
#include "ui/qt/application_icon.h"

#include "ui/design/icon_figures.h"
#include "ui/qt/figure_painter.h"
#include "ui/qt/qt_conversions.h"

namespace quendrel {

QIcon ApplicationIcon(qreal devicePixelRatio) {
  QIcon icon;
  for (const Figure* figure : {&Icon16Figure(), &Icon32Figure()}) {
    icon.addPixmap(ToPixmap(figure->bitmap));
    if (DrawnFromShapes(devicePixelRatio)) {
      icon.addPixmap(FigurePixmap(*figure, devicePixelRatio));
    }
  }
  return icon;
}

}  // namespace quendrel
