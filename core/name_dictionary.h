// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary_line.h"
#include "core/name_strokes.h"

// The given names of ENAMDICT, the Electronic Dictionary Research and Development Group's
// dictionary of Japanese proper names, as Debian's enamdict ships it: EUC-JP, one entry a line,
// "陽葵 [ひまり] /(f) Himari/", or "さくら /(f) Sakura/" for a name written in kana alone. Each
// gloss may start with tags; m, f and g mark a given name (g: of either sex), the others a surname,
// a place, a company and so on.
namespace quendrel {

struct GivenNameReading {
  std::string_view kana;
  Sexes sexes;
};

struct DictionaryLoad;
using LoadProgress = std::function<void(std::size_t)>;

// The written given names of one to three characters whose every character has a count, each
// once with all its readings, in the kana order of their first reading.
class NameDictionary {
 public:
  struct Name {
    std::string_view written;
    NameCounts counts;
    std::uint8_t length;                         // characters
    bool nameCharactersOnly;                     // every character one a child may be named with
    std::span<const GivenNameReading> readings;  // in kana order
  };

  [[nodiscard]] std::size_t size() const { return names_.size(); }
  [[nodiscard]] const Name& operator[](std::size_t i) const { return names_[i]; }
  // Each name's place in kana order of its first reading given to these sexes (the names are
  // stored in that order for either); names with no such reading come last.
  [[nodiscard]] std::span<const std::uint32_t> kanaRanks(Sexes sexes) const;

 private:
  friend DictionaryLoad LoadNameDictionary(std::istream&, const LoadProgress&);
  void rankInKanaOrder();
  void rankInKanaOrder(Sexes sexes);
  static std::size_t KanaRankIndex(Sexes sexes);
  // What the names and readings view; a vector keeps its buffer when it moves.
  std::vector<char> text_;
  std::vector<GivenNameReading> readings_;
  std::vector<Name> names_;
  std::array<std::vector<std::uint32_t>, 3> kanaRanks_;  // for either, boys, girls
};

struct DictionaryLoad {
  NameDictionary names;
  std::size_t lines = 0;
  std::size_t unreadable = 0;  // lines skipped as malformed or not EUC-JP
  std::size_t uncounted = 0;   // names left out for a character that nothing counts
  bool complete = true;        // false where reading the file failed part of the way
};

// `progress` hears how many bytes have been read, now and then.
DictionaryLoad LoadNameDictionary(std::istream& eucJp, const LoadProgress& progress = {});

// The installed dictionary, or the file that QUENDREL_ENAMDICT names.
std::string NameDictionaryPath();

// Katakana folded to hiragana, so that readings compare alike in either script.
std::string FoldKana(std::string_view text);

}  // namespace quendrel
