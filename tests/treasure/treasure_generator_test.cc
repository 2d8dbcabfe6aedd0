#include "treasure/treasure_generator.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/fake_terminal.h"
#include "support/reference_random.h"
#include "support/temp_dir.h"
#include "treasure/draw_cursor.h"

namespace glimmerkist {
namespace {

void expectEmptyHoard(const TreasureGenerator& generator) {
  EXPECT_EQ(generator.treasureChart(), -1);
  EXPECT_EQ(generator.getCopperPieces(), 0);
  EXPECT_EQ(generator.getSilverPieces(), 0);
  EXPECT_EQ(generator.getElectrumPieces(), 0);
  EXPECT_EQ(generator.getGoldPieces(), 0);
  EXPECT_EQ(generator.getPlatinumPieces(), 0);
  EXPECT_EQ(generator.gems().count(), 0);
  EXPECT_EQ(generator.magicItems().count(), 0);
}

Item makeItem(int category, const std::string& name) {
  Item item;
  item.setCategory(category);
  item.setName(name);
  return item;
}

// Works in a folder without data.txt, so the catalog starts empty.
class TreasureGeneratorTest : public ::testing::Test {
 protected:
  TempDir dir_;
  FakeTerminal terminal_;
  TreasureGenerator generator_{terminal_};
};

TEST_F(TreasureGeneratorTest, ConstructionLeavesAnEmptyHoard) { expectEmptyHoard(generator_); }

TEST(TreasureGeneratorConstructionTest, LoadingACatalogLeavesTheHoardEmpty) {
  TempDir dir;
  writeFile("data.txt", "<note> a small catalog </note>\nPotion_of_Healing tccPotionsAndOils\n");
  FakeTerminal terminal;
  TreasureGenerator generator(terminal);
  EXPECT_EQ(generator.category(tccPotionsAndOils).count(), 1);
  expectEmptyHoard(generator);
}

TEST_F(TreasureGeneratorTest, ResetHoardEmptiesAFilledHoardAndDrawsNothing) {
  for (int category = 0; category < kCategoryCount; ++category) {
    generator_.addItem(makeItem(category, "Item_" + std::to_string(category)));
  }
  // Chart Z: five coin ranges, gems on 55 or less, items on 50 or more.
  std::uint32_t seed = 1;
  for (;; ++seed) {
    DrawCursor cursor(seed);
    for (int metal = 0; metal < 5; ++metal) cursor.next();
    if (cursor.percentile() > 55) continue;
    const int gems = cursor.range(1, 6);
    for (int i = 0; i < gems; ++i) readGem(cursor);
    if (cursor.percentile() >= 50) break;
  }
  srand(seed);
  generator_.generateTreasureByLetter("Z");
  ASSERT_EQ(generator_.treasureChart(), 25);
  ASSERT_GT(generator_.gems().count(), 0);
  ASSERT_EQ(generator_.magicItems().count(), 3);
  ASSERT_GT(generator_.getCopperPieces(), 0);

  EXPECT_EQ(drawsMadeBy(9, [&] { generator_.resetHoard(); }), 0);
  expectEmptyHoard(generator_);
  generator_.resetHoard();
  expectEmptyHoard(generator_);
}

TEST_F(TreasureGeneratorTest, EachGetterReadsItsOwnMetal) {
  // Charts J to N and Y fill one metal from a plain range, the others 0.
  const struct {
    const char* letter;
    Metal metal;
    int low;
    int high;
  } cases[] = {
      {"J", kCopper, 3, 24}, {"K", kSilver, 3, 18},  {"L", kElectrum, 2, 12},
      {"M", kGold, 2, 8},    {"N", kPlatinum, 1, 6}, {"Y", kGold, 200, 1200},
  };
  for (const auto& c : cases) {
    for (std::uint32_t seed : {1u, 77u, 4096u}) {
      SCOPED_TRACE(std::string(c.letter) + " seed " + std::to_string(seed));
      const int expected = c.low + referenceDraws(seed, 1)[0] % (c.high - c.low + 1);
      generator_.resetHoard();
      srand(seed);
      generator_.generateTreasureByLetter(c.letter);
      const int got[] = {generator_.getCopperPieces(), generator_.getSilverPieces(),
                         generator_.getElectrumPieces(), generator_.getGoldPieces(),
                         generator_.getPlatinumPieces()};
      for (int metal = 0; metal < kMetalCount; ++metal) {
        EXPECT_EQ(got[metal], metal == c.metal ? expected : 0) << "metal " << metal;
        EXPECT_EQ(generator_.coins(static_cast<Metal>(metal)), got[metal]);
      }
      EXPECT_EQ(generator_.gems().count(), 0);
      EXPECT_EQ(generator_.magicItems().count(), 0);
    }
  }
}

TEST_F(TreasureGeneratorTest, AddGemsOfZeroOrLessDrawsNothingAndKeepsTheGems) {
  srand(3);
  generator_.addGems(2);
  ASSERT_EQ(generator_.gems().count(), 2);
  const std::vector<Gem> before(generator_.gems().begin(), generator_.gems().end());

  for (int n : {0, -1, INT_MIN}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(drawsMadeBy(11, [&] { generator_.addGems(n); }), 0);
    ASSERT_EQ(generator_.gems().count(), 2);
    for (int i = 0; i < 2; ++i) {
      Gem gem;
      generator_.gems().itemAt(i, gem);
      EXPECT_EQ(gem.kind(), before[i].kind());
      EXPECT_EQ(gem.value(), before[i].value());
    }
  }
}

TEST_F(TreasureGeneratorTest, AddGemsAppendsAfterTheGemsAlreadyThereInOrder) {
  const std::uint32_t seed = 1234;
  DrawCursor cursor(seed);
  std::vector<GemDraws> drawn;
  int totalDraws = 0;
  for (int i = 0; i < 5; ++i) {
    drawn.push_back(readGem(cursor));
    totalDraws += drawn.back().drawCount;
  }

  srand(seed);
  generator_.addGems(2);
  generator_.addGems(3);
  ASSERT_EQ(generator_.gems().count(), 5);

  // The same five gems generated one after another from the same seed.
  srand(seed);
  int i = 0;
  for (const Gem& gem : generator_.gems()) {
    SCOPED_TRACE(i);
    Gem alone;
    alone.generate();
    EXPECT_EQ(gem.kind(), drawn[i].kind);
    EXPECT_EQ(gem.variationRoll(), drawn[i].variation);
    EXPECT_EQ(gem.band(), alone.band());
    EXPECT_EQ(gem.baseValue(), alone.baseValue());
    EXPECT_EQ(gem.value(), alone.value());
    EXPECT_TRUE(gem.varied());
    ++i;
  }

  generator_.resetHoard();
  EXPECT_EQ(drawsMadeBy(seed, [&] { generator_.addGems(5); }), totalDraws);
  ASSERT_EQ(generator_.gems().count(), 5);
  Gem last;
  generator_.gems().itemAt(4, last);
  EXPECT_EQ(last.kind(), drawn[4].kind);
}

}  // namespace
}  // namespace glimmerkist
