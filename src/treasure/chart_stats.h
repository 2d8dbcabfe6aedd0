// What a treasure chart yields over many hoards: how often each metal turns
// up and how much of it, how many gems and magic items, and the spread of the
// hoard's total value. Hoard i of a run is drawn after srand(hoardSeed(seed,
// i)), so a run covers exactly the hoards that "encounter CHART --count N
// --seed S" shows.
#ifndef GLIMMERKIST_TREASURE_CHART_STATS_H_
#define GLIMMERKIST_TREASURE_CHART_STATS_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "treasure/coin_rates.h"
#include "treasure/treasure_chart.h"

namespace glimmerkist {

struct ChartStats {
  std::int32_t chart = 0;
  std::int64_t runs = 0;
  std::uint32_t seed = 0;
  /// Share of the hoards that hold any coin of the metal, 0 to 1.
  std::array<double, kMetalCount> seenShare{};
  /// Mean count of the metal over all hoards, those without it included.
  std::array<double, kMetalCount> meanCount{};
  double meanGems = 0.0;
  double meanMagicItems = 0.0;
  /// The hoards' total value: mean in gold pieces, percentiles in units.
  double meanTotalGp = 0.0;
  std::int64_t p10 = 0;
  std::int64_t p50 = 0;
  std::int64_t p90 = 0;
};

/// The value at `percent` (1 to 100) of `values` by nearest rank: the value
/// of rank ceil(percent / 100 * n) in ascending order. Reorders `values`.
/// REQUIRES: `values` is not empty.
std::int64_t nearestRankPercentile(std::vector<std::int64_t>& values, int percent);

/// Draws `runs` hoards of `chart`, hoard i after srand(hoardSeed(seed, i)),
/// and sums them up at `rates`. No catalog is needed: the number of magic
/// items a chart draws does not depend on what the catalog holds, and an
/// empty one lets no item draw move the sequence. REQUIRES: runs >= 1.
ChartStats gatherChartStats(std::int32_t chart, std::int64_t runs, std::uint32_t seed,
                            const CoinRates& rates);

/// The headings of the figures' columns, "Chart", "cp seen", "cp mean", ...
/// "P90 gp", and the cells of one chart under them, as every format shows
/// them.
std::vector<std::string> chartStatsHeadings();
std::vector<std::string> chartStatsCells(const ChartStats& stats);

/// The figures as an aligned text table, one line for each chart and a
/// heading of two lines, every line ending in a line end.
std::string chartStatsTable(const std::vector<ChartStats>& stats);

/// The same figures as one Markdown table.
std::string chartStatsMarkdown(const std::vector<ChartStats>& stats);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_CHART_STATS_H_
