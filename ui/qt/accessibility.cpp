// SPDX-License-Identifier: MIT
#include "ui/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include "ui/qt/qt_strings.h"

namespace quendrel {
namespace {

constexpr const char* kHeardWithItsValue = "quendrelHeardWithItsValue";
constexpr const char* kHeardAsPane = "quendrelHeardAsPane";

// Qt's accessibility cache owns the interfaces that factories make.
QAccessibleInterface* InterfaceFor(const QString& /*className*/, QObject* object) {
  if (auto* own = dynamic_cast<OwnAccessibleInterface*>(object)) {
    return own->createAccessibleInterface();
  }
  if (object->property(kHeardAsPane).toBool()) {
    return new QAccessibleWidget(qobject_cast<QWidget*>(object), QAccessible::Pane);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(InterfaceFor);
    return true;
  }();
  Q_UNUSED(installed);
}

void HeardAsPane(QWidget& container) {
  container.setProperty(kHeardAsPane, true);
}

void MarkHeardWithItsValue(QWidget& caption, bool heard) {
  caption.setProperty(kHeardWithItsValue, heard);
}

bool IsHeardWithItsValue(const QObject& caption) {
  return caption.property(kHeardWithItsValue).toBool();
}

// Qt 6.4 has no such event, and Orca 43 speaks nothing else the window could send without moving
// the focus; there the results are read by Tab and by a review of the window.
void Announce(QWidget& source, std::string_view said) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent event(&source, ToQString(said));
  event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
  QAccessible::updateAccessibility(&event);
#else
  Q_UNUSED(source);
  Q_UNUSED(said);
#endif
}

// Qt 6.4 to 6.11 (AtSpiAdaptor::notify) tell a reader of a widget that appears by the state
// "showing" alone, though its "visible" changes with it, and libatspi keeps the states it read: a
// picture read while hidden would stay invisible once shown, and Orca 43 passes it over. No
// upstream report is known. A new object's states are read afresh.
void HandOverAsNew(QWidget& widget) {
  if (!QAccessible::isActive()) {
    return;
  }
  QAccessibleEvent removed(&widget, QAccessible::ObjectDestroyed);
  QAccessible::updateAccessibility(&removed);
  QAccessible::deleteAccessibleInterface(
      QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&widget)));
  QAccessibleEvent created(&widget, QAccessible::ObjectCreated);
  QAccessible::updateAccessibility(&created);
}

}  // namespace quendrel
