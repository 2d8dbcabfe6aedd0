#include "treasure/treasure_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "support/fake_terminal.h"
#include "support/reference_random.h"
#include "support/temp_dir.h"
#include "treasure/draw_cursor.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist {

// Shows an item in a failed comparison.
static void PrintTo(const Item& item, std::ostream* out) {
  *out << item.getCategory() << ":" << item.getName();
}

namespace {

// The test catalog: category c holds (c + 1) % 4 items, so rods, gems and
// jewelry, bags and bottles and the weird stuff are empty.
int itemsInCategory(int category) { return (category + 1) % 4; }

Item catalogItem(int category, int index) {
  Item item;
  item.setCategory(category);
  item.setName("Item_" + std::to_string(category) + "_" + std::to_string(index));
  return item;
}

// The hoard a chart gives for a seed, worked out from the reference draws
// and the chart's row, one cell after another.
class ChartWalker {
 public:
  ChartWalker(std::uint32_t seed, bool withCatalog) : cursor_(seed), withCatalog_(withCatalog) {}

  // Coin cells.
  void upTo(int chance, int low, int high) {
    const int roll = cursor_.percentile();
    coinRolls.push_back(roll);
    coins.push_back(roll <= chance ? std::max(cursor_.range(low, high), 0) : 0);
    passed += roll <= chance;
  }
  void never() {
    coinRolls.push_back(cursor_.percentile());
    coins.push_back(0);
  }
  void range(int low, int high) { coins.push_back(std::max(cursor_.range(low, high), 0)); }
  void zero() { coins.push_back(0); }

  // Gem cells; the hoard starts empty, so "emptied" leaves no gems.
  void gemsUpTo(int chance, int low, int high) {
    gemRoll = cursor_.percentile();
    if (gemRoll <= chance) {
      ++passed;
      gems(low, high);
    }
  }
  void gems(int low, int high) {
    const int n = cursor_.range(low, high);
    for (int i = 0; i < n; ++i) gemKinds.push_back(readGem(cursor_).kind);
  }

  // Magic-item cells: true when the draws follow.
  bool itemsAtLeast(int threshold) {
    itemRoll = cursor_.percentile();
    passed += itemRoll >= threshold;
    return itemRoll >= threshold;
  }
  void any(int n) {
    for (int i = 0; i < n; ++i) pick(cursor_.next() % 18);
  }
  void anyButWeapons(int n) {
    for (int i = 0; i < n; ++i) {
      int category = cursor_.next() % 18;
      while (category == tccWeapons) {
        ++weaponRerolls;
        category = cursor_.next() % 18;
      }
      pick(category);
    }
  }
  void of(int category, int n) {
    for (int i = 0; i < n; ++i) pick(category);
  }
  void oneTo(int category, int die) { of(category, cursor_.next() % die + 1); }

  int draws() const { return cursor_.used(); }

  std::vector<int> coins;
  std::vector<int> coinRolls;
  std::vector<int> gemKinds;
  std::vector<Item> items;
  int gemRoll = 0;
  int itemRoll = 0;
  int passed = 0;  // percentile tests that passed
  int weaponRerolls = 0;

 private:
  void pick(int category) {
    const int size = withCatalog_ ? itemsInCategory(category) : 0;
    items.push_back(size == 0 ? Item() : catalogItem(category, cursor_.next() % size));
  }

