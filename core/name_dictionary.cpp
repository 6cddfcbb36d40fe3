// SPDX-License-Identifier: MIT
#include "core/name_dictionary.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <ranges>
#include <string>
#include <thread>
#include <tuple>

#include "core/characters.h"
#include "core/huge_pages.h"
#include "core/name_characters.h"
#include "core/name_familiarity.h"
#include "core/name_reading.h"
#include "core/reading_check.h"
#include "core/sex_estimate.h"

namespace quendrel {
namespace {

bool Listed(const ReadingRecord& reading) {
  return reading.sexes != 0 || reading.familiarity.has_value();
}

Sexes BitsOf(SexEstimate estimate) {
  switch (estimate) {
    case SexEstimate::Boy:
      return kBoy;
    case SexEstimate::Girl:
      return kGirl;
    case SexEstimate::Either:
      break;
  }
  return kBoy | kGirl;
}

// A cost past the largest that a reading can keep is kept as the largest.
std::uint16_t Cost(const ReadingRecord& reading) {
  return reading.familiarity
             ? static_cast<std::uint16_t>(std::min<int>(*reading.familiarity, kUnfamiliar - 1))
             : kUnfamiliar;
}

void AddFamiliarity(NameRecord& record) {
  for (ReadingRecord& reading : record.readings) {
    reading.familiarity = FamiliarityCost(record.written, reading.kana);
  }
}

// What the dictionary knows of a record beyond the record itself.
struct Examined {
  const NameRecord* record = nullptr;
  const std::string* first = nullptr;  // its first listed reading, which it is ordered by
  std::uint64_t firstPrefix = 0;       // BytePrefix of that
  NameCounts counts;
  std::uint8_t length = 0;
  bool nameCharactersOnly = true;
};

// A record whose every character the window would count, or none: a form of more than three
// characters is no candidate, and one with a character that nothing counts is left out.
enum class Verdict : std::uint8_t { Counted, TooLong, Uncounted };

// Four or more kanji or kana, none of which joins another, are too long without asking ICU where
// each character ends: most of the records are full names of that kind.
bool PlainlyTooLong(std::string_view written) {
  std::size_t plain = 0;
  for (const char32_t c : CodePoints(written)) {
    const bool alone = (c >= U'\u3041' && c <= U'\u3096') || (c >= U'\u30A1' && c <= U'\u30FA') ||
                       (c >= U'\u3400' && c <= U'\u4DBF') || (c >= U'\u4E00' && c <= U'\u9FFF');
    if (!alone) {
      return false;
    }
    ++plain;
  }
  return plain > kNameLength;
}

// The familiarity source is asked only of a form short enough to be listed, since most of the
// records that no tag gives as a given name are full names.
Verdict Examine(Examined& name, NameRecord& record) {
  if (PlainlyTooLong(record.written)) {
    return Verdict::TooLong;
  }
  const std::vector<std::string> characters = FirstCharacters(record.written, kNameLength + 1);
  if (characters.size() > kNameLength || characters.empty()) {
    return Verdict::TooLong;
  }
  AddFamiliarity(record);
  const auto first = std::ranges::find_if(record.readings, Listed);
  if (first == record.readings.end()) {
    return Verdict::TooLong;
  }
  name.first = &first->kana;
  name.firstPrefix = BytePrefix(first->kana);
  name.length = static_cast<std::uint8_t>(characters.size());
  NameChars chars;
  std::ranges::copy(characters, chars.begin());
  name.counts = CountNameStrokes(chars);
  for (std::size_t k = 0; k < characters.size(); ++k) {
    if (name.counts.strokes.at(k) == 0) {
      return Verdict::Uncounted;
    }
    name.nameCharactersOnly = name.nameCharactersOnly && IsNameCharacter(characters[k]);
  }
  for (ReadingRecord& reading : record.readings | std::views::filter(Listed)) {
    reading.fit = CheckReading(record.written, reading.kana);
  }
  return Verdict::Counted;
}

struct Counted {
  std::vector<Examined> names;
  std::size_t uncounted = 0;
};

Counted CountRecords(std::span<NameRecord> records, const std::stop_token& stop) {
  constexpr std::size_t kBetweenStops = 4096;
  Counted counted;
  // Room for every record at once: what no name takes is never touched, and the arrays are not
  // copied as they grow.
  counted.names.reserve(records.size());
  PreferHugePages(counted.names);
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (i % kBetweenStops == 0 && stop.stop_requested()) {
      return {};
    }
    Examined name{.record = &records[i],
                  .first = nullptr,
                  .firstPrefix = 0,
                  .counts = {},
                  .length = 0,
                  .nameCharactersOnly = true};
    const Verdict verdict = Examine(name, records[i]);
    counted.uncounted += verdict == Verdict::Uncounted ? 1 : 0;
    if (verdict == Verdict::Counted) {
      counted.names.push_back(name);
    }
  }
  return counted;
}

// Counting is most of the work, so the records are shared among the processors.
Counted CountAll(std::span<NameRecord> records, const std::stop_token& stop) {
  const std::size_t parts = std::clamp(std::thread::hardware_concurrency(), 1U, 4U);
  std::vector<Counted> counted(parts);
  {
    std::vector<std::jthread> helpers;
    for (std::size_t part = 0; part < parts; ++part) {
      const std::size_t begin = records.size() * part / parts;
      const std::size_t end = records.size() * (part + 1) / parts;
      const auto run = records.subspan(begin, end - begin);
      helpers.emplace_back(
          [&counted, &stop, run, part] { counted[part] = CountRecords(run, stop); });
    }
  }
  Counted all;
  all.names.reserve(records.size());
  PreferHugePages(all.names);
  for (Counted& part : counted) {
    all.uncounted += part.uncounted;
    std::ranges::move(part.names, std::back_inserter(all.names));
  }
  // By first listed reading, then by how they are written.
  std::ranges::sort(all.names, [](const Examined& a, const Examined& b) {
    return std::tie(a.firstPrefix, *a.first, a.record->written) <
           std::tie(b.firstPrefix, *b.first, b.record->written);
  });
  return all;
}

}  // namespace

