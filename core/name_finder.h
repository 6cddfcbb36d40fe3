// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/name_dictionary.h"
#include "core/name_reading.h"

// The given names of the dictionary as candidates for a surname: each read with it as the main
// window reads a name, scored by the catalogue's trends, filtered and ordered.
namespace quendrel {

// A trend's worth: 急上昇 +2, 上昇 +1, 現状維持 0, 下降 −1, 急下降 −2; a number with no fortune −3.
int TrendScore(const std::optional<FortuneEntry>& fortune);

// What a reading ranks by: the three theme rows' trend scores summed, and 人格's; and each row's.
struct ReadingScore {
  std::int8_t score = 0;
  std::int8_t personality = 0;
  std::array<std::int8_t, kAppraisalThemes.size()> themes{};
};

ReadingScore ScoreGrids(const GridValues& grids);

// One name read with the surname, scored once: the list keeps what it orders by, and a row's
// fortunes are looked up by its numbers where they are shown.
struct Candidate {
  std::uint32_t name = 0;  // index in the dictionary
  std::uint32_t rank = 0;  // place in the ranking, from 0
  GridValues grids;
  ReadingScore score;
};

enum class SexChoice : std::uint8_t { Either, Boy, Girl };

struct CandidateFilter {
  SexChoice sex = SexChoice::Either;
  int length = 0;            // characters; 0 for any
  std::string readingStart;  // hiragana or katakana
  std::string containing;    // characters that must all occur in the name
  bool nameCharactersOnly = true;
  // The readings listed: those this well explained by their characters, or better.
  ReadingFit worstFit = ReadingFit::Unexplained;

  friend bool operator==(const CandidateFilter&, const CandidateFilter&) = default;
};

// Whether a list shows a reading: one for the chosen sex, and as well explained as it asks.
bool Shows(const GivenNameReading& reading, const CandidateFilter& filter);

// The readings of a name that a list shows, joined by "・", whom those readings are given to, and
// how well the best of them is explained by the name's characters.
std::string ReadingsFor(const NameDictionary::Name& name, const CandidateFilter& filter);
Sexes SexesFor(const NameDictionary::Name& name, const CandidateFilter& filter);
ReadingFit BestFit(const NameDictionary::Name& name, const CandidateFilter& filter);

// The two rankings: おすすめ puts first the names whose three rows all rise or hold (no fall,
// every number with a fortune), the most familiar first, then the others as 運勢順 does; 運勢順
// ranks by the three rows' score, then by 人格's trend, then by familiarity. The first reading for
// the chosen sex in kana order breaks the ties that remain.
enum class Ranking : std::uint8_t { Recommended, Fortune };

// What a list can be ordered by: its rank, or a column.
enum class CandidateOrder : std::uint8_t {
  Rank,
  Written,
  Reading,
  Sex,
  Familiarity,
  Strokes,
  Fit,
  Tenkaku,
  Jinkaku,
  Chikaku,
  Gaikaku,
  Soukaku,
  Future,
  Work,
  Relations,
};

// The candidates for one surname as a list shows them, ranked best first by the chosen Ranking.
// Another order sorts by its column, the rank breaking ties; ascending puts the smallest value
// first, for Rank the best, for Familiarity the most familiar and for the fortunes the worst.
class CandidateList {
 public:
  // The dictionary stays as it is for as long as the list lives.
  explicit CandidateList(const NameDictionary& dictionary);

  void setSurname(const NameCounts& surname);
  void setFilter(const CandidateFilter& filter);
  void setOrder(CandidateOrder order, bool ascending);
  void setRanking(Ranking ranking);

  [[nodiscard]] const CandidateFilter& filter() const { return filter_; }
  [[nodiscard]] Ranking ranking() const { return ranking_; }
  // The familiarity source's cost of a row's most familiar reading for the chosen sex, or
  // kUnfamiliar.
  [[nodiscard]] std::uint16_t familiarity(std::size_t row) const {
    return familiarity_[shown_[row]];
  }
  [[nodiscard]] std::size_t size() const { return shown_.size(); }
  [[nodiscard]] const Candidate& operator[](std::size_t row) const { return read_[shown_[row]]; }
  [[nodiscard]] const NameDictionary::Name& name(std::size_t row) const {
    return dictionary_[shown_[row]];
  }
  // A row's place in the ranking of the names that pass the filter, from 1.
  [[nodiscard]] std::size_t place(std::size_t row) const { return places_[shown_[row]]; }

 private:
  void rank();
  void order();
  void show();

  const NameDictionary& dictionary_;
  std::vector<std::uint8_t> traits_;        // by name: what most filters ask, packed
  std::vector<Candidate> read_;             // by name, for the surname
  std::vector<std::uint32_t> ordered_;      // the names in the list's order
  std::vector<std::uint32_t> shown_;        // those that pass the filter, in that order
  std::vector<std::uint32_t> byRank_;       // the names in rank order
  std::vector<std::uint32_t> places_;       // by name: its place among those that pass
  std::vector<std::uint16_t> familiarity_;  // by name, for the chosen sex
  CandidateFilter filter_;
  Ranking ranking_ = Ranking::Recommended;
  CandidateOrder order_ = CandidateOrder::Rank;
  bool ascending_ = true;
};

}  // namespace quendrel
