// SPDX-License-Identifier: MIT
#include "ui/counting_texts.h"

#include <algorithm>

namespace quendrel {

std::string CountingName(CountingRule rule) {
  std::string name{std::ranges::find(kSchoolChoices, rule.school, &SchoolChoice::school)->name};
  return rule.numeralsAsValues ? name + "・漢数字は数の値" : name;
}

std::string CountingNote(CountingRule rule) {
  return rule == CountingRule{} ? "" : "（" + CountingName(rule) + "で数えた画数）";
}

}  // namespace quendrel
