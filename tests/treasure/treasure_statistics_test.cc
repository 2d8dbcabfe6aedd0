// How often gems, coins and magic items come up, over many hoards from fixed
// seeds. Each share is checked to within five standard deviations
// (support/draw_statistics.h). At 100,000 tries a threshold moved by one in
// 100 moves its count by 1,000, more than the largest allowance (791, for a
// share of one half), so an off-by-one in any roll fails.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "support/draw_statistics.h"
#include "support/fake_terminal.h"
#include "support/temp_dir.h"
#include "treasure/gem.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist {
namespace {

constexpr long long kTries = 100000;

// A percentile roll: draw % 100 + 1.
int percentile(int draw) { return draw % 100 + 1; }

TEST(GemStatisticsTest, BandsComeUpAsTheirShareOfTheHundred) {
  // A gem's kind is drawn within its band's range and never changes, so it
  // tells the band that the d100 chose, whatever the variation did later.
  const struct {
    int firstKind;
    int lowestRoll;
    int highestRoll;
    double percent;
  } bands[] = {
      {0, 1, 25, 25},   {11, 26, 50, 25}, {24, 51, 70, 20},
      {32, 71, 90, 20}, {37, 91, 99, 9},  {43, 100, 100, 1},
  };
  std::array<long long, 6> counts{};
  srand(20250101);
  Gem gem;
  for (long long i = 0; i < kTries; ++i) {
    gem.reset();
    gem.generate();
    int band = 5;
    while (gem.kind() < bands[band].firstKind) --band;
    ++counts[band];
  }
  for (int band = 0; band < 6; ++band) {
    const double p = shareOfDraws([&](int draw) {
      return percentile(draw) >= bands[band].lowestRoll &&
             percentile(draw) <= bands[band].highestRoll;
    });
    EXPECT_NEAR(p, bands[band].percent / 100, 0.001);
    expectShare("band " + std::to_string(band), counts[band], kTries, p);
  }
}

TEST(GemStatisticsTest, VariationRollsComeUpAsTheDiceSay) {
  // One die: draw % 6 + 1. 2 to 5 end the roll at once; a 6 or a 1 goes on
  // while the next die repeats it.
  auto face = [](int f) { return shareOfDraws([f](int draw) { return draw % 6 + 1 == f; }); };
  const double six = face(6);
  const double one = face(1);
  const struct {
    const char* what;
    int low;
    int high;
    double p;
    double nominal;
  } rolls[] = {
      {"2", 2, 2, face(2), 1.0 / 6},
      {"3", 3, 3, face(3), 1.0 / 6},
      {"4", 4, 4, face(4), 1.0 / 6},
      {"5", 5, 5, face(5), 1.0 / 6},
      {"6", 6, 6, six * (1 - six), 5.0 / 36},
      {"1", 1, 1, one * (1 - one), 5.0 / 36},
      {"7", 7, 7, six * six * (1 - six), 5.0 / 216},
      {"8 or more", 8, 1 << 30, six * six * six, 1.0 / 216},
      {"0", 0, 0, one * one * (1 - one), 5.0 / 216},
      {"-1 or less", -(1 << 30), -1, one * one * one, 1.0 / 216},
  };
  std::array<long long, std::size(rolls)> counts{};
  srand(7);
  Gem gem;
  for (long long i = 0; i < kTries; ++i) {
    gem.rollVariation();
    for (std::size_t k = 0; k < std::size(rolls); ++k) {
      counts[k] += gem.variationRoll() >= rolls[k].low && gem.variationRoll() <= rolls[k].high;
    }
  }
  for (std::size_t k = 0; k < std::size(rolls); ++k) {
    EXPECT_NEAR(rolls[k].p, rolls[k].nominal, 0.001) << rolls[k].what;
    expectShare(std::string("variation ") + rolls[k].what, counts[k], kTries, rolls[k].p);
  }
}

class ChartStatisticsTest : public ::testing::Test {
 protected:
  // One item in every category, so that each draw shows its category.
  ChartStatisticsTest() {
    for (int category = 0; category < kCategoryCount; ++category) {
      Item item;
      item.setCategory(category);
      item.setName("Item_" + std::to_string(category));
      generator_.addItem(item);
    }
  }

  // Fills the hoard by chart `letter` `kTries` times from one seed, and
  // calls `look` after each.
  template <typename Look>
  void eachHoard(char letter, Look look) {
    srand(static_cast<std::uint32_t>(letter) * 7919u);
    const int chart = letter - 'A';
    for (long long i = 0; i < kTries; ++i) {
      generator_.resetHoard();
      generator_.generateTreasureByChart(chart);
      look();
    }
  }

