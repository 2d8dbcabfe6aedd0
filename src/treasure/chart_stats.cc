#include "treasure/chart_stats.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

#include "treasure/hoard.h"

namespace glimmerkist {
namespace {

std::string printed(const char* pattern, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

std::string padLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string percent(double share) { return printed("%.1f%%", share * 100.0); }

}  // namespace

std::int64_t nearestRankPercentile(std::vector<std::int64_t>& values, int percent) {
  const std::int64_t n = static_cast<std::int64_t>(values.size());
  const std::int64_t rank = std::max<std::int64_t>((percent * n + 99) / 100, 1);
  const auto at = values.begin() + (rank - 1);
  std::nth_element(values.begin(), at, values.end());
  return *at;
}

ChartStats gatherChartStats(std::int32_t chart, std::int64_t runs, std::uint32_t seed,
                            const CoinRates& rates) {
  const ItemCatalog noItems{};
  Hoard hoard;
  std::array<std::int64_t, kMetalCount> seen{};
  std::array<std::int64_t, kMetalCount> coinSum{};
  std::int64_t gems = 0;
  std::int64_t magicItems = 0;
  // Each total is exact; their sum only feeds the mean, so a double will do.
  double totalSum = 0.0;
  std::vector<std::int64_t> totals;
  totals.reserve(static_cast<std::size_t>(runs));

  for (std::int64_t i = 0; i < runs; ++i) {
    drawHoard(noItems, chart, hoardSeed(seed, i), hoard);
    for (int metal = 0; metal < kMetalCount; ++metal) {
      if (hoard.coins[metal] > 0) ++seen[metal];
      coinSum[metal] += hoard.coins[metal];
    }
    gems += hoard.gems.count();
    magicItems += hoard.magicItems.count();
    const std::int64_t total = totalValue(hoard, rates);
    totals.push_back(total);
    totalSum += static_cast<double>(total);
  }

  ChartStats stats;
  stats.chart = chart;
  stats.runs = runs;
  stats.seed = seed;
  const double n = static_cast<double>(runs);
  for (int metal = 0; metal < kMetalCount; ++metal) {
    stats.seenShare[metal] = static_cast<double>(seen[metal]) / n;
    stats.meanCount[metal] = static_cast<double>(coinSum[metal]) / n;
  }
  stats.meanGems = static_cast<double>(gems) / n;
  stats.meanMagicItems = static_cast<double>(magicItems) / n;
  stats.meanTotalGp = totalSum / n / static_cast<double>(kUnitsPerGp);
  stats.p10 = nearestRankPercentile(totals, 10);
  stats.p50 = nearestRankPercentile(totals, 50);
  stats.p90 = nearestRankPercentile(totals, 90);
  return stats;
}

std::vector<std::string> chartStatsHeadings() {
  std::vector<std::string> headings = {"Chart"};
  for (int metal = 0; metal < kMetalCount; ++metal) {
    headings.push_back(std::string(kMetalCodes[metal]) + " seen");
    headings.push_back(std::string(kMetalCodes[metal]) + " mean");
  }
  for (const char* heading : {"Gems", "Items", "Mean gp", "P10 gp", "P50 gp", "P90 gp"}) {
    headings.emplace_back(heading);
  }
  return headings;
}

std::vector<std::string> chartStatsCells(const ChartStats& stats) {
  std::vector<std::string> cells = {std::string(1, kTreasureCharts[stats.chart].letter)};
  for (int metal = 0; metal < kMetalCount; ++metal) {
    cells.push_back(percent(stats.seenShare[metal]));
    cells.push_back(printed("%.1f", stats.meanCount[metal]));
  }
  cells.push_back(printed("%.2f", stats.meanGems));
  cells.push_back(printed("%.2f", stats.meanMagicItems));
  cells.push_back(printed("%.2f", stats.meanTotalGp));
  cells.push_back(formatGold(stats.p10));
  cells.push_back(formatGold(stats.p50));
  cells.push_back(formatGold(stats.p90));
  return cells;
}

std::string chartStatsTable(const std::vector<ChartStats>& stats) {
  // The widths of the columns after the chart's letter.
  constexpr std::size_t kWidths[] = {7, 9, 7, 9, 7, 9, 7, 9, 7, 9, 9, 9, 12, 10, 10, 10};
  std::ostringstream out;
  out << "        Copper           Silver           Electrum         Gold             Platinum"
         "             Gems    Items   Total value in gp\n"
      << " Chart";
  for (int metal = 0; metal < kMetalCount; ++metal) out << "   seen     mean";
  out << "     mean     mean        mean       p10       p50       p90\n";
  for (const ChartStats& chart : stats) {
    const std::vector<std::string> cells = chartStatsCells(chart);
    out << " " << cells[0] << "    ";
    for (std::size_t i = 1; i < cells.size(); ++i) out << padLeft(cells[i], kWidths[i - 1]);
    out << "\n";
  }
  return out.str();
}

std::string chartStatsMarkdown(const std::vector<ChartStats>& stats) {
  std::ostringstream out;
  const std::vector<std::string> headings = chartStatsHeadings();
  out << "|";
  for (const std::string& heading : headings) out << " " << heading << " |";
  out << "\n| --- |";
  for (std::size_t column = 1; column < headings.size(); ++column) out << " ---: |";
  out << "\n";
  for (const ChartStats& chart : stats) {
    out << "|";
    for (const std::string& cell : chartStatsCells(chart)) out << " " << cell << " |";
    out << "\n";
  }
  return out.str();
}

}  // namespace glimmerkist
