// SPDX-License-Identifier: MIT
#pragma once

class QAccessibleInterface;

namespace quendrel {

class TextBox;

// A text box as a screen reader meets it; Qt's accessibility cache owns what this returns.
[[nodiscard]] QAccessibleInterface* CreateTextBoxInterface(TextBox& box);

}  // namespace quendrel
