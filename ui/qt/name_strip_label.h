// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace quendrel {

// The vertical name strip: one character per row, rows one em apart. The design's font had a
// cell exactly one em tall; fonts that add leading would push the sixth character out of the
// strip and the characters away from their brackets.
class NameStripLabel final : public QLabel {
 public:
  explicit NameStripLabel(QWidget* parent);

  // Rows are the lines of text().
  [[nodiscard]] int rowPitch() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quendrel