  DrawCursor cursor_;
  bool withCatalog_;
};

using Recipe = std::function<void(ChartWalker&)>;

// The charts as their rows read, A to Z: copper, silver, electrum, gold,
// platinum, gems, magic items.
// clang-format off
const std::array<Recipe, 26> kRecipes = {{
    [](ChartWalker& w) {  // A
      w.upTo(25, 1000, 3000); w.upTo(30, 200, 2000); w.upTo(35, 300, 1800);
      w.upTo(40, 1000, 6000); w.upTo(35, 300, 1800);
      w.gemsUpTo(60, 10, 40);
      if (w.itemsAtLeast(30)) w.any(3);
    },
    [](ChartWalker& w) {  // B
      w.upTo(50, 1000, 6000); w.upTo(25, 100, 3000); w.upTo(25, 100, 1000);
      w.upTo(25, 200, 2000); w.upTo(25, 100, 1000);
      w.gemsUpTo(30, 1, 8);
      if (w.itemsAtLeast(10)) { w.of(tccArmorAndShields, 1); w.of(tccWeapons, 1); }
    },
    [](ChartWalker& w) {  // C
      w.upTo(20, 1000, 10000); w.upTo(30, 1000, 6000); w.upTo(10, 100, 600);
      w.never(); w.upTo(25, 100, 1000);
      w.gemsUpTo(25, 1, 6);
      if (w.itemsAtLeast(10)) w.any(2);
    },
    [](ChartWalker& w) {  // D
      w.upTo(10, 1000, 6000); w.upTo(15, 1000, 10000); w.upTo(15, 100, 600);
      w.upTo(50, 1000, 3000); w.upTo(15, 100, 600);
      w.gemsUpTo(30, 1, 10);
      if (w.itemsAtLeast(15)) { w.of(tccPotionsAndOils, 1); w.any(2); }
    },
    [](ChartWalker& w) {  // E
      w.upTo(5, 1000, 6000); w.upTo(25, 1000, 10000); w.upTo(25, 300, 1800);
      w.upTo(25, 1000, 4000); w.upTo(25, 300, 1800);
      w.gemsUpTo(15, 1, 12);
      if (w.itemsAtLeast(25)) { w.of(tccScrolls, 1); w.any(3); }
    },
    [](ChartWalker& w) {  // F
      w.never(); w.upTo(10, 3000, 18000); w.upTo(15, 100, 4000);
      w.upTo(40, 1000, 6000); w.upTo(15, 1000, 4000);
      w.gemsUpTo(20, 2, 20);
      if (w.itemsAtLeast(30)) w.anyButWeapons(5);
    },
    [](ChartWalker& w) {  // G
      w.never(); w.never(); w.upTo(50, 1000, 10000);
      w.upTo(50, 2000, 20000); w.upTo(50, 1000, 10000);
      w.gemsUpTo(30, 3, 18);
      if (w.itemsAtLeast(35)) w.any(5);
    },
    [](ChartWalker& w) {  // H
      w.upTo(25, 3000, 180000); w.upTo(40, 2000, 20000); w.upTo(40, 1000, 8000);
      w.upTo(55, 2000, 20000); w.upTo(40, 1000, 8000);
      w.gemsUpTo(50, 3, 30);
      if (w.itemsAtLeast(15)) w.any(6);
    },
    [](ChartWalker& w) {  // I
      w.never(); w.never(); w.upTo(30, 100, 600); w.never(); w.upTo(30, 100, 600);
      w.gemsUpTo(55, 2, 12);
      if (w.itemsAtLeast(15)) w.any(1);
    },
    [](ChartWalker& w) { w.range(3, 24); w.zero(); w.zero(); w.zero(); w.zero(); },      // J
    [](ChartWalker& w) { w.zero(); w.range(3, 18); w.zero(); w.zero(); w.zero(); },      // K
    [](ChartWalker& w) { w.zero(); w.zero(); w.range(2, 12); w.zero(); w.zero(); },      // L
    [](ChartWalker& w) { w.zero(); w.zero(); w.zero(); w.range(2, 8); w.zero(); },       // M
    [](ChartWalker& w) { w.zero(); w.zero(); w.zero(); w.zero(); w.range(1, 6); },       // N
    [](ChartWalker& w) { w.range(10, 40); w.range(10, 30); w.zero(); w.zero(); w.zero(); },  // O
    [](ChartWalker& w) { w.zero(); w.range(10, 60); w.range(1, 20); w.zero(); w.zero(); },   // P
    [](ChartWalker& w) { w.zero(); w.zero(); w.zero(); w.zero(); w.zero(); w.gems(1, 4); },  // Q
    [](ChartWalker& w) {  // R
      w.zero(); w.zero(); w.range(10, 60); w.range(2, 20); w.zero();
      w.gems(2, 8);
    },
    [](ChartWalker& w) {  // S
      w.zero(); w.zero(); w.zero(); w.zero(); w.zero();
      w.oneTo(tccPotionsAndOils, 8);
    },
    [](ChartWalker& w) {  // T
      w.zero(); w.zero(); w.zero(); w.zero(); w.zero();
      w.oneTo(tccScrolls, 4);
    },
    [](ChartWalker& w) {  // U
      w.zero(); w.zero(); w.zero(); w.zero(); w.zero();
      w.gemsUpTo(90, 2, 16);
      w.any(1);
    },
    [](ChartWalker& w) { w.zero(); w.zero(); w.zero(); w.zero(); w.zero(); w.any(2); },  // V
    [](ChartWalker& w) {  // W
      w.zero(); w.zero(); w.zero(); w.range(5, 30); w.range(1, 8);
      w.gemsUpTo(60, 2, 16);
      if (w.itemsAtLeast(60)) w.any(2);
    },
    [](ChartWalker& w) {  // X
      w.zero(); w.zero(); w.zero(); w.zero(); w.zero();
      w.of(tccPotionsAndOils, 2);
    },
    [](ChartWalker& w) { w.zero(); w.zero(); w.zero(); w.range(200, 1200); w.zero(); },  // Y
    [](ChartWalker& w) {  // Z
      w.range(100, 300); w.range(100, 400); w.range(100, 400); w.range(100, 600); w.range(100, 400);
      w.gemsUpTo(55, 1, 6);
      if (w.itemsAtLeast(50)) w.any(3);
    },
}};
// clang-format on

int chartOf(char letter) { return letter - 'A'; }

ChartWalker walk(char letter, std::uint32_t seed, bool withCatalog = true) {
  ChartWalker walker(seed, withCatalog);
  kRecipes[chartOf(letter)](walker);
  return walker;
}

// The first seed from 1 up whose walk through `letter` satisfies `wanted`.
template <typename Wanted>
std::uint32_t findChartSeed(char letter, Wanted wanted, bool withCatalog = true) {
  for (std::uint32_t seed = 1; seed < (1u << 22); ++seed) {
    if (wanted(walk(letter, seed, withCatalog))) return seed;
  }
  return 0;
}

// Works in a folder without data.txt; the catalog is filled by the test.
class TreasureChartTest : public ::testing::Test {
 protected:
  TreasureChartTest() { terminal_.clearTranscript(); }

