// The page's side of the core: the catalog in use, and the hoards, picks and
// chart figures the page asks for, each handed back as the texts the page
// shows or saves. Every draw, rule and text is the core's; this only seeds
// the generator and gathers what the core returns.
#ifndef GLIMMERKIST_WEB_PAGE_SESSION_H_
#define GLIMMERKIST_WEB_PAGE_SESSION_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "catalog/catalog_loader.h"
#include "catalog/item_category.h"
#include "treasure/gem_names.h"
#include "treasure/treasure_generator.h"
#include "web/page_request.h"
#include "web/screen_terminal.h"

namespace glimmerkist::web {

/// How a catalog loaded: the loader's outcome, the messages the console
/// program leaves on screen for it ("" when all went well) and the items of
/// each category.
struct CatalogOutcome {
  LoadResult result;
  std::string screen;
  std::array<std::int32_t, kCategoryCount> counts{};
};

/// A drawn hoard, or the problem that kept it from being drawn.
struct HoardOutcome {
  std::string problem;  // "" when the hoard was drawn
  std::int32_t chart = -1;
  std::uint32_t seed = 0;
  std::int32_t split = 0;
  std::string address;     // draws the same hoard again
  std::string json;        // glimmerkist-roll's JSON document of the hoard
  std::string shownJson;   // the same with names as shown: control characters "?"
  std::string resultFile;  // the bytes of EncounterTreasureResult.txt
};

class PageSession {
 public:
  /// Starts with an empty catalog.
  PageSession();

  PageSession(const PageSession&) = delete;
  PageSession& operator=(const PageSession&) = delete;

  /// Replaces the catalog with the one in `bytes`, read by the program's
  /// loader: a corrupt catalog keeps the items before the bad record.
  CatalogOutcome loadCatalog(std::string_view bytes);

  /// Draws the hoard that `address` names from the catalog, with
  /// `freshSeed` when the address gives no seed: after srand(seed), the
  /// hoard the console program shows for its first encounter.
  HoardOutcome drawHoard(const HoardAddress& address, std::uint32_t freshSeed);

  /// After srand(seed), one item of `category`, or of a category drawn first
  /// when `category` is no category code: the line the console program
  /// shows for that pick, "A(n) ...".
  std::string pickItem(std::int32_t category, std::uint32_t seed);

  /// The figures of `runs` hoards of `chart` (0 to 25) as the Markdown table
  /// of glimmerkist-roll stats, whose hoards these are.
  /// REQUIRES: 1 <= runs <= kMaxRuns.
  std::string chartStats(std::int32_t chart, std::int64_t runs, std::uint32_t seed);

 private:
  ScreenTerminal terminal_;
  std::unique_ptr<TreasureGenerator> generator_;
  GemNames gemNames_;
};

}  // namespace glimmerkist::web

#endif  // GLIMMERKIST_WEB_PAGE_SESSION_H_
