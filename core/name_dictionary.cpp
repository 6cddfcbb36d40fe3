// SPDX-License-Identifier: MIT
#include "core/name_dictionary.h"

#include <algorithm>
#include <cstdlib>
#include <istream>
#include <iterator>
#include <memory>
#include <numeric>
#include <thread>

#include "core/characters.h"
#include "core/name_characters.h"

namespace quendrel {
namespace {

constexpr std::string_view kInstalledDictionary = "/usr/share/edict/enamdict";

struct PendingName {
  std::string written;
  std::vector<std::pair<std::string, Sexes>> readings;
  NameCounts counts;
  std::uint8_t length = 0;
  bool nameCharactersOnly = true;
};

// A name whose every character the window would count, or none: a form of more than three
// characters is no candidate, and one with a character that nothing counts is left out.
enum class Examined : std::uint8_t { Counted, TooLong, Uncounted };

Examined Examine(PendingName& name) {
  const std::vector<std::string> characters = FirstCharacters(name.written, kNameLength + 1);
  if (characters.size() > kNameLength) {
    return Examined::TooLong;
  }
  name.length = static_cast<std::uint8_t>(characters.size());
  NameChars chars;
  std::ranges::copy(characters, chars.begin());
  name.counts = CountNameStrokes(chars);
  for (std::size_t k = 0; k < characters.size(); ++k) {
    if (name.counts.strokes.at(k) == 0) {
      return Examined::Uncounted;
    }
    name.nameCharactersOnly = name.nameCharactersOnly && IsNameCharacter(characters[k]);
  }
  return Examined::Counted;
}

void AddReading(PendingName& name, std::string kana, Sexes sexes) {
  const auto same = std::ranges::find(name.readings, kana, &std::pair<std::string, Sexes>::first);
  if (same != name.readings.end()) {
    same->second |= sexes;
  } else {
    name.readings.emplace_back(std::move(kana), sexes);
  }
}

struct Gathered {
  std::vector<PendingName> names;
  std::size_t uncounted = 0;
  std::size_t unreadable = 0;
};

// Each written form of a run of lines sorted by it, with the readings of all its lines.
Gathered GatherForms(std::span<const RawLine> lines) {
  Gathered gathered;
  for (auto first = lines.begin(); first != lines.end();) {
    const auto last = std::find_if(
        first, lines.end(), [&](const RawLine& line) { return line.written != first->written; });
    const std::optional<std::string> written = DecodeEucJp(first->written);
    PendingName name{written.value_or(""), {}, {}, 0, true};
    const Examined examined = written ? Examine(name) : Examined::TooLong;
    gathered.unreadable += written ? 0 : static_cast<std::size_t>(last - first);
    gathered.uncounted += examined == Examined::Uncounted ? 1 : 0;
    for (; examined == Examined::Counted && first != last; ++first) {
      const std::optional<std::string> reading =
          first->reading.empty() ? written : DecodeEucJp(first->reading);
      if (reading) {
        AddReading(name, FoldKana(*reading), first->sexes);
      } else {
        ++gathered.unreadable;
      }
    }
    first = last;
    if (examined == Examined::Counted && !name.readings.empty()) {
      std::ranges::sort(name.readings);
      gathered.names.push_back(std::move(name));
    }
  }
  return gathered;
}

// The lines of each written form together. Decoding and counting are most of the load's work, so
// the forms are shared among the processors, each taking whole forms.
std::vector<Gathered> Gather(std::vector<RawLine>& lines) {
  // The order of a form's lines does not matter: its readings are sorted once gathered.
  std::ranges::sort(lines, {}, &RawLine::written);
  const std::size_t parts = std::clamp(std::thread::hardware_concurrency(), 1U, 4U);
  std::vector<std::span<const RawLine>> runs;
  for (std::size_t part = 1, begin = 0; part <= parts; ++part) {
    std::size_t end = lines.size() * part / parts;
    while (end > begin && end < lines.size() && lines[end].written == lines[end - 1].written) {
      ++end;
    }
    runs.push_back(std::span<const RawLine>{lines}.subspan(begin, end - begin));
    begin = end;
  }
  std::vector<Gathered> gathered(runs.size());
  {
    std::vector<std::jthread> helpers;
    for (std::size_t run = 1; run < runs.size(); ++run) {
      helpers.emplace_back([&gathered, &runs, run] { gathered[run] = GatherForms(runs[run]); });
    }
    gathered.front() = GatherForms(runs.front());
  }
  return gathered;
}

// The names of every part by their first reading, then by how they are written.
std::vector<const PendingName*> KanaOrder(const std::vector<Gathered>& parts) {
  std::vector<const PendingName*> order;
  for (const Gathered& part : parts) {
    std::ranges::transform(part.names, std::back_inserter(order),
                           [](const PendingName& name) { return &name; });
  }
  std::ranges::sort(order, [](const PendingName* a, const PendingName* b) {
    return std::tie(a->readings.front().first, a->written) <
           std::tie(b->readings.front().first, b->written);
  });
  return order;
}

// The names as the dictionary keeps them: their texts in one block that the names and readings
// view.
struct Kept {
  std::vector<char> text;
  std::vector<GivenNameReading> readings;
  std::vector<NameDictionary::Name> names;
};

Kept Keep(const std::vector<const PendingName*>& names) {
  Kept kept;
  std::size_t readings = 0;
  std::size_t bytes = 0;
  for (const PendingName* name : names) {
    readings += name->readings.size();
    bytes += name->written.size();
    for (const auto& reading : name->readings) {
      bytes += reading.first.size();
    }
  }
  kept.text.reserve(bytes);
  kept.readings.reserve(readings);
  kept.names.reserve(names.size());
  const auto keep = [&kept](const std::string& text) {
    const char* start = kept.text.data() + kept.text.size();
    kept.text.insert(kept.text.end(), text.begin(), text.end());
    return std::string_view{start, text.size()};
  };
  for (const PendingName* name : names) {
    const std::size_t first = kept.readings.size();
    for (const auto& [kana, sexes] : name->readings) {
      kept.readings.push_back({keep(kana), sexes});
    }
    kept.names.push_back({keep(name->written), name->counts, name->length, name->nameCharactersOnly,
                          std::span{kept.readings}.subspan(first, name->readings.size())});
  }
  return kept;
}

}  // namespace

namespace {

// The given names' lines as the file holds them, read a block at a time: only their written forms
// and readings are kept, a fifth of the file.
class RawLines {
 public:
  void read(std::string_view line, DictionaryLoad& load) {
    ++load.lines;
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    const std::optional<RawLine> raw = ReadLine(line);
    if (!raw) {
      ++load.unreadable;
    } else if (raw->sexes != 0) {
      offsets_.push_back({static_cast<std::uint32_t>(kept_.size()),
                          static_cast<std::uint32_t>(raw->written.size()),
                          static_cast<std::uint32_t>(raw->reading.size()), raw->sexes});
      kept_.append(raw->written).append(raw->reading);
    }
  }