  void fillCatalog() {
    for (int category = 0; category < kCategoryCount; ++category) {
      for (int i = 0; i < itemsInCategory(category); ++i) {
        generator_.addItem(catalogItem(category, i));
      }
    }
  }

  // Resets the hoard and fills it by `letter` after srand(seed); returns the
  // number of draws made.
  int generate(char letter, std::uint32_t seed) {
    generator_.resetHoard();
    return drawsMadeBy(
        seed, [&] { generator_.generateTreasureByLetter(std::string(1, letter)); }, 2000);
  }

  std::vector<int> coins() const {
    return {generator_.getCopperPieces(), generator_.getSilverPieces(),
            generator_.getElectrumPieces(), generator_.getGoldPieces(),
            generator_.getPlatinumPieces()};
  }
  std::vector<int> gemKinds() const {
    std::vector<int> kinds;
    for (const Gem& gem : generator_.gems()) kinds.push_back(gem.kind());
    return kinds;
  }
  std::vector<Item> items() const {
    return std::vector<Item>(generator_.magicItems().begin(), generator_.magicItems().end());
  }

  void expectHoardOf(const ChartWalker& expected, int draws) {
    EXPECT_EQ(coins(), expected.coins);
    EXPECT_EQ(gemKinds(), expected.gemKinds);
    EXPECT_EQ(items(), expected.items);
    EXPECT_EQ(draws, expected.draws());
  }

  void expectEmptyHoard() {
    EXPECT_EQ(generator_.treasureChart(), -1);
    EXPECT_EQ(coins(), std::vector<int>(5, 0));
    EXPECT_EQ(generator_.gems().count(), 0);
    EXPECT_EQ(generator_.magicItems().count(), 0);
  }

  TempDir dir_;
  FakeTerminal terminal_;
  TreasureGenerator generator_{terminal_};
};

TEST(ChartLetterTest, EachLetterInEitherCaseNamesItsChart) {
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(chartIndexFromLetter(std::string(1, static_cast<char>('a' + i))), i);
    EXPECT_EQ(chartIndexFromLetter(std::string(1, static_cast<char>('A' + i))), i);
    EXPECT_EQ(kTreasureCharts[i].name, std::string(1, static_cast<char>('A' + i)));
  }
}

