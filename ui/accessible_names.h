// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "ui/main_window_model.h"

namespace quendrel {

// What a screen reader announces for an element, in Japanese, from what the window shows now:
// what each box holds, each number and fortune row with its caption, the row and trend a rating
// picture stands for, and the name in the strip without its marks. Empty for the elements whose
// own caption says it all.
std::string AccessibleName(const MainWindowModel& window, ElementId id);

}  // namespace quendrel
