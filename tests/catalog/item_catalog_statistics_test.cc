// How a random pick spreads over the items of a category, over many picks
// from a fixed seed, to within five standard deviations
// (support/draw_statistics.h).
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "catalog/item_catalog.h"
#include "catalog/item_helpers.h"
#include "support/draw_statistics.h"

namespace glimmerkist {
namespace {

TEST(ItemCatalogStatisticsTest, APickOfThreeSpreadsAsTheDrawModuloThree) {
  const std::array<std::string, 3> names = {"Ring_A", "Ring_B", "Ring_C"};
  ItemCatalog catalog;
  for (const std::string& name : names) catalog.addItem(makeItem(2, name));

  constexpr long long kPicks = 60000;
  std::array<long long, 3> counts{};
  srand(31337);
  for (long long i = 0; i < kPicks; ++i) {
    const std::string picked = catalog.randomItem(2).getName();
    for (int k = 0; k < 3; ++k) counts[k] += picked == names[k];
  }
  for (int k = 0; k < 3; ++k) {
    // 32768 draws leave the remainders 0 and 1 one value more than 2.
    expectShare(names[k], counts[k], kPicks, shareOfDraws([k](int draw) { return draw % 3 == k; }));
  }
}

}  // namespace
}  // namespace glimmerkist
