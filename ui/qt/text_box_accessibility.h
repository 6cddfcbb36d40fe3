// SPDX-License-Identifier: MIT
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace quendrel {

// For QAccessible::installFactory: a text box as a screen reader meets it. It answers as Qt's own
// interface for a line edit does, but for the runs of text attributes: Qt 6.4 and 6.8 answer every
// offset with an empty run, from which Orca 43 builds its runs and drops the last character
// ("長谷 selected" for 長谷川). A box has no attributes, so its one run is its whole text.
QAccessibleInterface* TextBoxAccessibility(const QString& className, QObject* object);

}  // namespace quendrel
