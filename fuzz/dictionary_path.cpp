// SPDX-License-Identifier: MIT
#include "fuzz/dictionary_path.h"

#include <algorithm>
#include <sstream>
#include <string_view>

#include <unicode/unistr.h>

#include "core/characters.h"
#include "core/dictionary_line.h"
#include "core/dictionary_load.h"
#include "core/name_dictionary.h"
#include "core/name_finder.h"
#include "core/name_reading.h"

namespace quendrel::fuzzing {
namespace {

bool IsValidUtf8(std::string_view text) {
  std::string again;
  icu::UnicodeString::fromUTF8(text).toUTF8String(again);
  return again == text;
}

void CheckLines(std::string_view text, std::vector<std::string>& violations) {
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const DictionaryLine line = ParseDictionaryLine(text.substr(start, end - start));
    start = end + 1;
    using enum DictionaryLine::Kind;
    if (line.kind != GivenName && line.kind != PersonName) {
      if (!line.written.empty() || !line.reading.empty() || line.sexes != 0) {
        violations.emplace_back("a line that is no person's name kept a name");
      }
    } else if (line.written.empty() || line.reading.empty() ||
               (line.sexes == 0) != (line.kind == PersonName) || !IsValidUtf8(line.written) ||
               !IsValidUtf8(line.reading)) {
      violations.emplace_back("a person's name's line read as no valid name: " + line.written);
    }
  }
}

void CheckDictionary(const DictionaryLoad& load, std::size_t newlines,
                     std::vector<std::string>& violations) {
  if (load.lines < newlines || load.lines > newlines + 1 ||
      load.unreadable + load.longLines > load.lines) {
    violations.emplace_back("the lines were miscounted");
  }
  const NameDictionary& names = load.names;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const NameDictionary::Name& name = names[i];
    if (name.length < 1 || name.length > kNameLength ||
        CountCharacters(name.written) != name.length) {
      violations.emplace_back("a name of another length: " + std::string{name.written});
    }
    for (std::size_t k = 0; k < kNameLength; ++k) {
      if ((name.counts.strokes.at(k) == 0) != (k >= name.length)) {
        violations.emplace_back("a name kept with a character uncounted: " +
                                std::string{name.written});
      }
    }
    if (name.readings.empty() ||
        !std::ranges::is_sorted(name.readings, {}, &GivenNameReading::kana) ||
        (i > 0 && names[i - 1].readings.front().kana > name.readings.front().kana)) {
      violations.emplace_back("readings out of kana order: " + std::string{name.written});
    }
  }
  for (const Sexes sexes : {Sexes{kBoy}, Sexes{kGirl}, static_cast<Sexes>(kBoy | kGirl)}) {
    std::vector<std::uint32_t> ranks(names.kanaRanks(sexes).begin(), names.kanaRanks(sexes).end());
    std::ranges::sort(ranks);
    for (std::uint32_t place = 0; place < ranks.size(); ++place) {
      if (ranks[place] != place) {
        violations.emplace_back("the kana ranks are no order of the names");
        break;
      }
    }
  }
}

// 運勢順 never puts a better score below a worse one; おすすめ never puts a name whose three rows
// all rise or hold below one with a fall.
bool RankedWrongly(Ranking ranking, const ReadingScore& above, const ReadingScore& below) {
  if (ranking == Ranking::Fortune) {
    return std::pair{above.score, above.personality} < std::pair{below.score, below.personality};
  }
  const auto promising = [](const ReadingScore& s) {
    return std::ranges::all_of(s.themes, [](std::int8_t trend) { return trend >= 0; });
  };
  return !promising(above) && promising(below);
}

void CheckRanking(const NameDictionary& names, std::vector<std::string>& violations) {
  CandidateList list{names};
  list.setSurname(CountNameStrokes(SplitName("佐藤")));
  for (const SexChoice sex : {SexChoice::Either, SexChoice::Girl}) {
    list.setFilter({sex, 0, "", "", false});
    list.setRanking(sex == SexChoice::Girl ? Ranking::Fortune : Ranking::Recommended);
    for (std::size_t row = 0; row < list.size(); ++row) {
      const Candidate& c = list[row];
      if (RankedWrongly(list.ranking(), list[row > 0 ? row - 1 : row].score, c.score)) {
        violations.emplace_back("a better name ranked below a worse one");
      }
      if (list.place(row) != row + 1 ||
          c.grids != ReadName(CountNameStrokes(SplitName("佐藤")), list.name(row).counts).grids) {
        violations.emplace_back("a row that is not the name's reading");
      }
    }
  }
}

}  // namespace

std::vector<std::string> DictionaryPathViolations(std::span<const std::uint8_t> input) {
  const std::string text(input.begin(), input.end());
  std::vector<std::string> violations;
  CheckLines(text, violations);
  std::istringstream stream{text};
  const DictionaryLoad load = LoadNameDictionary(stream);
  CheckDictionary(load, static_cast<std::size_t>(std::ranges::count(text, '\n')), violations);
  CheckRanking(load.names, violations);
  return violations;
}

}  // namespace quendrel::fuzzing
