#include "roll/roll_commands.h"

#include <cstdio>
#include <memory>

#include "roll/catalog_source.h"
#include "roll/picked_items.h"
#include "roll/stats_formats.h"
#include "treasure/chart_stats.h"
#include "treasure/hoard_sheet.h"
#include "treasure/treasure_generator.h"
#include "treasure/treasure_report.h"

namespace glimmerkist::roll {
namespace {

std::string joined(const std::vector<std::string>& places) {
  std::string text;
  for (const std::string& place : places) text += (text.empty() ? "" : ", ") + place;
  return text;
}

// Loads the named catalog, or the default one, and says on `err` which file
// it is. Null after reporting a catalog that is missing or does not load.
std::unique_ptr<TreasureGenerator> loadGenerator(const std::string& requested, std::ostream& err) {
  std::string path = requested;
  if (path.empty()) {
    const std::vector<std::string> candidates = defaultCatalogCandidates();
    path = findCatalog(candidates);
    if (path.empty()) {
      err << kProgramName << ": no catalog found (looked for " << joined(candidates)
          << "); name one with --catalog FILE\n";
      return nullptr;
    }
  }
  err << kProgramName << ": using the catalog " << path << "\n";
  auto generator = std::make_unique<TreasureGenerator>();
  const std::string problem = describeLoadProblem(readCatalogFile(path, *generator), path);
  if (!problem.empty()) {
    err << kProgramName << ": " << problem << "\n";
    return nullptr;
  }
  return generator;
}

}  // namespace

int runEncounterCommand(const EncounterRequest& request, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<TreasureGenerator> generator = loadGenerator(request.catalog, err);
  if (!generator) return kExitFailure;
  const GemNames gemNames = filledGemNames();

  std::vector<HoardSheet> sheets;
  for (std::int32_t i = 0; i < request.count; ++i) {
    const std::uint32_t seed = hoardSeed(request.seed, i);
    drawHoard(*generator, request.chart, seed);
    if (request.format == Format::kText) {
      writeHoardHeading(out, request.chart, seed, i, request.count);
      out << encounterReportText(*generator, gemNames);
    } else {
      sheets.push_back(takeSheet(*generator, seed, gemNames));
    }
  }
  if (request.format == Format::kJson) writeHoardsJson(out, sheets, request.sheet);
  if (request.format == Format::kMarkdown) writeHoardsMarkdown(out, sheets, request.sheet);
  return kExitSuccess;
}

int runItemCommand(const ItemRequest& request, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<TreasureGenerator> generator = loadGenerator(request.catalog, err);
  if (!generator) return kExitFailure;
  std::vector<PickedItem> items;
  items.reserve(static_cast<std::size_t>(request.count));
  for (std::int32_t i = 0; i < request.count; ++i) {
    items.push_back(pickItem(*generator, request.category, hoardSeed(request.seed, i)));
  }
  writePickedItems(out, request.format, items);
  return kExitSuccess;
}

int runStatsCommand(const StatsRequest& request, std::ostream& out, std::ostream& /*err*/) {
  TreasureGenerator generator;
  std::vector<ChartStats> stats;
  for (std::int32_t chart : request.charts) {
    stats.push_back(gatherChartStats(generator, chart, request.runs, request.seed, request.rates));
  }
  writeChartStats(out, request.format, stats, request.rates);
  return kExitSuccess;
}

int runCatalogCommand(const CatalogRequest& request, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<TreasureGenerator> generator = loadGenerator(request.catalog, err);
  if (!generator) return kExitFailure;
  char line[80];
  std::snprintf(line, sizeof line, " %-32s %7s\n", "Category", "Items");
  out << line;
  std::int64_t total = 0;
  for (int code = 0; code < kCategoryCount; ++code) {
    const std::int32_t count = generator->category(code).count();
    total += count;
    std::snprintf(line, sizeof line, " %3d  %-27s %7d\n", code,
                  std::string(kCategoryTags[code]).c_str(), count);
    out << line;
  }
  std::snprintf(line, sizeof line, " %-32s %7lld\n", "Total", static_cast<long long>(total));
  out << line;
  return kExitSuccess;
}

}  // namespace glimmerkist::roll
