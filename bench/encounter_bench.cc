// One encounter's treasure by each of the 26 charts, on the shipped catalog:
// the hoard is reset and filled, as runEncounter does before it saves and
// shows the treasure. A second set adds writing EncounterTreasureResult.txt.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/random.h"
#include "bench_catalog.h"
#include "treasure/encounter_result.h"
#include "treasure/gem_names.h"
#include "treasure/treasure_chart.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist::bench {
namespace {

void BM_Encounter(benchmark::State& state) {
  const auto chart = static_cast<std::int32_t>(state.range(0));
  QuietTerminal terminal;
  TreasureGenerator generator(terminal, GLIMMERKIST_SHIPPED_CATALOG);
  glimmerkist::srand(20261208);
  std::int64_t gems = 0;
  std::int64_t items = 0;
  for (auto _ : state) {
    generator.resetHoard();
    generator.generateTreasureByChart(chart);
    gems += generator.gems().count();
    items += generator.magicItems().count();
  }
  state.SetLabel(std::string("chart ") + kTreasureCharts[chart].name);
  state.counters["gems"] =
      benchmark::Counter(static_cast<double>(gems), benchmark::Counter::kAvgIterations);
  state.counters["items"] =
      benchmark::Counter(static_cast<double>(items), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Encounter)->DenseRange(0, kChartCount - 1)->Unit(benchmark::kMicrosecond);

void BM_EncounterSaved(benchmark::State& state) {
  const auto chart = static_cast<std::int32_t>(state.range(0));
  QuietTerminal terminal;
  TreasureGenerator generator(terminal, GLIMMERKIST_SHIPPED_CATALOG);
  GemNames gemNames;
  for (int kind = 0; kind < kGemKindCount; ++kind) gemNames[kind] = kGemNames[kind];
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  glimmerkist::srand(20261208);
  for (auto _ : state) {
    generator.resetHoard();
    generator.generateTreasureByChart(chart);
    if (!writeEncounterResult(generator, gemNames)) {
      state.SkipWithError("the result file could not be written");
      break;
    }
  }
  std::filesystem::remove(kEncounterResultFileName);
  std::filesystem::current_path(previous);
  state.SetLabel(std::string("chart ") + kTreasureCharts[chart].name);
}
BENCHMARK(BM_EncounterSaved)->DenseRange(0, kChartCount - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glimmerkist::bench
