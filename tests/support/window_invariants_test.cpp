// SPDX-License-Identifier: MIT
// The rules the fuzzer and the monkey test judge by must notice each kind of damage.
#include "tests/support/window_invariants.h"

#include <functional>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/appraisal.h"
#include "ui/stroke_calculation.h"

namespace quendrel::test {
namespace {

using enum ElementId;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

struct Damage {
  const char* what;
  std::function<void(MainWindowModel&)> apply;
  const char* reportedElement;
};

// 山田 太郎 after both commands: 総格 21 and 外格 13 show Image4, Image10 and Image12.
MainWindowModel AppraisedWindow() {
  MainWindowModel window;
  window.setText(Text1, "山田");
  window.setText(Text2, "太郎");
  Command1_Click(window);
  Command2_Click(window);
  return window;
}

WindowHistory Appraised() {
  WindowHistory history;
  history.onCalculation();
  history.onAppraisal();
  return history;
}

TEST(WindowInvariantsTest, HoldForAWindowLeftAsTheCommandsLeaveIt) {
  EXPECT_THAT(InvariantViolations(MainWindowModel{}, {}), IsEmpty());
  EXPECT_THAT(InvariantViolations(AppraisedWindow(), Appraised()), IsEmpty());
  MainWindowModel window;
  Command2_Click(window);
  WindowHistory appraisedOnly;
  appraisedOnly.onAppraisal();
  EXPECT_THAT(InvariantViolations(window, appraisedOnly), IsEmpty())
      << "an appraisal before any calculation draws no lines";
}

TEST(WindowInvariantsTest, ReportEachKindOfDamage) {
  const Damage damages[] = {
      {"a grid caption off by one", [](auto& w) { w.setCaption(Label5, "10"); }, "Label5"},
      {"a stored value that the counts do not give", [](auto& w) { w.state().Grids.Soukaku = 22; },
       "Grids"},
      {"a count that is not the table's", [](auto& w) { w.state().GivenStrokes[1] = 5; },
       "GivenStrokes"},
      {"a line of another shape", [](auto& w) { w.setVisible(Line4, true); }, "Line4"},
      {"a line of the shape hidden", [](auto& w) { w.setVisible(Line12, false); }, "Line12"},
      {"a second picture in a row", [](auto& w) { w.setVisible(Image2, true); }, "Image2"},
      {"the row's picture hidden", [](auto& w) { w.setVisible(Image10, false); }, "Image10"},
      {"a trend line of another fortune", [](auto& w) { w.setCaption(Label16, "凶"); }, "Label16"},
      {"a remark of another fortune", [](auto& w) { w.setCaption(Label21, ""); }, "Label21"},
      {"a caption that is not UTF-8", [](auto& w) { w.setCaption(Label3, "\xE5\xB1"); }, "Label3"},
  };
  for (const Damage& damage : damages) {
    MainWindowModel window = AppraisedWindow();
    damage.apply(window);
    const auto violations = InvariantViolations(window, Appraised());
    ASSERT_FALSE(violations.empty()) << damage.what;
    EXPECT_THAT(violations.front(), HasSubstr(damage.reportedElement)) << damage.what;
  }
}

TEST(WindowInvariantsTest, JudgeWhatTheWindowMayShowByItsHistory) {
  MainWindowModel window;
  window.setVisible(Line1, true);
  EXPECT_THAT(InvariantViolations(window, {}).front(), HasSubstr("Line1"))
      << "no line before the first calculation";

  MainWindowModel calculated = AppraisedWindow();
  Command1_Click(calculated);
  WindowHistory recalculated = Appraised();
  recalculated.onCalculation();
  EXPECT_THAT(InvariantViolations(calculated, recalculated), IsEmpty());
  EXPECT_FALSE(InvariantViolations(AppraisedWindow(), recalculated).empty())
      << "pictures still shown after a new calculation";
}

}  // namespace
}  // namespace quendrel::test
