// TreasureGenerator is the program's one application object: the item
// catalog, plus the hoard of the current encounter (a chart number, five coin
// counts, gems and magic items) and the operations that fill the hoard by a
// treasure chart.
#ifndef GLIMMERKIST_TREASURE_TREASURE_GENERATOR_H_
#define GLIMMERKIST_TREASURE_TREASURE_GENERATOR_H_

#include <array>
#include <cstdint>
#include <istream>
#include <string>

#include "base/terminal.h"
#include "catalog/catalog_loader.h"
#include "catalog/item_catalog.h"
#include "catalog/item_list.h"
#include "treasure/gem.h"
#include "treasure/treasure_chart.h"

namespace glimmerkist {

using GemList = RecordList<Gem>;

class TreasureGenerator : public ItemCatalog {
 public:
  /// Builds an empty catalog and an empty hoard, then loads the catalog from
  /// `catalogPath`. Loader messages, the invalid-chart report and their
  /// pauses go to `terminal`, which must outlive the generator.
  explicit TreasureGenerator(Terminal& terminal, const std::string& catalogPath = kCatalogFileName);
  /// The same, with the catalog read from a stream that is already open; an
  /// empty stream gives an empty catalog.
  TreasureGenerator(Terminal& terminal, std::istream& catalog);
  /// An empty catalog and an empty hoard, with no terminal: the caller fills
  /// the catalog (readCatalogFile) and reports as it sees fit, and an invalid
  /// chart empties the hoard without a report.
  TreasureGenerator() { resetHoard(); }
  ~TreasureGenerator() { resetHoard(); }

  TreasureGenerator(const TreasureGenerator&) = delete;
  TreasureGenerator& operator=(const TreasureGenerator&) = delete;

  /// How loading the catalog went; kLoaded for a generator built without.
  const LoadResult& loadResult() const { return loadResult_; }

  /// Empties the hoard: chart -1, all counts 0, no gems, no magic items.
  void resetHoard();

  std::int32_t getCopperPieces() const { return coins_[kCopper]; }
  std::int32_t getSilverPieces() const { return coins_[kSilver]; }
  std::int32_t getElectrumPieces() const { return coins_[kElectrum]; }
  std::int32_t getGoldPieces() const { return coins_[kGold]; }
  std::int32_t getPlatinumPieces() const { return coins_[kPlatinum]; }
  std::int32_t coins(Metal metal) const { return coins_[metal]; }

  const GemList& gems() const { return gems_; }
  const ItemList& magicItems() const { return magicItems_; }
  /// The chart last filled from, 0 to 25, or -1.
  std::int32_t treasureChart() const { return treasureChart_; }

  /// Appends `n` newly generated gems; n of 0 or less draws nothing.
  void addGems(std::int32_t n);

  /// Fills the hoard by the chart that `text` names ("a"/"A" to "z"/"Z");
  /// any other text is reported as an invalid chart.
  void generateTreasureByLetter(const std::string& text);

  /// Fills the hoard by chart 0 to 25; any other index empties the hoard and
  /// shows the invalid-chart report, drawing nothing.
  void generateTreasureByChart(std::int32_t chartIndex);

  /// Fills the hoard by `chart`, built-in or a game master's own, in the
  /// order of draws of the built-in charts; treasureChart() is not changed.
  void generateTreasure(const TreasureChart& chart);

 private:
  void fillCoins(const TreasureChart& chart);
  void fillGems(const GemCell& cell);
  void fillMagicItems(const ItemCell& cell);
  void drawItems(const ItemDraw& draw);
  void reportInvalidChart();

  Terminal* terminal_ = nullptr;  // null: nothing is reported
  GemList gems_;
  ItemList magicItems_;
  std::int32_t treasureChart_ = -1;
  std::array<std::int32_t, kMetalCount> coins_{};
  LoadResult loadResult_;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_TREASURE_GENERATOR_H_
