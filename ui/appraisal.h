// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main_window_model.h"

namespace quendrel {

// 鑑定: the remark by 人格 and each theme row by its grid value, from the values of the last
// stroke calculation. A row whose number has no fortune stays empty.
void Command2_Click(MainWindowModel& window);

}  // namespace quendrel
