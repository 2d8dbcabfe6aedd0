#include "web/page_session.h"

#include <sstream>
#include <utility>

#include "base/random.h"
#include "treasure/coin_rates.h"
#include "treasure/hoard_json.h"
#include "treasure/treasure_report.h"
#include "web/page_texts.h"

namespace glimmerkist::web {
namespace {

// `item` with its name as people see it: each control character a "?".
Item asShown(Item item) {
  if (!item.getName().empty()) item.setName(maskControlCharacters(item.getName()));
  return item;
}

}  // namespace

PageSession::PageSession() : catalog_(std::make_unique<ItemCatalog>()) {}

std::string catalogMessage(const LoadResult& result) {
  const Problem& problem = result.problem;
  constexpr char kKept[] = " It is not used; the catalog in use stays.";
  if (problem.ok()) {
    if (result.filed > 0) return "";
    return std::string(
               "This catalog holds no item: each item is its name and then its category "
               "tag, such as Ring_of_Proof tccRings.") +
           kKept;
  }
  std::string message = "This catalog is corrupt";
  if (!problem.detail.empty()) message += " at " + problem.detail;
  return message + ": " + problem.message() + "." + kKept;
}

CatalogOutcome PageSession::loadCatalog(std::string_view bytes) {
  auto catalog = std::make_unique<ItemCatalog>();
  std::istringstream in{std::string(bytes)};
  CatalogOutcome outcome;
  outcome.result = readCatalog(in, *catalog);
  outcome.message = catalogMessage(outcome.result);
  if (outcome.message.empty()) {
    catalog_ = std::move(catalog);
    outcome.hint = catalogHint(bytes);
  }
  for (int code = 0; code < kCategoryCount; ++code) {
    outcome.counts[code] = catalog_->category(code).count();
  }
  return outcome;
}

HoardOutcome PageSession::drawHoard(const HoardAddress& address, std::uint32_t freshSeed) {
  HoardOutcome outcome;
  std::int32_t chart = 0;
  std::optional<std::uint32_t> seed;
  if (!readChart(address.chart, chart).ok()) {
    outcome.problem = kChartMessage;
  } else if (!readSeed(address.seed, seed)) {
    outcome.problem = kSeedMessage;
  } else if (!readSplit(address.split, outcome.split)) {
    outcome.problem = splitMessage();
  }
  if (!outcome.problem.empty()) return outcome;

  outcome.hoard = glimmerkist::drawHoard(*catalog_, chart, seed.value_or(freshSeed));
  outcome.address = hoardAddress(kTreasureCharts[chart].name[0], outcome.hoard.seed, outcome.split);
  HoardOptions options;
  options.splitAmong = outcome.split;
  outcome.json = hoardsJson({outcome.hoard}, options);
  outcome.markdown = hoardsMarkdown({outcome.hoard}, options);
  outcome.resultFile = encounterResultText(outcome.hoard, storedGemNames());
  outcome.gemLines = groupedGemLines(outcome.hoard.gems);
  // The page lays out names as people see them; the JSON to save keeps them.
  Hoard shown = outcome.hoard;
  shown.magicItems.clear();
  for (const Item& item : outcome.hoard.magicItems) shown.magicItems.append(asShown(item));
  outcome.shownJson = hoardsJson({shown}, options);
  return outcome;
}

Item PageSession::pickItem(std::int32_t category, std::uint32_t seed) const {
  srand(seed);
  const std::int32_t picked = isCategoryCode(category) ? category : randomCategory();
  return asShown(catalog_->randomItem(picked));
}

ChartStats PageSession::chartStats(std::int32_t chart, std::int64_t runs, std::uint32_t seed,
                                   const StatsProgress& progress) {
  return gatherChartStats(chart, runs, seed, CoinRates(), progress);
}

}  // namespace glimmerkist::web
