#include "treasure/chart_stats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "support/reference_random.h"
#include "treasure/hoard.h"

namespace glimmerkist {
namespace {

TEST(ChartStatsTest, PercentilesAreTakenByNearestRank) {
  struct Case {
    std::vector<std::int64_t> values;
    int percent;
    std::int64_t expected;
  };
  const Case cases[] = {
      {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 10, 1},
      {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 50, 5},
      {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 90, 9},
      {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 100, 10},
      {{3, 1, 2}, 10, 1},  // rank ceil(0.3) = 1
      {{3, 1, 2}, 50, 2},  // rank ceil(1.5) = 2
      {{3, 1, 2}, 90, 3},  // rank ceil(2.7) = 3
      {{42}, 10, 42},
      {{42}, 90, 42},
      {{0, 0, 0, 0, 0, 0, 0, 0, 0, 500}, 90, 0},
  };
  for (Case c : cases) EXPECT_EQ(nearestRankPercentile(c.values, c.percent), c.expected);
}

// The charts whose hoard is one range roll of one metal: the figures follow
// from the reference sequence alone.
struct OneMetalChart {
  std::int32_t chart;
  Metal metal;
  int low;
  int high;
  std::int64_t unitsPerCoin;
};

TEST(ChartStatsTest, OneMetalChartsMatchTheirReferenceDraws) {
  const OneMetalChart charts[] = {
      {9, kCopper, 3, 24, 100},       // J
      {10, kSilver, 3, 18, 1000},     // K
      {11, kElectrum, 2, 12, 5000},   // L
      {12, kGold, 2, 8, 10000},       // M
      {13, kPlatinum, 1, 6, 50000},   // N
      {24, kGold, 200, 1200, 10000},  // Y
  };
  const std::int64_t runs = 1001;
  const std::uint32_t seed = 4294966000u;
  for (const OneMetalChart& c : charts) {
    std::vector<std::int64_t> totals;
    double coinSum = 0;
    for (std::int64_t i = 0; i < runs; ++i) {
      const int draw = referenceDraws(hoardSeed(seed, i), 1)[0];
      const int coins = c.low + draw % (c.high - c.low + 1);
      coinSum += coins;
      totals.push_back(coins * c.unitsPerCoin);
    }
    std::sort(totals.begin(), totals.end());

    const ChartStats stats = gatherChartStats(c.chart, runs, seed, CoinRates());
    SCOPED_TRACE(kTreasureCharts[c.chart].letter);
    for (int metal = 0; metal < kMetalCount; ++metal) {
      EXPECT_EQ(stats.seenShare[metal], metal == c.metal ? 1.0 : 0.0);
    }
    EXPECT_DOUBLE_EQ(stats.meanCount[c.metal], coinSum / runs);
    EXPECT_DOUBLE_EQ(stats.meanTotalGp, coinSum * c.unitsPerCoin / runs / 10000.0);
    EXPECT_EQ(stats.meanGems, 0.0);
    EXPECT_EQ(stats.meanMagicItems, 0.0);
    // Ranks 101, 501 and 901 of 1001.
    EXPECT_EQ(stats.p10, totals[100]);
    EXPECT_EQ(stats.p50, totals[500]);
    EXPECT_EQ(stats.p90, totals[900]);
  }
}

TEST(ChartStatsTest, FixedItemCountsAndGemOnlyCharts) {
  EXPECT_EQ(gatherChartStats(20, 500, 3, CoinRates()).meanMagicItems, 1.0);  // U
  EXPECT_EQ(gatherChartStats(21, 500, 3, CoinRates()).meanMagicItems, 2.0);  // V
  EXPECT_EQ(gatherChartStats(23, 500, 3, CoinRates()).meanMagicItems, 2.0);  // X

  const ChartStats q = gatherChartStats(16, 2000, 3, CoinRates());  // 1 to 4 gems
  EXPECT_GE(q.meanGems, 1.0);
  EXPECT_LE(q.meanGems, 4.0);
  EXPECT_EQ(q.seenShare, (std::array<double, kMetalCount>{}));
  EXPECT_GT(q.p50, 0);

  const ChartStats s = gatherChartStats(18, 2000, 3, CoinRates());  // 1 to 8 potions
  EXPECT_GE(s.meanMagicItems, 1.0);
  EXPECT_LE(s.meanMagicItems, 8.0);
  EXPECT_EQ(s.p90, 0);
}

TEST(ChartStatsTest, RatesChangeTheTotals) {
  CoinRates rates;
  ASSERT_TRUE(parseRates("pp=10", rates).ok());
  const ChartStats usual = gatherChartStats(13, 100, 8, CoinRates());  // N
  const ChartStats dear = gatherChartStats(13, 100, 8, rates);
  EXPECT_DOUBLE_EQ(dear.meanTotalGp, 2 * usual.meanTotalGp);
  EXPECT_EQ(dear.p90, 2 * usual.p90);
}

}  // namespace
}  // namespace glimmerkist