  TempDir dir_;
  FakeTerminal terminal_;
  TreasureGenerator generator_{terminal_, "no-catalog-here.txt"};
};

// The chances of the charts as their rows read: a coin cell "up to T"
// passes on a percentile roll of T or less, "never" never yields; the gem
// cell likewise; the magic items pass on a roll of T or more. 0: the cell
// has no roll of its own.
constexpr int kNever = -1;
struct ChartChances {
  char letter;
  std::array<int, 5> coins;
  int gems;
  int items;
};
constexpr ChartChances kChances[] = {
    {'A', {25, 30, 35, 40, 35}, 60, 30},
    {'B', {50, 25, 25, 25, 25}, 30, 10},
    {'C', {20, 30, 10, kNever, 25}, 25, 10},
    {'D', {10, 15, 15, 50, 15}, 30, 15},
    {'E', {5, 25, 25, 25, 25}, 15, 25},
    {'F', {kNever, 10, 15, 40, 15}, 20, 30},
    {'G', {kNever, kNever, 50, 50, 50}, 30, 35},
    {'H', {25, 40, 40, 55, 40}, 50, 15},
    {'I', {kNever, kNever, 30, kNever, 30}, 55, 15},
    {'U', {0, 0, 0, 0, 0}, 90, 0},
    {'W', {0, 0, 0, 0, 0}, 60, 60},
    {'Z', {0, 0, 0, 0, 0}, 55, 50},
};

TEST_F(ChartStatisticsTest, EveryRollPassesAsOftenAsItsThresholdSays) {
  const char* const metals[5] = {"copper", "silver", "electrum", "gold", "platinum"};
  for (const ChartChances& chart : kChances) {
    SCOPED_TRACE(std::string("chart ") + chart.letter);
    // Every range of these cells starts above 0, so a pass always shows.
    std::array<long long, 5> coins{};
    long long gems = 0;
    long long items = 0;
    eachHoard(chart.letter, [&] {
      for (int metal = 0; metal < 5; ++metal) {
        coins[metal] += generator_.coins(static_cast<Metal>(metal)) > 0;
      }
      gems += generator_.gems().count() > 0;
      items += generator_.magicItems().count() > 0;
    });
    for (int metal = 0; metal < 5; ++metal) {
      const int t = chart.coins[metal];
      if (t == kNever) {
        EXPECT_EQ(coins[metal], 0) << metals[metal];
      }
      if (t <= 0) continue;
      expectShare(metals[metal], coins[metal], kTries,
                  shareOfDraws([t](int draw) { return percentile(draw) <= t; }));
    }
    const int t = chart.gems;
    expectShare("gems", gems, kTries,
                shareOfDraws([t](int draw) { return percentile(draw) <= t; }));
    if (chart.items > 0) {
      const int at = chart.items;
      const double p = shareOfDraws([at](int draw) { return percentile(draw) >= at; });
      // Chart A thus yields magic items 71 times in 100, chart W 41 times.
      EXPECT_NEAR(p, (101 - at) / 100.0, 0.001);
      expectShare("magic items", items, kTries, p);
    }
  }
}

TEST_F(ChartStatisticsTest, ChartHCopperStaysWithinTheGeneratorsRange) {
  // 3000 + rand() % 177001 is 3000 plus the draw itself: 3000 to 35767,
  // evenly.
  long long passed = 0;
  double sum = 0;
  int lowest = 1 << 30;
  int highest = 0;
  eachHoard('H', [&] {
    const int copper = generator_.getCopperPieces();
    if (copper == 0) return;
    ++passed;
    sum += copper;
    lowest = std::min(lowest, copper);
    highest = std::max(highest, copper);
  });
  EXPECT_GE(lowest, 3000);
  EXPECT_LE(highest, 35767);
  const double mean = 3000 + kRandMax / 2.0;
  const double spread =
      std::sqrt(((kRandMax + 1.0) * (kRandMax + 1.0) - 1) / 12) / std::sqrt(passed);
  const double observedMean = sum / static_cast<double>(passed);
  EXPECT_LE(std::fabs(observedMean - mean), kSigmas * spread) << observedMean;
}

TEST_F(ChartStatisticsTest, ChartFDrawsEveryCategoryButWeapons) {
  // rand() % 18, drawn again while it is 17: each other category in
  // proportion to its share of the draws.
  std::array<long long, kCategoryCount> counts{};
  long long drawn = 0;
  eachHoard('F', [&] {
    for (const Item& item : generator_.magicItems()) {
      ++counts[item.getCategory()];
      ++drawn;
    }
  });
  EXPECT_EQ(counts[tccWeapons], 0);
  const double notWeapons = shareOfDraws([](int draw) { return draw % 18 != tccWeapons; });
  for (int category = 0; category < tccWeapons; ++category) {
    const double p = shareOfDraws([category](int draw) { return draw % 18 == category; });
    expectShare("category " + std::to_string(category), counts[category], drawn, p / notWeapons);
  }
}

TEST_F(ChartStatisticsTest, ChartsSAndTDrawEachItemCountEquallyOften) {
  const struct {
    char letter;
    int category;
    int most;
  } charts[] = {{'S', tccPotionsAndOils, 8}, {'T', tccScrolls, 4}};
  for (const auto& chart : charts) {
    SCOPED_TRACE(std::string("chart ") + chart.letter);
    std::array<long long, 10> counts{};
    eachHoard(chart.letter, [&] {
      const int n = generator_.magicItems().count();
      ASSERT_GE(n, 1);
      ASSERT_LE(n, chart.most);
      ++counts[n];
      for (const Item& item : generator_.magicItems())
        ASSERT_EQ(item.getCategory(), chart.category);
    });
    for (int n = 1; n <= chart.most; ++n) {
      expectShare(std::to_string(n) + " items", counts[n], kTries, 1.0 / chart.most);
    }
  }
}

}  // namespace
}  // namespace glimmerkist
