#include "base/random.h"

#include <gtest/gtest.h>

#include "support/reference_random.h"

namespace glimmerkist {
namespace {

TEST(RandomTest, FirstDrawsFromSeedOne) {
  srand(1);
  const int expected[] = {41, 18467, 6334, 26500, 19169};
  for (int value : expected) EXPECT_EQ(rand(), value);
}

TEST(RandomTest, FollowsTheReferenceSequenceForManySeeds) {
  for (std::uint32_t seed : {0u, 2u, 12345u, 0x7fffffffu, 0xffffffffu}) {
    srand(seed);
    for (int expected : referenceDraws(seed, 1000)) ASSERT_EQ(rand(), expected) << seed;
  }
}

TEST(RandomTest, StaysWithinRange) {
  srand(99);
  for (int i = 0; i < 100000; ++i) {
    const int value = rand();
    ASSERT_GE(value, 0);
    ASSERT_LE(value, kRandMax);
  }
}

TEST(RandomTest, ReseedingRepeatsTheSequence) {
  srand(777);
  const int first = rand();
  const int second = rand();
  srand(777);
  EXPECT_EQ(rand(), first);
  EXPECT_EQ(rand(), second);
}

}  // namespace
}  // namespace glimmerkist
