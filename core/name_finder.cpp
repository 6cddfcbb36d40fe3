// SPDX-License-Identifier: MIT
#include "core/name_finder.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <numeric>
#include <utility>

#include "core/characters.h"
#include "core/name_record.h"

namespace quendrel {
namespace {

constexpr int kNoFortuneScore = -3;
constexpr std::string_view kReadingSeparator = "・";

Sexes SexesOf(SexChoice sex) {
  switch (sex) {
    case SexChoice::Boy:
      return kBoy;
    case SexChoice::Girl:
      return kGirl;
    case SexChoice::Either:
      break;
  }
  return kBoy | kGirl;
}

bool ForSex(const GivenNameReading& reading, SexChoice sex) {
  return (reading.estimate & SexesOf(sex)) != 0;
}

// What the filters ask most, packed: the length, whether every character is a name character, and
// the sexes of all readings.
constexpr unsigned kLengthBits = 0x3U;
constexpr unsigned kNameCharactersOnlyBit = 0x4U;
constexpr unsigned kSexesShift = 3;

std::uint8_t TraitsOf(const NameDictionary::Name& name) {
  Sexes sexes = 0;
  for (const GivenNameReading& reading : name.readings) {
    sexes |= reading.estimate;
  }
  return static_cast<std::uint8_t>(name.length |
                                   (name.nameCharactersOnly ? kNameCharactersOnlyBit : 0U) |
                                   (static_cast<unsigned>(sexes) << kSexesShift));
}

// A filter read once for the whole list: the reading in hiragana, the characters one by one.
struct PreparedFilter {
  explicit PreparedFilter(const CandidateFilter& filter)
      : filter(filter),
        start(FoldKana(filter.readingStart)),
        characters(FirstCharacters(filter.containing, kNameLength)) {}

  // Most filters are decided by a name's traits alone, which need no look at the dictionary.
  [[nodiscard]] bool passes(std::uint8_t traits, const NameDictionary::Name& name) const {
    const unsigned length = traits & kLengthBits;
    const auto sexes = static_cast<Sexes>(traits >> kSexesShift);
    if ((filter.nameCharactersOnly && (traits & kNameCharactersOnlyBit) == 0) ||
        (filter.length != 0 && std::cmp_not_equal(filter.length, length)) ||
        (sexes & SexesOf(filter.sex)) == 0) {
      return false;
    }
    if (characters.empty() && start.empty() && filter.worstFit == ReadingFit::Unexplained) {
      return true;
    }
    if (!std::ranges::all_of(characters, [&name](const std::string& character) {
          return name.written.find(character) != std::string_view::npos;
        })) {
      return false;
    }
    return std::ranges::any_of(name.readings, [this](const GivenNameReading& reading) {
      return Shows(reading, filter) && reading.kana.starts_with(start);
    });
  }

