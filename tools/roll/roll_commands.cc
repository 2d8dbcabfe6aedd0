#include "roll/roll_commands.h"

#include <array>
#include <memory>

#include "base/quoted_input.h"
#include "roll/catalog_counts.h"
#include "roll/catalog_source.h"
#include "roll/picked_items.h"
#include "roll/stats_formats.h"
#include "treasure/chart_stats.h"
#include "treasure/hoard.h"
#include "treasure/hoard_json.h"
#include "treasure/treasure_report.h"

namespace glimmerkist::roll {
namespace {

std::string joined(const std::vector<std::string>& places) {
  std::string text;
  for (const std::string& place : places) {
    text += (text.empty() ? "" : ", ") + escapedControls(place);
  }
  return text;
}

// Loads the named catalog, or the default one, and unless `quiet` says on
// `err` which file it is. A catalog named on the command line may be a pipe
// or a device, as the person asked for it; one found by looking must be a
// regular file. Null after reporting a catalog that is missing or does not
// load.
std::unique_ptr<ItemCatalog> openCatalog(const std::string& requested, bool quiet,
                                         std::ostream& err) {
  std::string path = requested;
  CatalogFiles kinds = CatalogFiles::kAnyButFolder;
  if (path.empty()) {
    path = defaultCatalog();
    kinds = CatalogFiles::kRegularOnly;
    if (path.empty()) {
      err << kProgramName << ": no catalog found (looked for " << joined(defaultCatalogCandidates())
          << "); name one with --catalog FILE\n";
      return nullptr;
    }
  }
  if (!quiet) err << kProgramName << ": using the catalog " << quotedPath(path) << "\n";
  auto catalog = std::make_unique<ItemCatalog>();
  const std::string problem = describeLoadProblem(readCatalogFile(path, *catalog, kinds), path);
  if (!problem.empty()) {
    err << kProgramName << ": " << problem << "\n";
    return nullptr;
  }
  return catalog;
}

}  // namespace

int runEncounterCommand(const EncounterRequest& request, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<ItemCatalog> catalog = openCatalog(request.catalog, request.quiet, err);
  if (!catalog) return kExitFailure;

  std::vector<Hoard> hoards;
  Hoard hoard;
  for (std::int32_t i = 0; i < request.count; ++i) {
    drawHoard(*catalog, request.chart, hoardSeed(request.seed, i), hoard);
    if (request.format == Format::kText) {
      out << hoardText(hoard, i, request.count);
    } else {
      hoards.push_back(hoard);
    }
  }
  if (request.format == Format::kJson) out << hoardsJson(hoards, request.sheet);
  if (request.format == Format::kMarkdown) out << hoardsMarkdown(hoards, request.sheet);
  return kExitSuccess;
}

int runItemCommand(const ItemRequest& request, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<ItemCatalog> catalog = openCatalog(request.catalog, request.quiet, err);
  if (!catalog) return kExitFailure;
  std::vector<PickedItem> items;
  items.reserve(static_cast<std::size_t>(request.count));
  for (std::int32_t i = 0; i < request.count; ++i) {
    items.push_back(pickItem(*catalog, request.category, hoardSeed(request.seed, i)));
  }
  writePickedItems(out, request.format, items);
  return kExitSuccess;
}

int runStatsCommand(const StatsRequest& request, std::ostream& out, std::ostream& /*err*/) {
  std::vector<ChartStats> stats;
  for (std::int32_t chart : request.charts) {
    stats.push_back(gatherChartStats(chart, request.runs, request.seed, request.rates));
  }
  writeChartStats(out, request.format, stats, request.rates);
  return kExitSuccess;
}

int runCatalogCommand(const CatalogRequest& request, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<ItemCatalog> catalog = openCatalog(request.catalog, request.quiet, err);
  if (!catalog) return kExitFailure;
  CategoryCounts counts{};
  for (int code = 0; code < kCategoryCount; ++code) counts[code] = catalog->category(code).count();
  writeCatalogCounts(out, request.format, counts);
  return kExitSuccess;
}

}  // namespace glimmerkist::roll
