// SPDX-License-Identifier: MIT
#include "fuzz/name_path.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include <QString>

#include "tests/support/window_invariants.h"
#include "ui/appraisal.h"
#include "ui/main_window_model.h"
#include "ui/stroke_calculation.h"

namespace quendrel::fuzzing {
namespace {

using enum ElementId;
using test::AppraisalViolations;
using test::InvariantViolations;
using test::WindowHistory;

struct Names {
  std::string surname;
  std::string given;
};

Names FromBytes(std::span<const std::uint8_t> bytes) {
  const auto* begin = reinterpret_cast<const char*>(bytes.data());
  const std::string_view text(begin, bytes.size());
  const std::size_t split = text.find('\xFF');
  if (split == std::string_view::npos) {
    return {std::string(text), ""};
  }
  return {std::string(text.substr(0, split)), std::string(text.substr(split + 1))};
}

// The window hands the model QString::toStdString of what the box holds.
Names FromUtf16(std::span<const std::uint8_t> bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[(2 * i) + 1] << 8));
  }
  const auto toUtf8 = [](std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
  };
  const std::u16string_view text(units);
  const std::size_t split = text.find(u'\uFFFF');
  if (split == std::u16string_view::npos) {
    return {toUtf8(text), ""};
  }
  return {toUtf8(text.substr(0, split)), toUtf8(text.substr(split + 1))};
}

void Append(std::vector<std::string>& all, std::string_view step,
            const std::vector<std::string>& found) {
  for (const std::string& violation : found) {
    all.push_back(std::string(step) + ": " + violation);
  }
}

// Calculation, appraisal and a second calculation, checked after each: the second must hide what
// the appraisal showed and keep the remark.
std::vector<std::string> CheckNames(const Names& names) {
  MainWindowModel window;
  WindowHistory history;
  std::vector<std::string> violations;
  window.setText(Text1, names.surname);
  window.setText(Text2, names.given);
  Append(violations, "typed", InvariantViolations(window, history));
  Command1_Click(window);
  history.onCalculation();
  Append(violations, "calculated", InvariantViolations(window, history));
  Command2_Click(window);
  history.onAppraisal();
  Append(violations, "appraised", InvariantViolations(window, history));
  const std::string remark = window.text(Label21);
  Command1_Click(window);
  history.onCalculation();
  Append(violations, "calculated again", InvariantViolations(window, history));
  if (window.text(Label21) != remark) {
    violations.emplace_back("calculated again: Label21 lost the remark");
  }
  return violations;
}

std::vector<std::string> CheckAppraisal(std::span<const std::uint8_t> bytes) {
  std::array<std::uint8_t, 5 * sizeof(std::int32_t)> padded{};
  std::ranges::copy(bytes.first(std::min(bytes.size(), padded.size())), padded.begin());
  std::array<std::int32_t, 5> values{};
  std::memcpy(values.data(), padded.data(), padded.size());
  MainWindowModel window;
  window.state().Grids = {values[0], values[1], values[2], values[3], values[4]};
  Command2_Click(window);
  WindowHistory history;
  history.onAppraisal();
  std::vector<std::string> violations;
  Append(violations, "appraised", AppraisalViolations(window, history));
  return violations;
}

}  // namespace

std::vector<std::string> NamePathViolations(std::span<const std::uint8_t> input) {
  if (input.empty()) {
    return CheckNames({});
  }
  const std::span<const std::uint8_t> rest = input.subspan(1);
  switch (input[0]) {
    case 'w':
      return CheckNames(FromUtf16(rest));
    case 'a':
      return CheckAppraisal(rest);
    default:
      return CheckNames(FromBytes(rest));
  }
}

}  // namespace quendrel::fuzzing
