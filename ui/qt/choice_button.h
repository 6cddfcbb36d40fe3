// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

namespace quendrel {

// A radio button whose access key chooses it before it takes the focus. Qt's own button takes the
// focus and is checked a tenth of a second later, when its press has been shown; a screen reader
// then hears it "not selected" and may pass over the change that follows.
class ChoiceButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool event(QEvent* event) override;
};

}  // namespace quendrel