TEST(ChartLetterTest, AnyOtherTextNamesNoChart) {
  const std::string texts[] = {
      "",  "ab", "AB", "Aa", " a", "a ",  "1",        std::string(1, '\0'), std::string("a\0", 2),
      "@", "[",  "`",  "{",  "\t", "A\n", "\xc3\xa9",
  };
  for (const std::string& text : texts) {
    EXPECT_EQ(chartIndexFromLetter(text), -1) << ::testing::PrintToString(text);
  }
}

TEST_F(TreasureChartTest, QInEitherCaseSelectsChartQ) {
  for (const char* letter : {"q", "Q"}) {
    generator_.resetHoard();
    srand(5);
    generator_.generateTreasureByLetter(letter);
    EXPECT_EQ(generator_.treasureChart(), 16) << letter;
    EXPECT_GE(generator_.gems().count(), 1);
    EXPECT_LE(generator_.gems().count(), 4);
  }
}

TEST_F(TreasureChartTest, AnInvalidChartIsReportedWithAnEmptyHoardAndNoDraws) {
  fillCatalog();
  const std::string report =
      "[clear]\n There was an error with the Treasure Chart variable.\n"
      " Please verify that the value is a vlue of A to Z.\n [pause]";
  const std::string texts[] = {"", "ab", " a", "a ", "1", std::string(1, '\0')};
  for (const std::string& text : texts) {
    SCOPED_TRACE(::testing::PrintToString(text));
    generate('Z', 3);  // a hoard with coins, to be emptied
    ASSERT_GT(generator_.getCopperPieces(), 0);
    terminal_.clearTranscript();
    EXPECT_EQ(drawsMadeBy(8, [&] { generator_.generateTreasureByLetter(text); }), 0);
    EXPECT_EQ(terminal_.transcript(), report);
    expectEmptyHoard();
  }
  for (int index : {-1, -2, 26, 27, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(index);
    srand(1);
    generator_.addGems(2);
    terminal_.clearTranscript();
    EXPECT_EQ(drawsMadeBy(8, [&] { generator_.generateTreasureByChart(index); }), 0);
    EXPECT_EQ(terminal_.transcript(), report);
    expectEmptyHoard();
  }
  // A generator without a terminal empties the hoard just the same.
  TreasureGenerator quiet;
  srand(3);
  quiet.generateTreasureByChart(25);
  ASSERT_GT(quiet.getCopperPieces(), 0);
  EXPECT_EQ(drawsMadeBy(8, [&] { quiet.generateTreasureByLetter("ab"); }), 0);
  EXPECT_EQ(quiet.treasureChart(), -1);
  EXPECT_EQ(quiet.getCopperPieces(), 0);
}

TEST_F(TreasureChartTest, EveryChartFillsTheHoardAsTheReferenceDrawsSay) {
  fillCatalog();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    for (std::uint32_t seed = 1; seed <= 120; ++seed) {
      SCOPED_TRACE(std::string("chart ") + letter + ", seed " + std::to_string(seed));
      const ChartWalker expected = walk(letter, seed);
      const int draws = generate(letter, seed);
      EXPECT_EQ(generator_.treasureChart(), chartOf(letter));
      expectHoardOf(expected, draws);
      if (HasFailure()) return;
    }
  }
  EXPECT_EQ(terminal_.transcript(), "");
}

TEST_F(TreasureChartTest, ChartsWithFixedSharesTakeFixedDraws) {
  fillCatalog();
  // Every percentile test failing: five coin cells (a never cell draws its
  // roll like any other), the gem roll and the magic-item roll.
  for (char letter : std::string("ABCDEFGHI")) {
    SCOPED_TRACE(std::string("chart ") + letter);
    const std::uint32_t seed =
        findChartSeed(letter, [](const ChartWalker& w) { return w.passed == 0; });
    ASSERT_NE(seed, 0u);
    EXPECT_EQ(generate(letter, seed), 7);
    EXPECT_EQ(coins(), std::vector<int>(5, 0));
    EXPECT_EQ(generator_.gems().count(), 0);
    EXPECT_EQ(generator_.magicItems().count(), 0);
  }
  // Plain ranges draw one number each, 0 cells none.
  const struct {
    char letter;
    int draws;
  } plain[] = {{'J', 1}, {'K', 1}, {'L', 1}, {'M', 1}, {'N', 1},
               {'O', 2}, {'P', 2}, {'Y', 1}, {'X', 2}};
  for (const auto& c : plain) {
    for (std::uint32_t seed : {1u, 2u, 99u}) {
      SCOPED_TRACE(std::string("chart ") + c.letter);
      EXPECT_EQ(generate(c.letter, seed), c.draws);
      EXPECT_EQ(generator_.gems().count(), 0);
    }
  }
}

