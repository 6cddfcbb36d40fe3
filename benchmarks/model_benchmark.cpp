// SPDX-License-Identifier: MIT
// The two commands on the toolkit-free model, as the window's buttons run them.
#include <benchmark/benchmark.h>

#include "benchmarks/names.h"
#include "ui/appraisal.h"
#include "ui/main_window_model.h"
#include "ui/stroke_calculation.h"

namespace quendrel {
namespace {

void BM_Command1_Click(benchmark::State& state) {
  const Name& name = kNames.at(static_cast<std::size_t>(state.range(0)));
  MainWindowModel window;
  window.setText(ElementId::Text1, name.surname);
  window.setText(ElementId::Text2, name.given);
  for (auto _ : state) {
    Command1_Click(window);
    benchmark::DoNotOptimize(window.text(ElementId::Label8));
  }
  state.SetLabel(name.label);
}

void BM_Command2_Click(benchmark::State& state) {
  const Name& name = kNames.at(static_cast<std::size_t>(state.range(0)));
  MainWindowModel window;
  window.setText(ElementId::Text1, name.surname);
  window.setText(ElementId::Text2, name.given);
  Command1_Click(window);
  for (auto _ : state) {
    Command2_Click(window);
    benchmark::DoNotOptimize(window.text(ElementId::Label21));
  }
  state.SetLabel(name.label);
}

BENCHMARK(BM_Command1_Click)->DenseRange(0, kNames.size() - 1);
BENCHMARK(BM_Command2_Click)->DenseRange(0, kNames.size() - 1);

}  // namespace
}  // namespace quendrel
