// SPDX-License-Identifier: MIT
// The name candidates over the installed dictionary: reading it whole and ranking every name for
// a surname, a filter change and a change of counting school over the full list, and a shortlist
// read again for a new surname.
// What the window costs in memory is read off the real program (candidates_memory.sh).
#include <array>
#include <string_view>

#include <benchmark/benchmark.h>

#include "core/dictionary_load.h"
#include "core/name_finder.h"
#include "core/shortlist.h"

namespace quendrel {
namespace {

std::optional<DictionaryLoad> Load() {
  DictionaryLoad load = LoadNameDictionary(NameDictionaryPath());
  if (load.names.size() == 0) {
    return std::nullopt;
  }
  return load;
}

// What the window does between its first showing and its first list: read, parse, count every
// name's characters, then read each with the surname and rank them.
void BM_ReadDictionaryAndRank(benchmark::State& state) {
  for (auto _ : state) {
    std::optional<DictionaryLoad> load = Load();
    if (!load) {
      state.SkipWithError("no dictionary: apt install enamdict");
      return;
    }
    CandidateList list{load->names};
    list.setSurname(CountNameStrokes(SplitName("佐藤")));
    benchmark::DoNotOptimize(list.size());
    state.counters.insert_or_assign("names", static_cast<double>(load->names.size()));
  }
}

// One change of each filter in turn, over the whole list, as typing them would make.
void BM_FilterChange(benchmark::State& state) {
  const std::optional<DictionaryLoad> load = Load();
  if (!load) {
    state.SkipWithError("no dictionary: apt install enamdict");
    return;
  }
  CandidateList list{load->names};
  list.setSurname(CountNameStrokes(SplitName("佐藤")));
  const std::array<CandidateFilter, 7> filters = {{
      {SexChoice::Girl, 0, "", "", true},
      {SexChoice::Girl, 2, "", "", true},
      {SexChoice::Girl, 2, "ひ", "", true},
      {SexChoice::Girl, 2, "ひ", "陽", true},
      {SexChoice::Girl, 2, "ひ", "陽", true, ReadingFit::AsRead},
      {SexChoice::Boy, 0, "", "", false},
      {SexChoice::Either, 0, "", "", true},
  }};
  std::size_t next = 0;
  for (auto _ : state) {
    list.setFilter(filters.at(next++ % filters.size()));
    benchmark::DoNotOptimize(list.size());
  }
}

// A change of counting school: every name counted again, then read with the surname and ranked.
void BM_CountingSchoolChange(benchmark::State& state) {
  std::optional<DictionaryLoad> load = Load();
  if (!load) {
    state.SkipWithError("no dictionary: apt install enamdict");
    return;
  }
  CandidateList list{load->names};
  std::size_t next = 0;
  for (auto _ : state) {
    const CountingRule rule{kCountingSchools.at(++next % kCountingSchools.size()), false};
    load->names.recount(rule);
    list.setSurname(CountNameStrokes(SplitName("佐藤"), rule));
    benchmark::DoNotOptimize(list.size());
  }
}

// A shortlist of twenty names read again for each surname in turn, as typing a new one does.
void BM_ReappraiseShortlist(benchmark::State& state) {
  constexpr std::array<std::string_view, 20> kGiven = {
      "陽葵", "凛",   "蓮",   "陽翔", "結菜", "湊", "芽依", "蒼",   "紬",   "律",
      "澪",   "大翔", "咲良", "悠真", "美桜", "樹", "結愛", "朝陽", "莉子", "颯"};
  constexpr std::array<std::string_view, 4> kSurnames = {"佐藤", "髙橋", "佐々木", "長谷川"};
  Shortlist list;
  for (const std::string_view given : kGiven) {
    list.add(given);
  }
  std::size_t next = 0;
  for (auto _ : state) {
    const std::string_view surname = kSurnames.at(next++ % kSurnames.size());
    list.setSurname(surname, CountNameStrokes(SplitName(surname)));
    benchmark::DoNotOptimize(list[0].read.grids);
  }
}

BENCHMARK(BM_ReadDictionaryAndRank)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountingSchoolChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReappraiseShortlist)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quendrel
