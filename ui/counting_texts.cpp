// SPDX-License-Identifier: MIT
#include "ui/counting_texts.h"

#include <algorithm>

namespace quendrel {

std::string_view SchoolName(CountingSchool school) {
  return std::ranges::find(kSchoolChoices, school, &SchoolChoice::school)->name;
}

std::string CountingName(CountingRule rule) {
  std::string name{SchoolName(rule.school)};
  return rule.numeralsAsValues ? name + "・漢数字は数の値" : name;
}

std::string CountingNote(CountingRule rule) {
  return rule == CountingRule{} ? "" : "（" + CountingName(rule) + "で数えた画数）";
}

}  // namespace quendrel