TEST_F(TreasureChartTest, ChartJYieldsOnlyCopper) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    generate('J', seed);
    ASSERT_EQ(generator_.getCopperPieces(), 3 + referenceDraws(seed, 1)[0] % 22);
    ASSERT_GE(generator_.getCopperPieces(), 3);
    ASSERT_LE(generator_.getCopperPieces(), 24);
    ASSERT_EQ(coins()[1] + coins()[2] + coins()[3] + coins()[4], 0);
    ASSERT_EQ(generator_.gems().count() + generator_.magicItems().count(), 0);
  }
}

TEST_F(TreasureChartTest, ChartFRollsAgainInsteadOfDrawingWeapons) {
  fillCatalog();
  const std::uint32_t seed = findChartSeed(
      'F', [](const ChartWalker& w) { return w.weaponRerolls >= 2 && w.items.size() == 5; });
  ASSERT_NE(seed, 0u);
  const int draws = generate('F', seed);
  expectHoardOf(walk('F', seed), draws);
  for (std::uint32_t s = 1; s <= 1000; ++s) {
    generate('F', s);
    for (const Item& item : items()) ASSERT_NE(item.getCategory(), tccWeapons) << "seed " << s;
  }
}

TEST_F(TreasureChartTest, ChartsSAndTDrawTheirCountThenTheirCategory) {
  fillCatalog();
  const struct {
    char letter;
    int category;
    int die;
  } cases[] = {{'S', tccPotionsAndOils, 8}, {'T', tccScrolls, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("chart ") + c.letter);
    std::vector<bool> seen(c.die + 1, false);
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
      const int draws = generate(c.letter, seed);
      const int count = generator_.magicItems().count();
      ASSERT_EQ(count, referenceDraws(seed, 1)[0] % c.die + 1);
      ASSERT_EQ(draws, 1 + count);  // the count, then one pick per item
      for (const Item& item : items()) ASSERT_EQ(item.getCategory(), c.category);
      seen[count] = true;
    }
    for (int count = 1; count <= c.die; ++count) EXPECT_TRUE(seen[count]) << count;
  }
}

TEST_F(TreasureChartTest, AnEmptyCategoryGivesNoItemWithoutADraw) {
  // The catalog is empty: every draw appends noItem and draws no pick.
  const struct {
    char letter;
    int items;
    int draws;
  } cases[] = {{'V', 2, 2}, {'X', 2, 0}, {'U', 1, 1}};
  for (const auto& c : cases) {
    for (std::uint32_t seed : {1u, 10u, 500u}) {
      SCOPED_TRACE(std::string("chart ") + c.letter + ", seed " + std::to_string(seed));
      const int draws = generate(c.letter, seed);
      EXPECT_EQ(items(), std::vector<Item>(c.items, noItem));
      const ChartWalker expected = walk(c.letter, seed, false);
      EXPECT_EQ(draws, expected.draws());
      if (c.letter != 'U') {
        EXPECT_EQ(draws, c.draws);
      }
    }
  }
  // With the test catalog, a roll of an empty category among full ones.
  fillCatalog();
  const std::uint32_t seed = findChartSeed(
      'V', [](const ChartWalker& w) { return w.items[0] == noItem && w.items[1] != noItem; });
  ASSERT_NE(seed, 0u);
  const int draws = generate('V', seed);
  expectHoardOf(walk('V', seed), draws);
  EXPECT_EQ(draws, 3);
}

