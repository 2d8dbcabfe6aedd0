#include "web/page_session.h"

#include <sstream>
#include <utility>

#include "base/random.h"
#include "treasure/chart_stats.h"
#include "treasure/coin_rates.h"
#include "treasure/hoard_json.h"
#include "treasure/hoard_sheet.h"
#include "treasure/treasure_report.h"

namespace glimmerkist::web {
namespace {

// A generator with an empty catalog that reports an invalid chart on
// `terminal`.
std::unique_ptr<TreasureGenerator> emptyGenerator(Terminal& terminal) {
  std::istringstream noCatalog;
  return std::make_unique<TreasureGenerator>(terminal, noCatalog);
}

}  // namespace

PageSession::PageSession() : generator_(emptyGenerator(terminal_)), gemNames_(filledGemNames()) {}

CatalogOutcome PageSession::loadCatalog(std::string_view bytes) {
  std::unique_ptr<TreasureGenerator> generator = emptyGenerator(terminal_);
  std::istringstream in{std::string(bytes)};
  CatalogOutcome outcome;
  outcome.result = readCatalog(in, *generator);
  generator_ = std::move(generator);
  // The report of a corrupt catalog clears the screen first, so what is left
  // on it is that report; a clean load leaves only its progress line, which
  // the page does not need.
  if (outcome.result.status != LoadStatus::kLoaded) {
    terminal_.clear();
    reportLoad(terminal_, outcome.result);
    outcome.screen = terminal_.screen();
  }
  for (int code = 0; code < kCategoryCount; ++code) {
    outcome.counts[code] = generator_->category(code).count();
  }
  return outcome;
}

HoardOutcome PageSession::drawHoard(const HoardAddress& address, std::uint32_t freshSeed) {
  HoardOutcome outcome;
  std::optional<std::uint32_t> seed;
  if (!readSeed(address.seed, seed)) {
    outcome.problem = kSeedMessage;
    return outcome;
  }
  if (!readSplit(address.split, outcome.split)) {
    outcome.problem = kSplitMessage;
    return outcome;
  }
  outcome.seed = seed.value_or(freshSeed);

  // The charts read the letter and report an invalid one themselves.
  terminal_.clear();
  srand(outcome.seed);
  generator_->resetHoard();
  generator_->generateTreasureByLetter(address.chart);
  outcome.chart = generator_->treasureChart();
  if (outcome.chart < 0) {
    outcome.problem = terminal_.screen();
    return outcome;
  }
  outcome.address =
      hoardAddress(kTreasureCharts[outcome.chart].letter, outcome.seed, outcome.split);
  HoardSheetOptions options;
  options.splitAmong = outcome.split;
  HoardSheet sheet = takeSheet(*generator_, outcome.seed, gemNames_);
  outcome.json = hoardsJson({sheet}, options);
  for (ItemLine& item : sheet.magicItems) item.name = maskControlCharacters(item.name);
  outcome.shownJson = hoardsJson({sheet}, options);
  outcome.resultFile = encounterResultText(*generator_, gemNames_);
  return outcome;
}

std::string PageSession::pickItem(std::int32_t category, std::uint32_t seed) {
  srand(seed);
  const std::int32_t picked = isCategoryCode(category) ? category : randomCategory();
  return pickedItemLine(generator_->randomItem(picked));
}

std::string PageSession::chartStats(std::int32_t chart, std::int64_t runs, std::uint32_t seed) {
  // As glimmerkist-roll stats: no catalog, so that no item draw moves the
  // sequence and the figures are the charts' own.
  TreasureGenerator generator;
  return chartStatsMarkdown({gatherChartStats(generator, chart, runs, seed, CoinRates())});
}

}  // namespace glimmerkist::web
