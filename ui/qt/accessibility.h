// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

class QWidget;

// How the main window meets a screen reader over Qt's accessibility bridge: the interfaces of its
// own widgets, made by one factory, and the few things the window tells a reader itself.
namespace quendrel {

// Installs the factory for the application; once is enough for every window.
void InstallAccessibility();

// Marks a caption that a screen reader hears in the name of the value it captions, so that a
// review of the window reads it once, with its value, and not on its own as well.
void MarkHeardWithItsValue(QWidget& caption, bool heard);

// Tells a screen reader what a command showed, politely: it waits for what is being said and
// leaves the focus where it is.
void Announce(QWidget& source, std::string_view said);

// Hands a widget that has just appeared to a screen reader as a new object, whose states the
// reader reads afresh.
void HandOverAsNew(QWidget& widget);

}  // namespace quendrel
