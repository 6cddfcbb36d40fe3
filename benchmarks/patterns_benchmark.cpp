// SPDX-License-Identifier: MIT
// The page of stroke-count patterns: every pattern of one to three counts read with a surname and
// ranked, as typing a new surname does, and made again for another counting school.
#include <array>
#include <string_view>

#include <benchmark/benchmark.h>

#include "core/dictionary_load.h"
#include "core/name_reading.h"
#include "core/stroke_patterns.h"

namespace quendrel {
namespace {

void BM_RankStrokePatterns(benchmark::State& state) {
  StrokePatterns patterns;
  // The installed dictionary's names break ties as they do in the window; without it the
  // ranking costs the same.
  if (const DictionaryLoad load = LoadNameDictionary(NameDictionaryPath());
      load.names.size() != 0) {
    patterns.countNames(load.names);
  }
  constexpr std::array<std::string_view, 4> kSurnames = {"佐藤", "林", "長谷川", "鬱鷹"};
  std::size_t next = 0;
  for (auto _ : state) {
    patterns.setSurname(CountNameStrokes(SplitName(kSurnames.at(next++ % kSurnames.size()))));
    benchmark::DoNotOptimize(patterns[0].grids);
  }
  state.counters.insert_or_assign("patterns", static_cast<double>(patterns.size()));
}

// A change of counting school: the patterns made again for what the characters count under it,
// the dictionary's names (already counted again by the list) counted into them, then ranked.
void BM_CountingSchoolPatterns(benchmark::State& state) {
  DictionaryLoad load = LoadNameDictionary(NameDictionaryPath());
  const NameCounts surname = CountNameStrokes(SplitName("佐藤"));
  std::size_t next = 0;
  for (auto _ : state) {
    const CountingRule rule{kCountingSchools.at(++next % kCountingSchools.size()), false};
    state.PauseTiming();
    load.names.recount(rule);
    state.ResumeTiming();
    StrokePatterns patterns{rule};
    patterns.countNames(load.names);
    patterns.setSurname(surname);
    benchmark::DoNotOptimize(patterns[0].grids);
  }
}

BENCHMARK(BM_RankStrokePatterns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountingSchoolPatterns)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quendrel
