#include "treasure/rolls.h"

#include <gtest/gtest.h>

#include "support/reference_random.h"

namespace glimmerkist {
namespace {

TEST(RollsTest, RandomRangeUsesOneDrawAndTheRemainder) {
  const std::vector<int> draws = referenceDraws(1, 3);  // 41, 18467, 6334
  srand(1);
  EXPECT_EQ(randomRange(5, 5), 5);
  EXPECT_EQ(randomRange(1000, 3000), 1000 + draws[1] % 2001);
  EXPECT_EQ(randomRange(3000, 180000), 3000 + draws[2]);
  EXPECT_EQ(drawsMadeBy(1, [] { randomRange(5, 5); }), 1);
}

TEST(RollsTest, PercentileIsOneToHundred) {
  srand(1);
  EXPECT_EQ(rollPercentile(), 41 % 100 + 1);
  srand(5);
  for (int i = 0; i < 20000; ++i) {
    const int roll = rollPercentile();
    ASSERT_GE(roll, 1);
    ASSERT_LE(roll, 100);
  }
}

TEST(RollsTest, CoinsDrawTheRangeOnlyWhenTheRollPasses) {
  // Seed 1: 41 gives a roll of 42; 18467 then falls in the range.
  srand(1);
  EXPECT_EQ(rollCoins(42, 100, 300), 100 + 18467 % 201);
  srand(1);
  EXPECT_EQ(rollCoins(41, 100, 300), 0);
  EXPECT_EQ(drawsMadeBy(1, [] { rollCoins(41, 100, 300); }), 1);
  EXPECT_EQ(drawsMadeBy(1, [] { rollCoins(42, 100, 300); }), 2);
  EXPECT_EQ(drawsMadeBy(1, [] { rollCoins(0, 0, 0); }), 1);
}

TEST(RollsTest, CoinsAreNeverNegative) {
  srand(3);
  for (int i = 0; i < 1000; ++i) ASSERT_GE(rollCoins(100, -50, 10), 0);
}

}  // namespace
}  // namespace glimmerkist
