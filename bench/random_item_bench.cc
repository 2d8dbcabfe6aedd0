// randomItem at the largest position a draw can reach, 32767, in categories
// of 32,768 to 1,000,000 items: the cost must not grow with the category.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "base/random.h"
#include "bench_catalog.h"
#include "catalog/item_catalog.h"

namespace glimmerkist::bench {
namespace {

constexpr std::int32_t kLargestPosition = kRandMax;

// A seed whose first draw is kRandMax, so that every pick lands on the last
// drawable position of a category that holds more than kRandMax items.
std::uint32_t seedDrawingTheTop() {
  for (std::uint32_t seed = 0;; ++seed) {
    glimmerkist::srand(seed);
    if (glimmerkist::rand() == kRandMax) return seed;
  }
}

void BM_RandomItemAtLargestPosition(benchmark::State& state) {
  const auto count = static_cast<std::int32_t>(state.range(0));
  const std::vector<Item>& shipped = shippedRecords();
  ItemCatalog catalog;
  for (std::int32_t i = 0; i < count; ++i) {
    Item item = shipped[static_cast<std::size_t>(i) % shipped.size()];
    item.setCategory(tccPotionsAndOils);
    catalog.addItem(item);
  }
  Item expected;
  catalog.category(tccPotionsAndOils).itemAt(kLargestPosition, expected);
  const std::uint32_t seed = seedDrawingTheTop();
  glimmerkist::srand(seed);
  if (catalog.randomItem(tccPotionsAndOils) != expected) {
    state.SkipWithError("the pick did not land on the largest position");
    return;
  }
  for (auto _ : state) {
    glimmerkist::srand(seed);
    benchmark::DoNotOptimize(catalog.randomItem(tccPotionsAndOils));
  }
}
BENCHMARK(BM_RandomItemAtLargestPosition)
    ->Arg(kLargestPosition + 1)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace glimmerkist::bench
