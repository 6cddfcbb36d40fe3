// SPDX-License-Identifier: MIT
#include "ui/appraisal.h"

#include <algorithm>

#include "core/fortune_catalogue.h"
#include "core/name_reading.h"
#include "ui/result_rows.h"

namespace quendrel {
namespace {

using enum ElementId;

void Reset(MainWindowModel& window) {
  // The other rows' pictures need no hiding: only a stroke calculation changes the values, and it
  // hides every picture, so a repeated appraisal shows those same pictures again.
  auto future = kThemeRows.front().pictures;
  std::ranges::sort(future);  // Image1 to Image5, in that order
  for (const ElementId picture : future) {
    window.setVisible(picture, false);
  }
  for (const ThemeRow& row : kThemeRows) {
    window.setCaption(row.trendLabel, "");
  }
  window.setCaption(Label21, "");
}

}  // namespace

void Command2_Click(MainWindowModel& window) {
  Reset(window);
  const Appraisal appraisal = Appraise(window.state().Grids);
  const auto& personality = appraisal.personality;
  window.setCaption(Label21, personality ? personality->Remark : ApologyText());
  for (const ThemeRow& row : kThemeRows) {
    if (const auto& fortune = appraisal.theme(row.theme)) {
      window.setVisible(row.picture(fortune->Trend), true);
      window.setCaption(row.trendLabel, TrendLine(*fortune, row.theme));
    }
  }
}

}  // namespace quendrel
