// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/school_strokes.h"

// How the windows name the ways of counting strokes, without any toolkit.
namespace quendrel {

// The main window's submenu, and the candidates window's control.
inline constexpr std::string_view kCountingMenu = "数え方(&K)";
inline constexpr std::string_view kCountingCaption = "数え方(&Z)";
inline constexpr std::string_view kNumeralsChoice = "漢数字を数の値で数える(&V)";

struct SchoolChoice {
  CountingSchool school;
  std::string_view name;
  std::string_view menuItem;
};

inline constexpr std::array<SchoolChoice, 3> kSchoolChoices = {{
    {CountingSchool::Shinjitai, "新字体", "新字体（今の字形）(&1)"},
    {CountingSchool::Kyujitai, "旧字体", "旧字体(&2)"},
    {CountingSchool::Kangxi, "康熙字典", "康熙字典(&3)"},
}};

// The school's name, "康熙字典".
std::string_view SchoolName(CountingSchool school);

// The rule in words, "康熙字典・漢数字は数の値"; "新字体" for the default.
std::string CountingName(CountingRule rule);

// What a window that shows results says of the rule it counted by: nothing for the default,
// else "（康熙字典で数えた画数）".
std::string CountingNote(CountingRule rule);

}  // namespace quendrel