TEST_F(TreasureChartTest, ARollOfExactlyTheThresholdPasses) {
  fillCatalog();
  enum Roll { kFirstCoin, kGems, kItems };
  const struct {
    char letter;
    Roll roll;
    int value;
    bool passes;
  } cases[] = {
      {'A', kFirstCoin, 25, true}, {'A', kFirstCoin, 26, false}, {'A', kGems, 60, true},
      {'A', kGems, 61, false},     {'A', kItems, 30, true},      {'A', kItems, 29, false},
      {'W', kItems, 60, true},     {'W', kItems, 59, false},     {'W', kGems, 60, true},
      {'B', kItems, 10, true},     {'B', kItems, 9, false},      {'Z', kGems, 55, true},
      {'Z', kGems, 56, false},     {'U', kGems, 90, true},       {'U', kGems, 91, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("chart ") + c.letter + ", roll " + std::to_string(c.value));
    const std::uint32_t seed = findChartSeed(c.letter, [&](const ChartWalker& w) {
      return (c.roll == kFirstCoin ? w.coinRolls[0]
              : c.roll == kGems    ? w.gemRoll
                                   : w.itemRoll) == c.value;
    });
    ASSERT_NE(seed, 0u);
    const int draws = generate(c.letter, seed);
    expectHoardOf(walk(c.letter, seed), draws);
    switch (c.roll) {
      case kFirstCoin:
        EXPECT_EQ(generator_.getCopperPieces() > 0, c.passes);
        break;
      case kGems:
        EXPECT_EQ(generator_.gems().count() > 0, c.passes);
        break;
      case kItems:
        EXPECT_EQ(generator_.magicItems().count() > 0, c.passes);
        break;
    }
  }
}

TEST_F(TreasureChartTest, ChartHCopperStopsAtTheGeneratorsRange) {
  // 3000 + rand() % 177001 cannot pass 3000 + 32767.
  const std::uint32_t seed = findChartSeed(
      'H', [](const ChartWalker& w) { return w.coinRolls[0] <= 25 && w.coins[0] == 35767; });
  ASSERT_NE(seed, 0u);
  generate('H', seed);
  EXPECT_EQ(generator_.getCopperPieces(), 35767);
  for (std::uint32_t s = 1; s <= 3000; ++s) {
    generate('H', s);
    ASSERT_LE(generator_.getCopperPieces(), 35767);
  }
}

TEST_F(TreasureChartTest, WithoutAResetChartsWorkOnWhatTheHoardHolds) {
  fillCatalog();
  // Two magic items from chart V, then chart A with gems but a failed item
  // roll: the items stay.
  const std::uint32_t seed = findChartSeed(
      'A', [](const ChartWalker& w) { return !w.gemKinds.empty() && w.itemRoll < 30; });
  ASSERT_NE(seed, 0u);
  generate('V', 1);
  const std::vector<Item> kept = items();
  ASSERT_EQ(kept.size(), 2u);
  srand(seed);
  generator_.generateTreasureByLetter("A");
  EXPECT_EQ(items(), kept);
  EXPECT_EQ(gemKinds(), walk('A', seed).gemKinds);

  // Chart Q adds to the gems already there and has no items.
  const std::vector<int> before = gemKinds();
  srand(17);
  generator_.generateTreasureByLetter("Q");
  std::vector<int> expected = before;
  const std::vector<int> added = walk('Q', 17).gemKinds;
  expected.insert(expected.end(), added.begin(), added.end());
  EXPECT_EQ(gemKinds(), expected);
  EXPECT_EQ(generator_.magicItems().count(), 0);

  // A failed gem roll empties the gems.
  const std::uint32_t noGems =
      findChartSeed('A', [](const ChartWalker& w) { return w.gemRoll > 60; });
  ASSERT_NE(noGems, 0u);
  srand(noGems);
  generator_.generateTreasureByLetter("A");
  EXPECT_EQ(generator_.gems().count(), 0);

  // A chart without gems or items empties both lists.
  srand(9);
  generator_.generateTreasureByLetter("V");
  srand(9);
  generator_.addGems(3);
  srand(1);
  generator_.generateTreasureByLetter("J");
  EXPECT_EQ(generator_.gems().count(), 0);
  EXPECT_EQ(generator_.magicItems().count(), 0);
}

}  // namespace
}  // namespace glimmerkist
