// SPDX-License-Identifier: MIT
#pragma once

#include "core/fortune_catalogue.h"
#include "ui/element_id.h"
#include "ui/main_window_model.h"

namespace quendrel {

// The picture a theme row shows for a trend.
ElementId RatingPicture(AppraisalTheme theme, FortuneTrend trend);

// 鑑定: the remark by 人格, the 未来 and 対人 rows by 総格 and the 仕事 row by 外格, each from the
// values of the last stroke calculation. A row whose number has no fortune stays empty.
void Command2_Click(MainWindowModel& window);

}  // namespace quendrel
