#include "treasure/hoard.h"

#include <algorithm>

#include "base/random.h"
#include "treasure/rolls.h"

namespace glimmerkist {
namespace {

// Draws the category of one "any" item, optionally never weapons.
int rollCategory(bool allowWeapons) {
  int category = randomCategory();
  while (!allowWeapons && category == tccWeapons) category = randomCategory();
  return category;
}

void fillCoins(const TreasureChart& chart, Coins& coins) {
  for (int metal = 0; metal < kMetalCount; ++metal) {
    const CoinCell& cell = chart.coins[metal];
    std::int32_t& count = coins[metal];
    switch (cell.kind) {
      case CoinCell::kChance:
        count = rollCoins(cell.chance, cell.low, cell.high);
        break;
      case CoinCell::kNever:
        rollPercentile();  // drawn and ignored: it shifts every later draw
        count = 0;
        break;
      case CoinCell::kRange:
        count = std::max<std::int32_t>(randomRange(cell.low, cell.high), 0);
        break;
      case CoinCell::kZero:
        count = 0;
        break;
    }
  }
}

void fillGems(const GemCell& cell, GemList& gems) {
  switch (cell.kind) {
    case GemCell::kChance:
      if (rollPercentile() <= cell.chance) {
        addGems(gems, randomRange(cell.low, cell.high));
      } else {
        gems.clear();
      }
      break;
    case GemCell::kRange:
      addGems(gems, randomRange(cell.low, cell.high));
      break;
    case GemCell::kNone:
      gems.clear();
      break;
  }
}

void drawItems(const ItemCatalog& catalog, const ItemDraw& draw, ItemList& items) {
  const int count = draw.countDie > 0 ? rand() % draw.countDie + 1 : draw.count;
  for (int i = 0; i < count; ++i) {
    const int category = draw.source == ItemDraw::kCategory
                             ? draw.category
                             : rollCategory(draw.source == ItemDraw::kAny);
    items.append(catalog.randomItem(category));
  }
}

void fillMagicItems(const ItemCatalog& catalog, const ItemCell& cell, ItemList& items) {
  switch (cell.kind) {
    case ItemCell::kAtLeast:
      // Unlike the coin and gem rolls, this one passes on the threshold or more.
      if (rollPercentile() < cell.threshold) return;
      break;
    case ItemCell::kAlways:
      break;
    case ItemCell::kNone:
      items.clear();
      return;
  }
  items.clear();
  for (const ItemDraw& draw : cell.draws) drawItems(catalog, draw, items);
}

}  // namespace

void resetHoard(Hoard& hoard) {
  hoard.chart = -1;
  hoard.coins.fill(0);
  hoard.gems.clear();
  hoard.magicItems.clear();
}

void addGems(GemList& gems, std::int32_t n) {
  Gem gem;
  for (std::int32_t i = 0; i < n; ++i) {
    gem.reset();
    gem.generate();
    gems.append(gem);
  }
}

void fillHoard(const ItemCatalog& catalog, std::int32_t chart, Hoard& hoard) {
  const TreasureChart& recipe = kTreasureCharts[chart];
  hoard.chart = chart;
  fillCoins(recipe, hoard.coins);
  fillGems(recipe.gems, hoard.gems);
  fillMagicItems(catalog, recipe.items, hoard.magicItems);
}

void drawHoard(const ItemCatalog& catalog, std::int32_t chart, std::uint32_t seed, Hoard& hoard) {
  resetHoard(hoard);
  srand(seed);
  hoard.seed = seed;
  fillHoard(catalog, chart, hoard);
}

Hoard drawHoard(const ItemCatalog& catalog, std::int32_t chart, std::uint32_t seed) {
  Hoard hoard;
  drawHoard(catalog, chart, seed, hoard);
  return hoard;
}

std::uint32_t hoardSeed(std::uint32_t first, std::int64_t index) {
  if (index == 0) return first;
  std::uint32_t h = first + static_cast<std::uint32_t>(index) * 0x9E3779B9u;
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}

std::int64_t gemsWorth(const GemList& gems) {
  std::int64_t total = 0;
  for (const Gem& gem : gems) total += gem.printedValue();
  return total;
}

std::int64_t totalValue(const Hoard& hoard, const CoinRates& rates) {
  return coinValue(hoard.coins, rates) + gemsWorth(hoard.gems) * kUnitsPerGp;
}

PartySplit splitCoins(const Coins& coins, std::int32_t characters) {
  PartySplit split;
  split.characters = characters;
  for (int metal = 0; metal < kMetalCount; ++metal) {
    split.each[metal] = coins[metal] / characters;
    split.remainder[metal] = coins[metal] % characters;
  }
  return split;
}

}  // namespace glimmerkist
