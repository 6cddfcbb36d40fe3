// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include "ui/qt/accessibility.h"

namespace quendrel {

// A text of the About dialog, which a screen reader meets as a paragraph of the dialog rather
// than as a label.
class AboutText final : public QLabel, public OwnAccessibleInterface {
 public:
  // Set here, not by QLabel's constructor: a screen reader asks for the interface as soon as the
  // text is set, and Qt keeps the first one it made, which must be an AboutText's.
  AboutText(const QString& text, QWidget* parent) : QLabel(parent) { setText(text); }

  [[nodiscard]] QAccessibleInterface* createAccessibleInterface() override;
};

}  // namespace quendrel