  // Views into what was kept, which no longer grows.
  [[nodiscard]] std::vector<RawLine> lines() const {
    std::vector<RawLine> lines;
    lines.reserve(offsets_.size());
    const std::string_view kept = kept_;
    for (const Offsets& o : offsets_) {
      lines.push_back(
          {kept.substr(o.begin, o.written), kept.substr(o.begin + o.written, o.reading), o.sexes});
    }
    return lines;
  }

 private:
  struct Offsets {
    std::uint32_t begin, written, reading;
    Sexes sexes;
  };
  std::string kept_;
  std::vector<Offsets> offsets_;
};

constexpr std::size_t kBlock = std::size_t{1} << 20U;

}  // namespace

DictionaryLoad LoadNameDictionary(std::istream& eucJp, const LoadProgress& progress) {
  DictionaryLoad load;
  RawLines raw;
  std::string block;
  std::size_t read = 0;
  while (eucJp) {
    // What is left of the last block's final line stays at the front.
    const std::size_t carried = block.size();
    block.resize(carried + kBlock);
    eucJp.read(block.data() + carried, static_cast<std::streamsize>(kBlock));
    const auto got = static_cast<std::size_t>(eucJp.gcount());
    block.resize(carried + got);
    read += got;
    const std::string_view text = block;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', start)) {
      raw.read(text.substr(start, end - start), load);
      start = end + 1;
    }
    block.erase(0, start);
    if (progress) {
      progress(read);
    }
  }
  if (!block.empty()) {
    raw.read(block, load);  // a last line without its newline, as a cut-off file ends
  }
  load.complete = !eucJp.bad();

  std::vector<RawLine> givenNames = raw.lines();
  const std::vector<Gathered> parts = Gather(givenNames);
  for (const Gathered& part : parts) {
    load.uncounted += part.uncounted;
    load.unreadable += part.unreadable;
  }
  Kept kept = Keep(KanaOrder(parts));
  load.names.text_ = std::move(kept.text);
  load.names.readings_ = std::move(kept.readings);
  load.names.names_ = std::move(kept.names);
  load.names.rankInKanaOrder();
  return load;
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
  ranks.resize(names_.size());
  if (sexes == (kBoy | kGirl)) {  // the order the names are stored in
    std::iota(ranks.begin(), ranks.end(), 0U);
    return;
  }
  // A name with no reading for these sexes has none, and comes last.
  std::vector<std::pair<std::optional<std::string_view>, std::uint32_t>> firsts;
  firsts.reserve(names_.size());
  for (std::uint32_t name = 0; name < names_.size(); ++name) {
    const auto& readings = names_[name].readings;
    const auto found = std::ranges::find_if(
        readings, [sexes](const GivenNameReading& r) { return (r.sexes & sexes) != 0; });
    firsts.emplace_back(found == readings.end() ? std::nullopt : std::optional{found->kana}, name);
  }
  std::ranges::sort(firsts, [](const auto& a, const auto& b) {
    return std::tuple{!a.first, a.first, a.second} < std::tuple{!b.first, b.first, b.second};
  });
  for (std::uint32_t place = 0; place < firsts.size(); ++place) {
    ranks[firsts[place].second] = place;
  }
}

std::string NameDictionaryPath() {
  const char* chosen = std::getenv("QUENDREL_ENAMDICT");
  return chosen != nullptr ? chosen : std::string{kInstalledDictionary};
}

std::string FoldKana(std::string_view text) {
  constexpr char32_t kKanaDistance = U'ァ' - U'ぁ';
  std::u32string folded = CodePoints(text);
  for (char32_t& c : folded) {
    // ァ to ヶ, ヽ and ヾ: the hiragana of the same sound
    if ((c >= U'ァ' && c <= U'ヶ') || c == U'ヽ' || c == U'ヾ') {
      c -= kKanaDistance;
    }
  }
  return ToUtf8(folded);
}

}  // namespace quendrel
