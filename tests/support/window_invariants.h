// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "ui/main_window_model.h"

namespace quendrel::test {

// What has happened to a window so far, which decides what it may show.
struct WindowHistory {
  bool calculated = false;
  bool appraisedSinceCalculation = false;

  void onCalculation() {
    calculated = true;
    appraisedSinceCalculation = false;
  }
  void onAppraisal() { appraisedSinceCalculation = true; }
};

// Every rule a window must keep whatever the user did, judged from the model alone: the name
// boxes, the grid captions against the stored values, the diagram against the stored counts and
// the appraisal rows against the core's fortunes. Empty when all hold.
std::vector<std::string> InvariantViolations(const MainWindowModel& window,
                                             const WindowHistory& history);

// The appraisal rows alone, for grid values that no stroke calculation could have stored.
std::vector<std::string> AppraisalViolations(const MainWindowModel& window,
                                             const WindowHistory& history);

}  // namespace quendrel::test
