// A hoard written down for the batch command: the chart and seed it came
// from, its coins, its gems at their printed values and its magic items with
// their names as shown. The generator holds one hoard at a time; a sheet keeps
// it once the next one is drawn. Its worth and the party's shares of its coins
// are counted exactly, in units (coin_rates.h).
#ifndef GLIMMERKIST_TREASURE_HOARD_SHEET_H_
#define GLIMMERKIST_TREASURE_HOARD_SHEET_H_

#include <cstdint>
#include <string>
#include <vector>

#include "treasure/coin_rates.h"
#include "treasure/gem_names.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist {

struct GemLine {
  std::string name;      // empty for a gem of no kind, which no report shows
  std::int64_t valueGp;  // the printed value, whole gold pieces
};

struct ItemLine {
  // With blanks for underscores, every other byte as stored: a text meant
  // for people masks its control characters. Empty for no item.
  std::string name;
  std::int32_t category;  // 0 to 17, or -1 for no item
};

struct HoardSheet {
  std::int32_t chart = 0;  // 0 to 25
  std::uint32_t seed = 0;  // srand(seed) and then this chart gives the hoard
  Coins coins{};
  std::vector<GemLine> gems;
  std::vector<ItemLine> magicItems;
};

/// What goes with every hoard besides its contents.
struct HoardSheetOptions {
  CoinRates rates;
  /// Characters to split the coins among; 0 for no split.
  std::int32_t splitAmong = 0;
};

/// The seed of hoard or item `index` (from 0) of a run whose first seed is
/// `first`. The first keeps `first`, so a run seeded with S starts with what
/// the interactive program draws first after srand(S). Every later one is
/// the murmur3 finaliser of first + index * 0x9E3779B9 (modulo 2^32): the
/// generator's first draws climb almost in step with the seed, so
/// neighbouring seeds would give hoards that follow a visible pattern.
std::uint32_t hoardSeed(std::uint32_t first, std::int64_t index);

/// Empties the generator's hoard and fills it by `chart` after srand(seed):
/// the hoard the interactive program shows for an encounter of that chart
/// right after seeding. REQUIRES: chart 0 to 25.
void drawHoard(TreasureGenerator& generator, std::int32_t chart, std::uint32_t seed);

/// The coin counts of the generator's hoard.
Coins hoardCoins(const TreasureGenerator& generator);

/// The gems' worth in whole gold pieces, each at its printed value.
std::int64_t gemsWorth(const GemList& gems);

/// The value of coins at `rates` plus gems worth `gemsGp` whole gold pieces,
/// in units.
std::int64_t treasureValue(const Coins& coins, std::int64_t gemsGp, const CoinRates& rates);

/// Writes down the generator's hoard, drawn by its chart after srand(seed).
/// REQUIRES: the hoard was filled from a chart.
HoardSheet takeSheet(const TreasureGenerator& generator, std::uint32_t seed,
                     const GemNames& gemNames);

/// The sheet's gems' worth in whole gold pieces.
std::int64_t gemsWorth(const HoardSheet& sheet);

/// The whole hoard's value at `rates`, in units.
std::int64_t totalValue(const HoardSheet& sheet, const CoinRates& rates);

/// Coins divided evenly among the characters of a party: each character gets
/// `each`, and `remainder` of every metal is left over (fewer coins than there
/// are characters). Gems and magic items are not split.
struct PartySplit {
  std::int32_t characters = 1;
  Coins each{};
  Coins remainder{};
};

/// REQUIRES: characters >= 1.
PartySplit splitCoins(const Coins& coins, std::int32_t characters);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_HOARD_SHEET_H_
