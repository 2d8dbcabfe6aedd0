// A Hoard is the treasure of one encounter as a plain value: the chart it
// was drawn by, the seed its draws started from, the five coin counts, the
// gems and the magic items. Every front end draws its hoards through
// fillHoard, so the same seed and chart give the same hoard everywhere; the
// texts of a hoard are in treasure_report.h and hoard_json.h.
#ifndef GLIMMERKIST_TREASURE_HOARD_H_
#define GLIMMERKIST_TREASURE_HOARD_H_

#include <cstdint>

#include "catalog/item_catalog.h"
#include "catalog/item_list.h"
#include "catalog/record_list.h"
#include "treasure/coin_rates.h"
#include "treasure/gem.h"
#include "treasure/treasure_chart.h"

namespace glimmerkist {

using GemList = RecordList<Gem>;

struct Hoard {
  std::int32_t chart = -1;  // 0 to 25 for A to Z; -1 when none was drawn
  std::uint32_t seed = 0;   // srand(seed) and then the chart gives this hoard
  Coins coins{};
  GemList gems;
  ItemList magicItems;
};

/// Back to the empty hoard: no chart, no coins, no gems, no magic items.
void resetHoard(Hoard& hoard);

/// Appends `n` newly generated gems; n of 0 or less draws nothing.
void addGems(GemList& gems, std::int32_t n);

/// Fills `hoard` by `chart` with the program's generator, in the chart's
/// order of draws: the five coins, the gems, the magic items from `catalog`.
/// Like the chart rules, it appends gems to those the hoard holds and keeps
/// its magic items on a failed item roll; callers start from an empty hoard.
void fillHoard(const ItemCatalog& catalog, std::int32_t chart, Hoard& hoard);

/// The hoard of `chart` right after srand(seed): the one the interactive
/// program shows for an encounter of that chart after seeding. `hoard` is
/// emptied first; passing the same one again saves its room.
/// REQUIRES: chart 0 to 25.
void drawHoard(const ItemCatalog& catalog, std::int32_t chart, std::uint32_t seed, Hoard& hoard);
Hoard drawHoard(const ItemCatalog& catalog, std::int32_t chart, std::uint32_t seed);

/// The seed of hoard or item `index` (from 0) of a run whose first seed is
/// `first`. The first keeps `first`, so a run seeded with S starts with what
/// the interactive program draws first after srand(S). Every later one is
/// the murmur3 finaliser of first + index * 0x9E3779B9 (modulo 2^32): the
/// generator's first draws climb almost in step with the seed, so
/// neighbouring seeds would give hoards that follow a visible pattern.
std::uint32_t hoardSeed(std::uint32_t first, std::int64_t index);

/// The gems' worth in whole gold pieces, each at its printed value.
std::int64_t gemsWorth(const GemList& gems);

/// The whole hoard's value at `rates`, in units.
std::int64_t totalValue(const Hoard& hoard, const CoinRates& rates);

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

#endif  // GLIMMERKIST_TREASURE_HOARD_H_
