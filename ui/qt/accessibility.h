// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

class QAccessibleInterface;
class QObject;
class QWidget;

// How the program's widgets meet a screen reader over Qt's accessibility bridge: one factory asks
// each widget that has an interface of its own for it, and a few helpers tell a reader what a
// window did. Nothing here knows any widget of the program.
namespace quendrel {

// A widget that a screen reader meets through an interface of its own rather than Qt's.
class OwnAccessibleInterface {
 public:
  virtual ~OwnAccessibleInterface() = default;

  // A new interface, which Qt's accessibility cache takes and owns.
  [[nodiscard]] virtual QAccessibleInterface* createAccessibleInterface() = 0;
};

// Installs the factory for the application; once is enough for every window.
void InstallAccessibility();

// Marks a caption that a screen reader hears in the name of the value it captions, so that a
// review of the window reads it once, with its value, and not on its own as well.
void MarkHeardWithItsValue(QWidget& caption, bool heard);
[[nodiscard]] bool IsHeardWithItsValue(const QObject& caption);

// Gives a container a pane's role, for one that Qt gives another role a reader speaks as a list:
// a stack of pages is a layered pane, which Orca announces with its count of selected items.
void HeardAsPane(QWidget& container);

// Tells a screen reader what a command showed, politely: it waits for what is being said and
// leaves the focus where it is.
void Announce(QWidget& source, std::string_view said);

// Hands a widget that has just appeared to a screen reader as a new object, whose states the
// reader reads afresh.
void HandOverAsNew(QWidget& widget);

}  // namespace quendrel
