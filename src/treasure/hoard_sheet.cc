#include "treasure/hoard_sheet.h"

#include <utility>

#include "base/random.h"
#include "treasure/treasure_report.h"

namespace glimmerkist {

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

void drawHoard(TreasureGenerator& generator, std::int32_t chart, std::uint32_t seed) {
  srand(seed);
  generator.resetHoard();
  generator.generateTreasureByChart(chart);
}

Coins hoardCoins(const TreasureGenerator& generator) {
  Coins coins{};
  for (int metal = 0; metal < kMetalCount; ++metal) {
    coins[metal] = generator.coins(static_cast<Metal>(metal));
  }
  return coins;
}

std::int64_t gemsWorth(const GemList& gems) {
  std::int64_t total = 0;
  for (const Gem& gem : gems) total += gem.printedValue();
  return total;
}

std::int64_t treasureValue(const Coins& coins, std::int64_t gemsGp, const CoinRates& rates) {
  return coinValue(coins, rates) + gemsGp * kUnitsPerGp;
}

HoardSheet takeSheet(const TreasureGenerator& generator, std::uint32_t seed,
                     const GemNames& gemNames) {
  HoardSheet sheet;
  sheet.chart = generator.treasureChart();
  sheet.seed = seed;
  sheet.coins = hoardCoins(generator);
  for (const Gem& gem : generator.gems()) {
    sheet.gems.push_back({isGemKind(gem.kind()) ? gemNames[gem.kind()] : "", gem.printedValue()});
  }
  for (const Item& item : generator.magicItems()) {
    sheet.magicItems.push_back({nameWithBlanks(item), item.getCategory()});
  }
  return sheet;
}

std::int64_t gemsWorth(const HoardSheet& sheet) {
  std::int64_t total = 0;
  for (const GemLine& gem : sheet.gems) total += gem.valueGp;
  return total;
}

std::int64_t totalValue(const HoardSheet& sheet, const CoinRates& rates) {
  return treasureValue(sheet.coins, gemsWorth(sheet), rates);
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
