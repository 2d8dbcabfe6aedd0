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
#include "treasure/treasure_chart.h"
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
  std::string missingCharts;          // a chart file the address names and the page lacks
  std::string chartFile;              // the file of the hoard's chart; "" for a built-in one
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

  /// Takes the chart file `bytes`, called `fileName`, read by the program's
  /// chart file parser, beside the built-in charts: "" when its charts are in
  /// use now, else why it was refused, with its line and column. A refused
  /// file is never kept: the charts in use stay.
  std::string loadCharts(std::string_view bytes, std::string_view fileName);
  /// Back to the built-in charts only.
  void forgetCharts();
  /// The charts of the chart file in use, and its name; none and "" without.
  const std::vector<TreasureChart>& charts() const { return charts_; }
  const std::string& chartFileName() const { return chartFile_; }
  /// The charts of the chart file in use that `names` names, apart by
  /// blanks or commas, in that order, or all of them for none: "" or the
  /// problem, leaving `charts` unchanged.
  std::string readChartNames(std::string_view names, std::vector<std::int32_t>& charts) const;

  /// Draws the hoard that `address` names from the catalog, with
  /// `freshSeed` when the address gives no seed: after srand(seed), the
  /// hoard the console program shows for its first encounter. A chart of a
  /// chart file is drawn when the address names the file in use; any other
  /// file is reported missing.
  HoardOutcome drawHoard(const HoardAddress& address, std::uint32_t freshSeed);

  /// After srand(seed), one item of `category`, or of a category drawn first
  /// when `category` is no category code: the item the console program
  /// shows for that pick, its name as shown (control characters "?"), noItem
  /// for an empty category.
  Item pickItem(std::int32_t category, std::uint32_t seed) const;

  /// The figures of `runs` hoards of `chart`, those of glimmerkist-roll
  /// stats. REQUIRES: 1 <= runs <= kMaxStatsRuns.
  static ChartStats chartStats(const TreasureChart& chart, std::int64_t runs, std::uint32_t seed,
                               const StatsProgress& progress = nullptr);

 private:
  /// The position of the chart `address` names, in the built-in charts or
  /// those of the chart file in use, into `chart`; "" or the problem.
  std::string findAddressedChart(const HoardAddress& address, std::int32_t& chart) const;

  std::unique_ptr<ItemCatalog> catalog_;
  std::vector<TreasureChart> charts_;
  std::string chartFile_;
};

/// Why the page refuses a catalog read as `result`: the core's message and
/// detail in a sentence of the page's own, or that it holds no item; "" for
/// a catalog it takes.
std::string catalogMessage(const LoadResult& result);

/// Whether a file dropped on the page is a chart file rather than a catalog:
/// its name ends in ".charts", or its first line that is neither blank nor a
/// "#" comment begins with the word "chart".
bool isChartFile(std::string_view fileName, std::string_view bytes);

}  // namespace glimmerkist::web

#endif  // GLIMMERKIST_WEB_PAGE_SESSION_H_
