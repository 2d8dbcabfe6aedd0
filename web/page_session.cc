#include "web/page_session.h"

#include <sstream>
#include <utility>

#include "base/random.h"
#include "treasure/chart_file.h"
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

constexpr char kChartsKept[] = " It is not used; the charts in use stay.";

// A file name as the page quotes it, each control character a "?".
std::string quotedName(std::string_view name) {
  return "\"" + maskControlCharacters(std::string(name)) + "\"";
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

bool isChartFile(std::string_view fileName, std::string_view bytes) {
  constexpr std::string_view kExtension = ".charts";
  if (fileName.size() >= kExtension.size() &&
      fileName.substr(fileName.size() - kExtension.size()) == kExtension) {
    return true;
  }
  constexpr std::string_view kBlanks = " \t\r\n";
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
  }
  while (true) {
    const std::size_t start = bytes.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return false;
    bytes.remove_prefix(start);
    if (bytes.front() != '#') break;
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) return false;
    bytes.remove_prefix(end);
  }
  const std::string_view word = bytes.substr(0, bytes.find_first_of(kBlanks));
  return word == "chart";
}

std::string PageSession::loadCharts(std::string_view bytes, std::string_view fileName) {
  ChartFileResult loaded = parseChartFile(bytes);
  if (!loaded.ok()) {
    const ChartFileProblem& problem = *loaded.problem;
    std::string message = "The chart file " + quotedName(fileName);
    if (problem.line == 0) return message + " could not be read." + kChartsKept;
    return message + " is refused at line " + std::to_string(problem.line) + ", column " +
           std::to_string(problem.column) + ": " + problem.message + "." + kChartsKept;
  }
  charts_ = std::move(loaded.charts);
  chartFile_ = fileName;
  return "";
}

std::string PageSession::readChartNames(std::string_view names,
                                        std::vector<std::int32_t>& charts) const {
  if (chartFile_.empty()) return kChartsMessage;
  std::vector<std::int32_t> read;
  constexpr std::string_view kApart = " \t,";
  for (std::size_t at = names.find_first_not_of(kApart); at != std::string_view::npos;
       at = names.find_first_not_of(kApart, at)) {
    const std::string_view name = names.substr(at, names.find_first_of(kApart, at) - at);
    read.push_back(findChart(charts_, name));
    if (read.back() < 0) {
      return quotedName(name) + " is no chart of " + quotedName(chartFile_) +
             ". Please name its charts, or none for all of them.";
    }
    at += name.size();
  }
  if (read.empty()) {
    for (std::size_t i = 0; i < charts_.size(); ++i) read.push_back(static_cast<std::int32_t>(i));
  }
  charts = std::move(read);
  return "";
}

void PageSession::forgetCharts() {
  charts_.clear();
  chartFile_.clear();
}

std::string PageSession::findAddressedChart(const HoardAddress& address,
                                            std::int32_t& chart) const {
  if (address.charts.empty()) return readChart(address.chart, chart).ok() ? "" : kChartMessage;
  if (address.charts != chartFile_) {
    return "This link draws from the chart file " + quotedName(address.charts) +
           ", which this browser does not hold. Please load it under Your charts and open the "
           "link again.";
  }
  chart = findChart(charts_, address.chart);
  if (chart >= 0) return "";
  return quotedName(address.chart) + " is no chart of " + quotedName(chartFile_) +
         ". Please choose one of its charts.";
}

HoardOutcome PageSession::drawHoard(const HoardAddress& address, std::uint32_t freshSeed) {
  HoardOutcome outcome;
  std::int32_t chart = 0;
  std::optional<std::uint32_t> seed;
  outcome.problem = findAddressedChart(address, chart);
  if (!outcome.problem.empty()) {
    if (address.charts != chartFile_) outcome.missingCharts = address.charts;
  } else if (!readSeed(address.seed, seed)) {
    outcome.problem = kSeedMessage;
  } else if (!readSplit(address.split, outcome.split)) {
    outcome.problem = splitMessage();
  }
  if (!outcome.problem.empty()) return outcome;

  if (address.charts.empty()) {
    outcome.hoard = glimmerkist::drawHoard(*catalog_, chart, seed.value_or(freshSeed));
  } else {
    glimmerkist::drawHoard(*catalog_, charts_[chart], seed.value_or(freshSeed), outcome.hoard);
    outcome.chartFile = chartFile_;
  }
  outcome.address =
      hoardAddress(outcome.chartFile, outcome.hoard.chartName, outcome.hoard.seed, outcome.split);
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

ChartStats PageSession::chartStats(const TreasureChart& chart, std::int64_t runs,
                                   std::uint32_t seed, const StatsProgress& progress) {
  return gatherChartStats(chart, runs, seed, CoinRates(), progress);
}

}  // namespace glimmerkist::web
