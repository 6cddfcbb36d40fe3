// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main_window_model.h"

namespace quendrel {

// 画数計算: clears the previous results, looks up the strokes of both names, and shows the five
// grids, the name line and the shape's brackets. The remark of the last appraisal stays.
void Command1_Click(MainWindowModel& window);

// Counts by `rule` from now on; a count already shown is counted again from the boxes, and an
// appraisal shown is made again.
void SetCounting(MainWindowModel& window, CountingRule rule);

}  // namespace quendrel
