#include "catalog/position_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace glimmerkist {
namespace {

constexpr std::uint64_t k4GiB = std::uint64_t{1} << 32;

TEST(PositionListTest, OffsetsComeBackBelowAndBeyondEvery4GiB) {
  const struct {
    const char* what;
    std::vector<std::uint64_t> offsets;
  } cases[] = {
      {"none", {}},
      {"one", {0}},
      {"below 4 GiB", {0, 5, 70000, k4GiB - 1}},
      {"across 4 GiB", {3, k4GiB - 1, k4GiB, k4GiB + 9}},
      {"starting beyond 4 GiB", {k4GiB + 2, k4GiB + 3}},
      {"skipping a whole 4 GiB", {7, 2 * k4GiB + 7, 3 * k4GiB, 3 * k4GiB + 1}},
      {"equal offsets", {k4GiB, k4GiB, k4GiB}},
  };
  for (const auto& c : cases) {
    PositionList list;
    for (std::uint64_t offset : c.offsets) list.append(offset);
    ASSERT_EQ(list.count(), static_cast<std::int32_t>(c.offsets.size())) << c.what;
    for (std::int32_t i = 0; i < list.count(); ++i) {
      EXPECT_EQ(list.at(i), c.offsets[static_cast<std::size_t>(i)]) << c.what << ", entry " << i;
    }
    list.shrinkToFit();
    if (!c.offsets.empty()) {
      EXPECT_EQ(list.at(list.count() - 1), c.offsets.back()) << c.what;
    }
    list.clear();
    EXPECT_EQ(list.count(), 0) << c.what;
    list.append(1);
    EXPECT_EQ(list.at(0), 1u) << c.what << ", filled again";
  }
}

}  // namespace
}  // namespace glimmerkist
