// SPDX-License-Identifier: MIT
// One reading explained by its name's characters, as a selected row, a card or a typed reading
// asks: the likeliest readings and the slowest, a reading that nothing explains.
#include <array>
#include <string_view>
#include <utility>

#include <benchmark/benchmark.h>

#include "core/reading_check.h"

namespace quendrel {
namespace {

void BM_ExplainReading(benchmark::State& state) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kNames = {{
      {"陽葵", "ひまり"},
      {"心愛", "ここあ"},
      {"一輝", "いっき"},
      {"千鶴", "ちづる"},
      {"美空", "そら"},
      {"太郎", "じょうじ"},
      {"健", "けんいちろう"},
      {"愛桜子", "あいさくらこ"},
  }};
  std::size_t next = 0;
  for (auto _ : state) {
    const auto& [written, reading] = kNames.at(next++ % kNames.size());
    benchmark::DoNotOptimize(ExplainReading(written, reading));
  }
}

BENCHMARK(BM_ExplainReading)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quendrel
