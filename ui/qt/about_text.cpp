// SPDX-License-Identifier: MIT
#include "ui/qt/about_text.h"

#include <QAccessibleWidget>

namespace quendrel {
namespace {

// A text of the About dialog, whose description holds them all: as a paragraph, not a label, as
// Orca 43 reads the labels in a dialog that label nothing as well as its description, and would
// read one of three words or more twice.
class AboutTextInterface final : public QAccessibleWidget {
 public:
  explicit AboutTextInterface(AboutText* text) : QAccessibleWidget(text, QAccessible::Paragraph) {}

  [[nodiscard]] QString text(QAccessible::Text type) const override {
    return type == QAccessible::Name ? static_cast<const AboutText*>(widget())->text()
                                     : QAccessibleWidget::text(type);
  }
};

}  // namespace

QAccessibleInterface* AboutText::createAccessibleInterface() {
  return new AboutTextInterface(this);
}

}  // namespace quendrel
