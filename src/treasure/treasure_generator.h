// TreasureGenerator is the interactive program's one application object: the
// item catalog, plus the hoard of the current encounter (a chart number, five
// coin counts, gems and magic items) and the operations that fill the hoard by
// a treasure chart. The draws themselves are fillHoard's (hoard.h), which
// every front end shares.
#ifndef GLIMMERKIST_TREASURE_TREASURE_GENERATOR_H_
#define GLIMMERKIST_TREASURE_TREASURE_GENERATOR_H_

#include <cstdint>
#include <istream>
#include <string>

#include "base/terminal.h"
#include "catalog/catalog_loader.h"
#include "catalog/item_catalog.h"
#include "treasure/hoard.h"

namespace glimmerkist {

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
  TreasureGenerator() = default;
  ~TreasureGenerator() { resetHoard(); }

  TreasureGenerator(const TreasureGenerator&) = delete;
  TreasureGenerator& operator=(const TreasureGenerator&) = delete;

  /// How loading the catalog went; kLoaded for a generator built without.
  const LoadResult& loadResult() const { return loadResult_; }

  /// Empties the hoard: chart -1, all counts 0, no gems, no magic items.
  void resetHoard();

  std::int32_t getCopperPieces() const { return hoard_.coins[kCopper]; }
  std::int32_t getSilverPieces() const { return hoard_.coins[kSilver]; }
  std::int32_t getElectrumPieces() const { return hoard_.coins[kElectrum]; }
  std::int32_t getGoldPieces() const { return hoard_.coins[kGold]; }
  std::int32_t getPlatinumPieces() const { return hoard_.coins[kPlatinum]; }
  std::int32_t coins(Metal metal) const { return hoard_.coins[metal]; }

  const GemList& gems() const { return hoard_.gems; }
  const ItemList& magicItems() const { return hoard_.magicItems; }
  /// The chart last filled from, 0 to 25, or -1.
  std::int32_t treasureChart() const { return hoard_.chart; }
  /// The whole hoard, for the report and the result file.
  const Hoard& hoard() const { return hoard_; }

  /// Appends `n` newly generated gems; n of 0 or less draws nothing.
  void addGems(std::int32_t n) { glimmerkist::addGems(hoard_.gems, n); }

  /// Fills the hoard by the chart that `text` names ("a"/"A" to "z"/"Z");
  /// any other text is reported as an invalid chart.
  void generateTreasureByLetter(const std::string& text);

  /// Fills the hoard by chart 0 to 25; any other index empties the hoard and
  /// shows the invalid-chart report, drawing nothing.
  void generateTreasureByChart(std::int32_t chartIndex);

 private:
  void reportInvalidChart();

  Terminal* terminal_ = nullptr;  // null: nothing is reported
  Hoard hoard_;
  LoadResult loadResult_;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_TREASURE_GENERATOR_H_
