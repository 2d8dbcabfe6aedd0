#include "treasure/chart_stats.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

#include "treasure/hoard_sheet.h"

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

ChartStats gatherChartStats(TreasureGenerator& generator, std::int32_t chart, std::int64_t runs,
                            std::uint32_t seed, const CoinRates& rates,
                            const StatsProgress& progress) {
  std::array<std::int64_t, kMetalCount> seen{};
  std::array<std::int64_t, kMetalCount> coinSum{};
  std::int64_t gems = 0;
  std::int64_t magicItems = 0;
  // Each total is exact; their sum only feeds the mean, so a double will do.
  double totalSum = 0.0;
  std::vector<std::int64_t> totals;
  totals.reserve(static_cast<std::size_t>(runs));

  for (std::int64_t i = 0; i < runs; ++i) {
    drawHoard(generator, chart, hoardSeed(seed, i));
    const Coins coins = hoardCoins(generator);
    for (int metal = 0; metal < kMetalCount; ++metal) {
      if (coins[metal] > 0) ++seen[metal];
      coinSum[metal] += coins[metal];
    }
    gems += generator.gems().count();
    magicItems += generator.magicItems().count();
    const std::int64_t total = treasureValue(coins, gemsWorth(generator.gems()), rates);
    totals.push_back(total);
    totalSum += static_cast<double>(total);
    if (progress && (i + 1) % kProgressStep == 0) progress(i + 1);
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

std::string chartStatsTable(const std::vector<ChartStats>& stats) {
  std::ostringstream out;
  out << "        Copper           Silver           Electrum         Gold             Platinum"
         "             Gems    Items   Total value in gp\n"
      << " Chart";
  for (int metal = 0; metal < kMetalCount; ++metal) out << "   seen     mean";
  out << "     mean     mean        mean       p10       p50       p90\n";
  for (const ChartStats& chart : stats) {
    out << " " << kTreasureCharts[chart.chart].letter << "    ";
    for (int metal = 0; metal < kMetalCount; ++metal) {
      out << padLeft(percent(chart.seenShare[metal]), 7)
          << padLeft(printed("%.1f", chart.meanCount[metal]), 9);
    }
    out << padLeft(printed("%.2f", chart.meanGems), 9)
        << padLeft(printed("%.2f", chart.meanMagicItems), 9)
        << padLeft(printed("%.2f", chart.meanTotalGp), 12) << padLeft(formatGold(chart.p10), 10)
        << padLeft(formatGold(chart.p50), 10) << padLeft(formatGold(chart.p90), 10) << "\n";
  }
  return out.str();
}

std::string chartStatsMarkdown(const std::vector<ChartStats>& stats) {
  std::ostringstream out;
  out << "| Chart |";
  for (int metal = 0; metal < kMetalCount; ++metal) {
    out << " " << kMetalCodes[metal] << " seen | " << kMetalCodes[metal] << " mean |";
  }
  out << " Gems | Items | Mean gp | P10 gp | P50 gp | P90 gp |\n| --- |";
  for (int column = 0; column < 2 * kMetalCount + 6; ++column) out << " ---: |";
  out << "\n";
  for (const ChartStats& chart : stats) {
    out << "| " << kTreasureCharts[chart.chart].letter << " |";
    for (int metal = 0; metal < kMetalCount; ++metal) {
      out << " " << percent(chart.seenShare[metal]) << " | "
          << printed("%.1f", chart.meanCount[metal]) << " |";
    }
    out << " " << printed("%.2f", chart.meanGems) << " | " << printed("%.2f", chart.meanMagicItems)
        << " | " << printed("%.2f", chart.meanTotalGp) << " | " << formatGold(chart.p10) << " | "
        << formatGold(chart.p50) << " | " << formatGold(chart.p90) << " |\n";
  }
  return out.str();
}

}  // namespace glimmerkist
