// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/name_reading.h"

// The names a user keeps to compare, each read with the surname of the moment as the main window
// reads a name. It lives as long as the program: nothing of it is saved.
namespace quendrel {

// A name's five numbers under another school than the list's, where they differ from its own.
struct OtherCounting {
  CountingSchool school;
  GridValues grids;

  friend bool operator==(const OtherCounting&, const OtherCounting&) = default;
};

struct ShortlistedName {
  std::string given;      // as a box holds it: its first three characters
  std::string reading;    // its readings, "・" between, where it came with any, else empty
  bool recorded = false;  // whether the dictionary gives it those readings as a given name
  NameReading read;
  std::vector<OtherCounting> others;  // in the schools' order
  Appraisal appraisal;
};

class Shortlist {
 public:
  // Reads every name again with a surname of these counts, which shows as `surname`, each given
  // name counted by `rule`, as the surname was.
  void setSurname(std::string_view surname, const NameCounts& counts, CountingRule rule = {});
  [[nodiscard]] const std::string& surname() const { return surname_; }
  [[nodiscard]] CountingRule counting() const { return rule_; }

  // Adds a name at the end and gives its place; a name already kept stays where it is and gives
  // its own place, and one with no characters is not added.
  std::optional<std::size_t> add(std::string_view given, std::string_view reading = {},
                                 bool recorded = false);
  // The place that add would give, without adding.
  [[nodiscard]] std::optional<std::size_t> placeFor(std::string_view given) const;
  void remove(std::size_t place);
  // Moves a name to another place, the others closing up behind it.
  void move(std::size_t from, std::size_t to);

  [[nodiscard]] std::size_t size() const { return names_.size(); }
  [[nodiscard]] bool empty() const { return names_.empty(); }
  [[nodiscard]] const ShortlistedName& operator[](std::size_t place) const {
    return names_.at(place);
  }

 private:
  void read(ShortlistedName& name) const;

  std::string surname_;
  NameCounts surnameCounts_;
  CountingRule rule_;
  std::vector<ShortlistedName> names_;
};

}  // namespace quendrel
