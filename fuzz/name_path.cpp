// SPDX-License-Identifier: MIT
#include "fuzz/name_path.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "core/characters.h"
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

// The two names as the boxes hold text: in UTF-16 units, any of them.
struct Names {
  std::u16string surname;
  std::u16string given;
};

// Bytes as a paste of UTF-8 would reach a box, malformed sequences replaced.
Names FromBytes(std::span<const std::uint8_t> bytes) {
  const auto* begin = reinterpret_cast<const char*>(bytes.data());
  const std::string_view text(begin, bytes.size());
  const std::size_t split = text.find('\xFF');
  if (split == std::string_view::npos) {
    return {ToUtf16(text), u""};
  }
  return {ToUtf16(text.substr(0, split)), ToUtf16(text.substr(split + 1))};
}

Names FromUtf16(std::span<const std::uint8_t> bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[(2 * i) + 1] << 8));
  }
  const std::size_t split = units.find(u'\uFFFF');
  if (split == std::u16string::npos) {
    return {units, u""};
  }
  return {units.substr(0, split), units.substr(split + 1)};
}

// What the window hands the model once the box has kept the first characters that fit.
std::string Held(ElementId box, std::u16string_view text) {
  return TruncateCharacters(ToUtf8(text), DefinitionOf(box).maxCharacters);
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
  window.setText(Text1, Held(Text1, names.surname));
  window.setText(Text2, Held(Text2, names.given));
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