NameDictionary::NameDictionary(std::vector<NameRecord> records, const std::stop_token& stop,
                               std::size_t most) {
  Counted counted = CountAll(records, stop);
  if (stop.stop_requested()) {
    return;
  }
  uncounted_ = counted.uncounted;
  beyondLimit_ = counted.names.size() - std::min(counted.names.size(), most);
  counted.names.resize(counted.names.size() - beyondLimit_);

  std::size_t readings = 0;
  std::size_t bytes = 0;
  for (const Examined& name : counted.names) {
    bytes += name.record->written.size();
    for (const ReadingRecord& reading : name.record->readings | std::views::filter(Listed)) {
      ++readings;
      bytes += reading.kana.size();
    }
  }
  // Reserved whole, so that what the names view never moves.
  text_.reserve(bytes);
  readings_.reserve(readings);
  names_.reserve(counted.names.size());
  PreferHugePages(text_);
  PreferHugePages(readings_);
  PreferHugePages(names_);
  const auto keep = [this](const std::string& text) {
    const char* start = text_.data() + text_.size();
    text_.insert(text_.end(), text.begin(), text.end());
    return std::string_view{start, text.size()};
  };
  for (const Examined& name : counted.names) {
    const std::size_t first = readings_.size();
    for (const ReadingRecord& reading : name.record->readings | std::views::filter(Listed)) {
      const std::optional<SexVerdict> judged = JudgeSex(name.record->written, reading.kana);
      readings_.push_back(
          {keep(reading.kana), reading.sexes, BitsOf(EstimateSex(judged, reading.sexes)),
           judged && judged->firm ? BitsOf(judged->sex) : Sexes{0}, Cost(reading), reading.fit});
    }
    names_.push_back({keep(name.record->written), name.counts, name.length, name.nameCharactersOnly,
                      std::span{readings_}.subspan(first, readings_.size() - first)});
  }
  rankInKanaOrder();
}

std::size_t NameDictionary::KanaRankIndex(Sexes sexes) {
  if (sexes == kBoy) {
    return 1;
  }
  return sexes == kGirl ? 2 : 0;
}

std::span<const std::uint32_t> NameDictionary::kanaRanks(Sexes sexes) const {
  return kanaRanks_.at(KanaRankIndex(sexes));
}

void NameDictionary::rankInKanaOrder() {
  std::jthread girls{[this] { rankInKanaOrder(kGirl); }};
  rankInKanaOrder(kBoy | kGirl);
  rankInKanaOrder(kBoy);
}

void NameDictionary::rankInKanaOrder(Sexes sexes) {
  std::vector<std::uint32_t>& ranks = kanaRanks_.at(KanaRankIndex(sexes));
  ranks.reserve(names_.size());
  PreferHugePages(ranks);
  ranks.resize(names_.size());
  if (sexes == (kBoy | kGirl)) {  // the order the names are stored in
    std::iota(ranks.begin(), ranks.end(), 0U);
    return;
  }
  // A name with no reading for these sexes has none, and comes last.
  struct First {
    bool none;
    std::uint64_t prefix;
    std::string_view kana;
    std::uint32_t name;
  };
  std::vector<First> firsts;
  firsts.reserve(names_.size());
  PreferHugePages(firsts);
  for (std::uint32_t name = 0; name < names_.size(); ++name) {
    const auto& readings = names_[name].readings;
    const auto found = std::ranges::find_if(
        readings, [sexes](const GivenNameReading& r) { return (r.estimate & sexes) != 0; });
    const std::string_view kana = found == readings.end() ? std::string_view{} : found->kana;
    firsts.push_back({found == readings.end(), BytePrefix(kana), kana, name});
  }
  std::ranges::sort(firsts, [](const First& a, const First& b) {
    return std::tie(a.none, a.prefix, a.kana, a.name) < std::tie(b.none, b.prefix, b.kana, b.name);
  });
  for (std::uint32_t place = 0; place < firsts.size(); ++place) {
    ranks[firsts[place].name] = place;
  }
}

void NameDictionary::recount(CountingRule rule) {
  for (Name& name : names_) {
    name.counts = CountNameStrokes(SplitName(name.written), rule);
  }
}

bool NameDictionary::records(std::string_view written, std::string_view kana) const {
  return std::ranges::any_of(names_, [written, kana](const Name& name) {
    return name.written == written &&
           std::ranges::any_of(name.readings, [kana](const GivenNameReading& reading) {
             return reading.kana == kana && reading.sexes != 0;
           });
  });
}

}  // namespace quendrel
