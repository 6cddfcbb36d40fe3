// SPDX-License-Identifier: MIT
#include "ui/qt/name_strip_label.h"

#include <QPainter>

namespace quendrel {

NameStripLabel::NameStripLabel(QWidget* parent) : QLabel(parent) {}

int NameStripLabel::rowPitch() const {
  return font().pixelSize();
}

void NameStripLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  const QStringList rows = text().split(QLatin1Char('\n'));
  for (qsizetype row = 0; row < rows.size(); ++row) {
    const QRect place(0, static_cast<int>(row) * rowPitch(), width(), rowPitch());
    painter.drawText(place, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, rows.at(row));
  }
}

}  // namespace quendrel
