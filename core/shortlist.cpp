// SPDX-License-Identifier: MIT
#include "core/shortlist.h"

#include <algorithm>
#include <iterator>

#include "core/characters.h"

namespace quendrel {

void Shortlist::setSurname(std::string_view surname, const NameCounts& counts, CountingRule rule) {
  surname_ = TruncateCharacters(surname, kNameLength);
  surnameCounts_ = counts;
  rule_ = rule;
  for (ShortlistedName& name : names_) {
    read(name);
  }
}

std::optional<std::size_t> Shortlist::add(std::string_view given, std::string_view reading,
                                          bool recorded) {
  const std::optional<std::size_t> place = placeFor(given);
  if (place == names_.size()) {
    ShortlistedName& name = names_.emplace_back();
    name.given = TruncateCharacters(given, kNameLength);
    name.reading = reading;
    name.recorded = recorded;
    read(name);
  }
  return place;
}

std::optional<std::size_t> Shortlist::placeFor(std::string_view given) const {
  const std::string kept = TruncateCharacters(given, kNameLength);
  if (kept.empty()) {
    return std::nullopt;
  }
  const auto same = std::ranges::find(names_, kept, &ShortlistedName::given);
  return static_cast<std::size_t>(std::distance(names_.begin(), same));
}

void Shortlist::remove(std::size_t place) {
  names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(place));
}

void Shortlist::move(std::size_t from, std::size_t to) {
  const auto first = names_.begin();
  if (from < to) {
    std::rotate(first + static_cast<std::ptrdiff_t>(from),
                first + static_cast<std::ptrdiff_t>(from) + 1,
                first + static_cast<std::ptrdiff_t>(to) + 1);
  } else if (to < from) {
    std::rotate(first + static_cast<std::ptrdiff_t>(to), first + static_cast<std::ptrdiff_t>(from),
                first + static_cast<std::ptrdiff_t>(from) + 1);
  }
}

void Shortlist::read(ShortlistedName& name) const {
  name.read = ReadName(surnameCounts_, CountNameStrokes(SplitName(name.given), rule_));
  name.others.clear();
  for (const CountingSchool school : kCountingSchools) {
    if (school == rule_.school) {
      continue;
    }
    const NameReading read =
        ReadName(SplitName(surname_), SplitName(name.given), {school, rule_.numeralsAsValues});
    if (read.grids != name.read.grids) {
      name.others.push_back({school, read.grids});
    }
  }
  name.appraisal = Appraise(name.read.grids);
}

}  // namespace quendrel
