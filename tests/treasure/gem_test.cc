#include "treasure/gem.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "support/reference_random.h"
#include "treasure/draw_cursor.h"
#include "treasure/gem_names.h"

namespace glimmerkist {
namespace {

void expectInitial(const Gem& gem) {
  EXPECT_EQ(gem.band(), -1);
  EXPECT_EQ(gem.kind(), -1);
  EXPECT_EQ(gem.baseValue(), 0.0);
  EXPECT_EQ(gem.variationRoll(), 0);
  EXPECT_EQ(gem.value(), -1.0);
  EXPECT_FALSE(gem.varied());
}

void expectSameFields(const Gem& a, const Gem& b) {
  EXPECT_EQ(a.band(), b.band());
  EXPECT_EQ(a.kind(), b.kind());
  EXPECT_EQ(a.baseValue(), b.baseValue());
  EXPECT_EQ(a.variationRoll(), b.variationRoll());
  EXPECT_EQ(a.value(), b.value());
  EXPECT_EQ(a.varied(), b.varied());
}

// The first seed whose first dice show `faces` (1 to 6), in order.
std::uint32_t findDiceSeed(const std::vector<int>& faces) {
  for (std::uint32_t seed = 1; seed < (1u << 24); ++seed) {
    const std::vector<int> draws = referenceDraws(seed, static_cast<int>(faces.size()));
    bool match = true;
    for (std::size_t i = 0; i < faces.size() && match; ++i) match = draws[i] % 6 + 1 == faces[i];
    if (match) return seed;
  }
  return 0;
}

TEST(GemTest, TheDrawCursorFollowsTheReferenceSequence) {
  for (std::uint32_t seed : {0u, 1u, 12345u, 4294967295u}) {
    const std::vector<int> draws = referenceDraws(seed, 1000);
    DrawCursor cursor(seed);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(cursor.next(), draws[i]) << "seed " << seed;
    EXPECT_EQ(cursor.used(), 1000);
  }
}

TEST(GemTest, NewAndResetGemsHoldTheInitialState) {
  Gem gem;
  expectInitial(gem);
  srand(7);
  gem.generate();
  gem.setBand(3);
  gem.reset();
  expectInitial(gem);
}

TEST(GemTest, CopyingCopiesEveryField) {
  const std::uint32_t seed = findGemSeed(2, 3);  // a percentage draw, varied set
  ASSERT_NE(seed, 0u);
  Gem original;
  srand(seed);
  original.generate();
  ASSERT_TRUE(original.varied());
  ASSERT_EQ(original.variationRoll(), 3);

  const Gem copy(original);
  expectSameFields(copy, original);

  Gem assigned;
  assigned = original;
  expectSameFields(assigned, original);

  Gem& self = assigned;
  assigned = self;
  expectSameFields(assigned, original);
}

TEST(GemTest, SetBaseValueRefusesNegativeAndNotANumber) {
  const struct {
    double given;
    double stored;
  } cases[] = {
      {-3.0, 0.0}, {-0.5, 0.0}, {-std::numeric_limits<double>::infinity(), 0.0},
      {0.0, 0.0},  {7.5, 7.5},  {5000.0, 5000.0},
      {1e9, 1e9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    Gem gem;
    gem.setBaseValue(c.given);
    EXPECT_EQ(gem.baseValue(), c.stored);
  }
  Gem gem;
  gem.setBaseValue(12.0);
  gem.setBaseValue(std::nan(""));
  EXPECT_EQ(gem.baseValue(), 0.0);
}

TEST(GemTest, SetBandClampsAndSetsTheBaseValue) {
  const struct {
    int given;
    int band;
    double base;
  } cases[] = {
      {INT_MIN, 0, 10.0}, {-2, 0, 10.0},  {-1, 0, 10.0},  {0, 0, 10.0},
      {1, 1, 50.0},       {2, 2, 100.0},  {3, 3, 500.0},  {4, 4, 1000.0},
      {5, 5, 5000.0},     {6, 5, 5000.0}, {9, 5, 5000.0}, {INT_MAX, 5, 5000.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    Gem gem;
    gem.setBand(c.given);
    EXPECT_EQ(gem.band(), c.band);
    EXPECT_EQ(gem.baseValue(), c.base);
    // Only band and base change.
    EXPECT_EQ(gem.kind(), -1);
    EXPECT_EQ(gem.value(), -1.0);
  }
}

TEST(GemTest, VariationRollFollowsTheDice) {
  const struct {
    std::vector<int> faces;
    int result;
  } cases[] = {
      {{2}, 2},
      {{3}, 3},
      {{4}, 4},
      {{5}, 5},
      {{6, 3}, 6},
      {{6, 1}, 6},
      {{6, 6, 5}, 7},
      {{6, 6, 6, 2}, 8},
      {{1, 5}, 1},
      {{1, 6}, 1},
      {{1, 1, 4}, 0},
      {{1, 1, 1, 6}, -1},
      {{1, 1, 1, 1, 2}, -2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.faces));
    const std::uint32_t seed = findDiceSeed(c.faces);
    ASSERT_NE(seed, 0u);
    Gem gem;
    srand(seed);
    gem.rollVariation();
    EXPECT_EQ(gem.variationRoll(), c.result);
    Gem counted;
    EXPECT_EQ(drawsMadeBy(
                  seed, [&] { counted.rollVariation(); }, 64),
              static_cast<int>(c.faces.size()));
  }
}

TEST(GemTest, TheBandDrawSelectsTheBandFromTheTop) {
  const struct {
    int roll;
    int band;
    double base;
    int firstKind;
    int lastKind;
  } cases[] = {
      {1, 0, 10.0, 0, 10},     {25, 0, 10.0, 0, 10},     {26, 1, 50.0, 11, 23},
      {50, 1, 50.0, 11, 23},   {51, 2, 100.0, 24, 31},   {70, 2, 100.0, 24, 31},
      {71, 3, 500.0, 32, 36},  {90, 3, 500.0, 32, 36},   {91, 4, 1000.0, 37, 42},
      {99, 4, 1000.0, 37, 42}, {100, 5, 5000.0, 43, 50},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.roll);
    // Variation 2 leaves the band alone and doubles the base.
    const std::uint32_t seed =
        findGemSeed([&](const GemDraws& gem) { return gem.roll == c.roll && gem.variation == 2; });
    ASSERT_NE(seed, 0u);
    Gem gem;
    srand(seed);
    gem.generate();
    EXPECT_EQ(gem.band(), c.band);
    EXPECT_EQ(gem.baseValue(), c.base);
    EXPECT_EQ(gem.value(), 2 * c.base);
    EXPECT_GE(gem.kind(), c.firstKind);
    EXPECT_LE(gem.kind(), c.lastKind);
  }
}

struct VariationCase {
  int band;       // the band drawn
  int variation;  // the variation dice
  int percent;    // for variation 3 and 4, else -1
  int endBand;
  double endBase;
  double value;
};

void expectGemFromSeed(const VariationCase& c, int kind = -1) {
  SCOPED_TRACE("band " + std::to_string(c.band) + ", variation " + std::to_string(c.variation) +
               ", percentage " + std::to_string(c.percent));
  const std::uint32_t seed = findGemSeed(c.band, c.variation, c.percent, kind);
  ASSERT_NE(seed, 0u) << "no seed found";
  DrawCursor cursor(seed);
  const GemDraws drawn = readGem(cursor);

  Gem gem;
  EXPECT_EQ(drawsMadeBy(
                seed, [&] { gem.generate(); }, 64),
            drawn.drawCount);
  EXPECT_EQ(gem.band(), c.endBand);
  EXPECT_EQ(gem.baseValue(), c.endBase);
  EXPECT_EQ(gem.value(), c.value);
  EXPECT_EQ(gem.kind(), drawn.kind);  // the variation never changes the kind
  EXPECT_EQ(gem.variationRoll(), c.variation);
  EXPECT_TRUE(gem.varied());
}

TEST(GemTest, HighVariationRaisesTheBandWithinTheTopBand) {
  const VariationCase cases[] = {
      {0, 6, -1, 1, 50.0, 50.0},     {4, 6, -1, 5, 5000.0, 5000.0}, {0, 7, -1, 2, 100.0, 100.0},
      {3, 7, -1, 5, 5000.0, 5000.0}, {2, 8, -1, 5, 5000.0, 5000.0}, {1, 8, -1, 4, 1000.0, 1000.0},
  };
  for (const VariationCase& c : cases) expectGemFromSeed(c);
}

TEST(GemTest, HighVariationPastTheTopBandMultipliesTheValue) {
  // The gem keeps band and base; the value is base x (bands past 5), doubled
  // once per band of the variation, held at 99999 after each step.
  const VariationCase cases[] = {
      {5, 6, -1, 5, 5000.0, 10000.0},  // 5000 x 1, doubled once
      {4, 7, -1, 4, 1000.0, 4000.0},   // 1000 x 1, doubled twice
      {5, 7, -1, 5, 5000.0, 40000.0},  // 5000 x 2, doubled twice
      {5, 8, -1, 5, 5000.0, 99999.0},  // 15000, 30000, 60000, then held
      {4, 8, -1, 4, 1000.0, 16000.0},  // 1000 x 2, doubled three times
      {3, 8, -1, 3, 500.0, 4000.0},    // 500 x 1, doubled three times
      {4, 9, -1, 4, 1000.0, 48000.0},  // 1000 x 3, doubled four times
      {5, 9, -1, 5, 5000.0, 99999.0},  // 20000, 40000, 80000, then held
  };
  for (const VariationCase& c : cases) expectGemFromSeed(c);
}

TEST(GemTest, MiddleVariationsChangeOnlyTheValue) {
  const VariationCase cases[] = {
      {0, 2, -1, 0, 10.0, 20.0},
      {5, 2, -1, 5, 5000.0, 10000.0},
      {0, 5, -1, 0, 10.0, 5.0},
      {3, 5, -1, 3, 500.0, 250.0},
      // (p x 0.01 + 1.0) x base, one rounding per operation.
      {0, 3, 10, 0, 10.0, 11.0},
      {0, 3, 15, 0, 10.0, 11.5},
      {5, 3, 59, 5, 5000.0, 7949.999999999999},
      {0, 3, 41, 0, 10.0, 14.100000000000001},
      {1, 3, 13, 1, 50.0, 56.49999999999999},
      {5, 3, 10, 5, 5000.0, 5500.0},
      // (p x 0.01) x base.
      {5, 4, 39, 5, 5000.0, 1950.0},
      {0, 4, 10, 0, 10.0, 1.0},
      {0, 4, 35, 0, 10.0, 3.5000000000000004},
      {3, 4, 35, 3, 500.0, 175.00000000000003},
      {3, 4, 17, 3, 500.0, 85.0},
  };
  for (const VariationCase& c : cases) expectGemFromSeed(c);
  EXPECT_EQ(7949.999999999999, std::nextafter(7950.0, 0.0));
}

TEST(GemTest, LowVariationMovesTheBandByTheRoll) {
  const VariationCase cases[] = {
      {0, 1, -1, 1, 50.0, 50.0},     {2, 1, -1, 3, 500.0, 500.0},
      {5, 1, -1, 5, 5000.0, 5000.0},  // held at the top band
      {2, 0, -1, 2, 100.0, 100.0},   {0, 0, -1, 0, 10.0, 10.0},
      {3, -1, -1, 2, 100.0, 100.0},  {1, -1, -1, 0, 10.0, 10.0},
  };
  for (const VariationCase& c : cases) expectGemFromSeed(c);
}

TEST(GemTest, BandZeroWithVariationOneBecomesAnAzuriteOfFiftyGold) {
  expectGemFromSeed({0, 1, -1, 1, 50.0, 50.0}, 0);
  EXPECT_EQ(kGemNames[0], "Azurite");
}

TEST(GemTest, BelowTheBottomBandTheGemIsNearlyWorthless) {
  const VariationCase cases[] = {
      {0, -1, -1, 0, 10.0, 5.0}, {0, -2, -1, 0, 10.0, 1.0}, {0, -3, -1, 0, 10.0, 0.5},
      {0, -4, -1, 0, 10.0, 0.1}, {0, -5, -1, 0, 10.0, 0.1}, {1, -2, -1, 0, 10.0, 5.0},
      {2, -4, -1, 0, 10.0, 1.0},
  };
  for (const VariationCase& c : cases) expectGemFromSeed(c);
}

TEST(GemTest, GenerateSetsEveryFieldWhateverCameBefore) {
  const std::uint32_t pastTop = findGemSeed(5, 7);
  const std::uint32_t plain = findGemSeed(1, 4);
  ASSERT_NE(pastTop, 0u);
  ASSERT_NE(plain, 0u);
  Gem fresh;
  srand(plain);
  fresh.generate();
  Gem used;
  srand(pastTop);
  used.generate();
  srand(plain);
  used.generate();
  expectSameFields(used, fresh);
}

TEST(GemTest, GeneratedGemsFollowTheReferenceAndStayAcceptable) {
  // One long run of gems, each read independently off the reference draws.
  const std::uint32_t seed = 2024;
  DrawCursor cursor(seed);
  srand(seed);
  std::set<int> kinds;
  for (int i = 0; i < 20000; ++i) {
    const GemDraws drawn = readGem(cursor);
    Gem gem;
    gem.generate();
    ASSERT_EQ(gem.kind(), drawn.kind) << "gem " << i;
    ASSERT_EQ(gem.variationRoll(), drawn.variation) << "gem " << i;
    ASSERT_GE(gem.band(), 0);
    ASSERT_LE(gem.band(), 5);
    ASSERT_TRUE(gem.value() >= 0.0 && gem.value() < 100000.0) << "gem " << i;
    ASSERT_TRUE(gem.varied());
    kinds.insert(gem.kind());
  }
  EXPECT_EQ(kinds.size(), 51u);
  // Both sequences have advanced by the same number of draws.
  EXPECT_EQ(rand(), cursor.next());
}

}  // namespace
}  // namespace glimmerkist