  const CandidateFilter& filter;
  std::string start;
  std::vector<std::string> characters;
};

std::int32_t TotalStrokes(const NameCounts& counts) {
  std::int32_t total = 0;
  for (const StrokeCount strokes : counts.strokes) {
    total += strokes;
  }
  return total;
}

// A candidate's value in a column; a better trend has the larger score.
std::int32_t ColumnValue(const Candidate& c, const NameDictionary& dictionary, CandidateOrder order,
                         const CandidateFilter& filter, std::uint16_t familiarity) {
  const auto theme = [&c](AppraisalTheme t) {
    return c.score.themes.at(static_cast<std::size_t>(t));
  };
  switch (order) {
    case CandidateOrder::Strokes:
      return TotalStrokes(dictionary[c.name].counts);
    case CandidateOrder::Sex:
      return SexesFor(dictionary[c.name], filter);
    case CandidateOrder::Fit:
      return static_cast<std::int32_t>(BestFit(dictionary[c.name], filter));
    case CandidateOrder::Familiarity:
      return familiarity;
    case CandidateOrder::Tenkaku:
      return c.grids.Tenkaku;
    case CandidateOrder::Jinkaku:
      return c.grids.Jinkaku;
    case CandidateOrder::Chikaku:
      return c.grids.Chikaku;
    case CandidateOrder::Gaikaku:
      return c.grids.Gaikaku;
    case CandidateOrder::Soukaku:
      return c.grids.Soukaku;
    case CandidateOrder::Future:
      return theme(AppraisalTheme::Future);
    case CandidateOrder::Work:
      return theme(AppraisalTheme::Work);
    case CandidateOrder::Relations:
      return theme(AppraisalTheme::Relations);
    case CandidateOrder::Rank:
    case CandidateOrder::Written:
    case CandidateOrder::Reading:
      break;
  }
  return static_cast<std::int32_t>(c.rank);
}

// A list is ordered by sorting integers: a key of up to 40 bits, given in parts from the most
// significant, above a name's index or its place in kana order, which the dictionary keeps below
// 2^24.
constexpr unsigned kIndexBits = 24;
static_assert(kMostNames == std::size_t{1} << kIndexBits);
constexpr std::uint64_t kIndexMask = (std::uint64_t{1} << kIndexBits) - 1;

struct KeyPart {
  std::uint32_t value;
  unsigned bits;
};

std::uint64_t PackKey(std::initializer_list<KeyPart> parts, std::uint32_t index) {
  std::uint64_t key = 0;
  for (const KeyPart part : parts) {
    key = (key << part.bits) | (part.value & ((std::uint64_t{1} << part.bits) - 1));
  }
  return (key << kIndexBits) | index;
}

// The better score first.
KeyPart Worse(std::int8_t score) {
  return {static_cast<std::uint32_t>(INT8_MAX - score), 8};
}

KeyPart Place(std::uint32_t place) {
  return {place, kIndexBits};
}

KeyPart Familiar(std::uint16_t cost) {
  return {cost, 16};
}

// A name's rank key above its place in kana order, which is as unique as its index.
std::uint64_t RankKey(const ReadingScore& s, std::uint16_t familiarity, std::uint32_t kanaPlace,
                      Ranking ranking) {
  if (ranking == Ranking::Fortune) {
    return PackKey({Worse(s.score), Worse(s.personality), Familiar(familiarity)}, kanaPlace);
  }
  const bool promising =
      std::ranges::all_of(s.themes, [](std::int8_t trend) { return trend >= 0; });
  if (promising) {
    return PackKey({{0, 1}, Familiar(familiarity), Worse(s.score), Worse(s.personality)},
                   kanaPlace);
  }
  return PackKey({{1, 1}, Worse(s.score), Worse(s.personality), Familiar(familiarity)}, kanaPlace);
}

// The cost of a name's most familiar reading for the chosen sex.
std::uint16_t FamiliarityFor(const NameDictionary::Name& name, SexChoice sex) {
  std::uint16_t best = kUnfamiliar;
  for (const GivenNameReading& reading : name.readings) {
    best = ForSex(reading, sex) ? std::min(best, reading.familiarity) : best;
  }
  return best;
}

// What a name ranks by for familiarity: the cost of its most familiar reading that the sex rule
// firmly gives the chosen sex alone, then of one it firmly gives either, then of any other
// reading for it, each tier after the last. The familiarity source does not tell a girl's 神 みわ
// from a boy's 神 じん, nor a name from a word, and only the rule's firm verdicts outweigh the
// dictionary's loose tags.
std::uint16_t RankedFamiliarity(const NameDictionary::Name& name, SexChoice sex) {
  constexpr std::uint32_t kTier = 1U << 14U;  // past every cost the source gives
  std::uint32_t best = kUnfamiliar;
  for (const GivenNameReading& reading : name.readings) {
    if (ForSex(reading, sex) && reading.familiarity != kUnfamiliar) {
      const bool firm = (reading.firm & SexesOf(sex)) != 0;
      const bool alone = firm && (sex == SexChoice::Either || reading.firm == SexesOf(sex));
      const std::uint32_t tier = (alone ? 0U : 1U) + (firm ? 0U : 1U);
      best = std::min(best, reading.familiarity + (tier * kTier));
    }
  }
  return static_cast<std::uint16_t>(std::min<std::uint32_t>(best, kUnfamiliar));
}

KeyPart Ascending(std::int32_t value, bool ascending) {
  constexpr std::int32_t kOffset = 1 << 15;
  constexpr std::uint32_t kTop = (std::uint32_t{1} << 16U) - 1;
  const auto shifted =
      static_cast<std::uint32_t>(std::clamp(value + kOffset, 0, (2 * kOffset) - 1));
  return {ascending ? shifted : kTop - shifted, 16};
}

std::uint32_t IndexOf(std::uint64_t key) {
  return static_cast<std::uint32_t>(key & kIndexMask);
}

Candidate ReadCandidate(const NameDictionary& dictionary, std::uint32_t name,
                        const NameCounts& surname) {
  const NameReading reading = ReadName(surname, dictionary[name].counts);
  return {name, 0, reading.grids, ScoreGrids(reading.grids)};
}

}  // namespace

int TrendScore(const std::optional<FortuneEntry>& fortune) {
  if (!fortune) {
    return kNoFortuneScore;
  }
  switch (fortune->Trend) {
    case FortuneTrend::SharpRise:
      return 2;
    case FortuneTrend::Rise:
      return 1;
    case FortuneTrend::Steady:
      return 0;
    case FortuneTrend::Fall:
      return -1;
    case FortuneTrend::SharpFall:
      return -2;
  }
  return kNoFortuneScore;
}

ReadingScore ScoreGrids(const GridValues& grids) {
  const Appraisal appraisal = Appraise(grids);
  ReadingScore scored{0, static_cast<std::int8_t>(TrendScore(appraisal.personality)), {}};
  for (std::size_t t = 0; t < appraisal.themes.size(); ++t) {
    scored.themes.at(t) = static_cast<std::int8_t>(TrendScore(appraisal.themes.at(t)));
    scored.score = static_cast<std::int8_t>(scored.score + scored.themes.at(t));
  }
  return scored;
}

bool Shows(const GivenNameReading& reading, const CandidateFilter& filter) {
  return ForSex(reading, filter.sex) && reading.fit <= filter.worstFit;
}

Sexes SexesFor(const NameDictionary::Name& name, const CandidateFilter& filter) {
  Sexes sexes = 0;
  for (const GivenNameReading& reading : name.readings) {
    sexes |= Shows(reading, filter) ? reading.estimate : Sexes{0};
  }
  return sexes;
}

ReadingFit BestFit(const NameDictionary::Name& name, const CandidateFilter& filter) {
  ReadingFit best = ReadingFit::Unexplained;
  for (const GivenNameReading& reading : name.readings) {
    best = Shows(reading, filter) ? std::min(best, reading.fit) : best;
  }
  return best;
}

std::string ReadingsFor(const NameDictionary::Name& name, const CandidateFilter& filter) {
  std::string joined;
  for (const GivenNameReading& reading : name.readings) {
    if (Shows(reading, filter)) {
      joined.append(joined.empty() ? "" : kReadingSeparator).append(reading.kana);
    }
  }
  return joined;
}

CandidateList::CandidateList(const NameDictionary& dictionary) : dictionary_(dictionary) {
  traits_.reserve(dictionary.size());
  for (std::size_t name = 0; name < dictionary.size(); ++name) {
    traits_.push_back(TraitsOf(dictionary[name]));
  }
}

void CandidateList::setSurname(const NameCounts& surname) {
  read_.clear();
  read_.reserve(dictionary_.size());
  for (std::uint32_t name = 0; name < dictionary_.size(); ++name) {
    read_.push_back(ReadCandidate(dictionary_, name, surname));
  }
  rank();
}

void CandidateList::setFilter(const CandidateFilter& filter) {
  const bool reranks = filter.sex != filter_.sex;
  const bool reorders = order_ == CandidateOrder::Fit && filter.worstFit != filter_.worstFit;
  filter_ = filter;
  if (reranks) {
    rank();
  } else if (reorders) {
    order();
  } else {
    show();
  }
}

void CandidateList::setRanking(Ranking ranking) {
  if (ranking != ranking_) {
    ranking_ = ranking;
    rank();
  }
}

void CandidateList::setOrder(CandidateOrder order, bool ascending) {
  order_ = order;
  ascending_ = ascending;
  this->order();
}

// Each name's sort key and its place in kana order share one 64-bit word, so that ranking is a
// sort of integers.
void CandidateList::rank() {
  const auto kana = dictionary_.kanaRanks(SexesOf(filter_.sex));
  std::vector<std::uint32_t> byKana(kana.size());
  familiarity_.resize(dictionary_.size());
  for (std::uint32_t name = 0; name < dictionary_.size(); ++name) {
    byKana[kana[name]] = name;
    familiarity_[name] = FamiliarityFor(dictionary_[name], filter_.sex);
  }
  std::vector<std::uint64_t> keys;
  keys.reserve(read_.size());
  for (const Candidate& c : read_) {
    keys.push_back(RankKey(c.score, RankedFamiliarity(dictionary_[c.name], filter_.sex),
                           kana[c.name], ranking_));
  }
  std::ranges::sort(keys);
  byRank_.resize(keys.size());
  for (std::uint32_t place = 0; place < keys.size(); ++place) {
    byRank_[place] = byKana[IndexOf(keys[place])];
    read_[byRank_[place]].rank = place;
  }
  order();
}

void CandidateList::order() {
  ordered_.resize(read_.size());
  if (order_ == CandidateOrder::Written) {
    std::iota(ordered_.begin(), ordered_.end(), 0U);
    std::ranges::sort(ordered_, [this](std::uint32_t a, std::uint32_t b) {
      const auto wa = dictionary_[a].written;
      const auto wb = dictionary_[b].written;
      if (wa != wb) {
        return ascending_ ? wa < wb : wb < wa;
      }
      return read_[a].rank < read_[b].rank;
    });
    show();
    return;
  }
  if (order_ == CandidateOrder::Rank) {
    ordered_ = byRank_;
    if (!ascending_) {
      std::ranges::reverse(ordered_);
    }
    show();
    return;
  }
  const auto kana = dictionary_.kanaRanks(SexesOf(filter_.sex));
  std::vector<std::uint64_t> keys;
  keys.reserve(read_.size());
  for (const Candidate& c : read_) {
    const std::int32_t value =
        order_ == CandidateOrder::Reading
            ? static_cast<std::int32_t>(kana[c.name])
            : ColumnValue(c, dictionary_, order_, filter_, familiarity_[c.name]);
    keys.push_back(PackKey({Ascending(value, ascending_), Place(c.rank)}, c.name));
  }
  std::ranges::sort(keys);
  std::ranges::transform(keys, ordered_.begin(), IndexOf);
  show();
}

// The filter is asked once per name, in the dictionary's order, which reads it front to back.
void CandidateList::show() {
  const PreparedFilter prepared{filter_};
  std::vector<bool> passes(dictionary_.size());
  for (std::uint32_t name = 0; name < dictionary_.size(); ++name) {
    passes[name] = prepared.passes(traits_[name], dictionary_[name]);
  }
  shown_.clear();
  std::ranges::copy_if(ordered_, std::back_inserter(shown_),
                       [&passes](std::uint32_t name) { return passes[name]; });
  places_.resize(dictionary_.size());
  std::uint32_t place = 0;
  for (const std::uint32_t name : byRank_) {
    places_[name] = passes[name] ? ++place : 0;
  }
}

}  // namespace quendrel
