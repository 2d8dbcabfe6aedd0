// The page's side of the core: the catalog in use, and the hoards, picks and
// chart figures the page asks for, each handed back as the core's data and
// texts. Every draw, rule and text is the core's; this only seeds the draws,
// gathers what the core returns and words its problems for the page.
#ifndef GLIMMERKIST_WEB_PAGE_SESSION_H_
#define GLIMMERKIST_WEB_PAGE_SESSION_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_loader.h"
#include "catalog/item_catalog.h"
#include "catalog/item_category.h"
#include "treasure/chart_stats.h"
#include "treasure/hoard.h"
#include "web/page_request.h"

namespace glimmerkist::web {

/// How a catalog loaded: the loader's outcome, why the page refused it ("" when
/// it is in use now), a hint about how it was read ("" for none) and the items
/// of each category of the catalog in use.
struct CatalogOutcome {
  LoadResult result;
  std::string message;
  std::string hint;
  std::array<std::int32_t, kCategoryCount> counts{};
};

/// A drawn hoard, or the problem that kept it from being drawn.
struct HoardOutcome {
  std::string problem;  // "" when the hoard was drawn
  Hoard hoard;
  std::int32_t split = 0;
  std::string address;                // draws the same hoard again
  std::string json;                   // glimmerkist-roll's JSON document of the hoard
  std::string markdown;               // glimmerkist-roll's Markdown of the hoard
  std::string shownJson;              // the same with names as shown: control characters "?"
  std::string resultFile;             // the bytes of EncounterTreasureResult.txt
  std::vector<std::string> gemLines;  // the gems gathered by kind and value
};

class PageSession {
 public:
  /// Starts with an empty catalog.
  PageSession();

  PageSession(const PageSession&) = delete;
  PageSession& operator=(const PageSession&) = delete;

  /// Replaces the catalog with the one in `bytes`, read by the program's
  /// loader. A corrupt catalog, or one that holds no item, is refused: the
  /// catalog in use stays.
  CatalogOutcome loadCatalog(std::string_view bytes);

  /// Draws the hoard that `address` names from the catalog, with
  /// `freshSeed` when the address gives no seed: after srand(seed), the
  /// hoard the console program shows for its first encounter.
  HoardOutcome drawHoard(const HoardAddress& address, std::uint32_t freshSeed);

  /// After srand(seed), one item of `category`, or of a category drawn first
  /// when `category` is no category code: the item the console program
  /// shows for that pick, its name as shown (control characters "?"), noItem
  /// for an empty category.
  Item pickItem(std::int32_t category, std::uint32_t seed) const;

  /// The figures of `runs` hoards of `chart` (0 to 25), those of
  /// glimmerkist-roll stats. REQUIRES: 1 <= runs <= kMaxStatsRuns.
  static ChartStats chartStats(std::int32_t chart, std::int64_t runs, std::uint32_t seed,
                               const StatsProgress& progress = nullptr);

 private:
  std::unique_ptr<ItemCatalog> catalog_;
};

/// Why the page refuses a catalog read as `result`: the core's message and
/// detail in a sentence of the page's own, or that it holds no item; "" for
/// a catalog it takes.
std::string catalogMessage(const LoadResult& result);

}  // namespace glimmerkist::web

#endif  // GLIMMERKIST_WEB_PAGE_SESSION_H_
