// SPDX-License-Identifier: MIT
#include "ui/qt/choice_button.h"

#include <QShortcutEvent>

namespace quendrel {

bool ChoiceButton::event(QEvent* event) {
  // An access key that another control shares only moves the focus, as Qt's button does.
  if (event->type() == QEvent::Shortcut && isEnabled() &&
      !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
    click();
    setFocus(Qt::ShortcutFocusReason);
    return true;
  }
  return QRadioButton::event(event);
}

}  // namespace quendrel
