#include "web/page_session.h"

#include <cstdio>
#include <sstream>
#include <utility>

#include "base/random.h"
#include "roll/chart_stats.h"
#include "roll/coin_rates.h"
#include "roll/hoard_formats.h"
#include "roll/hoard_sheet.h"
#include "treasure/encounter_result.h"

namespace glimmerkist::web {
namespace {

std::unique_ptr<TreasureGenerator> generatorFor(Terminal& terminal, std::string_view catalog) {
  std::istringstream in{std::string(catalog)};
  return std::make_unique<TreasureGenerator>(terminal, in);
}

std::string printed(const char* pattern, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

}  // namespace

PageSession::PageSession()
    : generator_(generatorFor(terminal_, "")), statsGenerator_(generatorFor(terminal_, "")) {
  for (int kind = 0; kind < kGemKindCount; ++kind) gemNames_[kind] = kGemNames[kind];
}

CatalogOutcome PageSession::loadCatalog(std::string_view bytes) {
  terminal_.clear();
  generator_ = generatorFor(terminal_, bytes);
  CatalogOutcome outcome;
  outcome.result = generator_->loadResult();
  // The loader clears the screen before a report the person must read, so
  // what is left on it is that report; a clean load leaves only its
  // progress line, which the page does not need.
  if (outcome.result.status != LoadStatus::kLoaded) outcome.screen = terminal_.screen();
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

  roll::HoardSheetOptions options;
  options.splitAmong = outcome.split;
  std::ostringstream json;
  roll::writeHoardsJson(json, {roll::takeSheet(*generator_, outcome.seed, gemNames_)}, options);
  outcome.json = json.str();
  std::ostringstream file;
  writeEncounterResultText(file, *generator_, gemNames_);
  outcome.resultFile = file.str();
  return outcome;
}

std::string PageSession::pickItem(std::int32_t category, std::uint32_t seed) {
  srand(seed);
  const std::int32_t picked = isCategoryCode(category) ? category : randomCategory();
  std::string name = generator_->randomItem(picked).getName();
  for (char& c : name) {
    if (c == '_') c = ' ';
  }
  return "A(n) " + name;
}

StatsRow PageSession::chartStats(std::int32_t chart, std::int64_t runs, std::uint32_t seed) {
  const roll::CoinRates rates;
  const roll::ChartStats stats = roll::gatherChartStats(*statsGenerator_, chart, runs, seed, rates);
  StatsRow row;
  row.chart = kTreasureCharts[chart].letter;
  for (int metal = 0; metal < kMetalCount; ++metal) {
    row.seen[metal] = printed("%.1f%%", stats.seenShare[metal] * 100.0);
    row.mean[metal] = printed("%.1f", stats.meanCount[metal]);
  }
  row.gems = printed("%.2f", stats.meanGems);
  row.magicItems = printed("%.2f", stats.meanMagicItems);
  row.meanGp = printed("%.2f", stats.meanTotalGp);
  row.p10 = roll::formatGold(stats.p10);
  row.p50 = roll::formatGold(stats.p50);
  row.p90 = roll::formatGold(stats.p90);
  return row;
}

}  // namespace glimmerkist::web
