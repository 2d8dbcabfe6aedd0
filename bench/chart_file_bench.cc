// Loading a chart file of 1,000 charts, the most a file may hold: the 26
// built-in charts written out again and again under names of their own, each
// with all seven lines. It should take well under 10 ms.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "treasure/chart_file.h"

namespace glimmerkist::bench {
namespace {

std::string thousandCharts() {
  std::vector<TreasureChart> charts;
  const std::vector<TreasureChart> builtIn = builtInCharts();
  for (int i = 0; i < kMaxChartsInFile; ++i) {
    charts.push_back(builtIn[i % builtIn.size()]);
    charts.back().name = "chart-" + std::to_string(i);
  }
  return chartFileText(charts);
}

void BM_LoadThousandCharts(benchmark::State& state) {
  const std::string path = "bench-charts.txt";
  const std::string text = thousandCharts();
  std::ofstream(path, std::ios::binary) << text;
  for (auto _ : state) {
    const ChartFileResult result = loadChartFile(path);
    if (!result.ok() || result.charts.size() != kMaxChartsInFile) {
      state.SkipWithError("the chart file did not load whole");
      break;
    }
    benchmark::DoNotOptimize(result.charts.data());
  }
  state.SetItemsProcessed(state.iterations() * kMaxChartsInFile);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  std::remove(path.c_str());
}
BENCHMARK(BM_LoadThousandCharts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmerkist::bench
