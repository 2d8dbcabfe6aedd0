#include "roll/roll_commands.h"

#include <array>
#include <memory>

#include "base/quoted_input.h"
#include "roll/catalog_counts.h"
#include "roll/catalog_source.h"
#include "roll/picked_items.h"
#include "roll/stats_formats.h"
#include "treasure/chart_file.h"
#include "treasure/chart_list.h"
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

// The charts of `path`, or the built-in ones when it is "". Null after
// reporting a file that does not load.
std::unique_ptr<std::vector<TreasureChart>> loadCharts(const std::string& path, std::ostream& err) {
  if (path.empty()) return std::make_unique<std::vector<TreasureChart>>(builtInCharts());
  ChartFileResult loaded = loadChartFile(path);
  if (!loaded.ok()) {
    const ChartFileProblem& problem = *loaded.problem;
    err << kProgramName << ": "
        << (problem.line == 0 ? describeOpenFailure(path, "chart file")
                              : describeChartFileProblem(problem, quotedInput(path)))
        << "\n";
    return nullptr;
  }
  return std::make_unique<std::vector<TreasureChart>>(std::move(loaded.charts));
}

// The position of the chart called `name` in `charts`, read from `path`, or
// -1 after saying which charts there are.
std::int32_t findNamedChart(const std::vector<TreasureChart>& charts, const std::string& name,
                            const std::string& path, std::ostream& err) {
  const std::int32_t found = findChart(charts, name);
  if (found >= 0) return found;
  constexpr std::size_t kNamesShown = 10;
  err << kProgramName << ": " << quotedInput(name) << " is no chart of " << quotedInput(path)
      << "; its charts are ";
  for (std::size_t i = 0; i < charts.size() && i < kNamesShown; ++i) {
    err << (i == 0 ? "" : ", ") << quotedInput(charts[i].name);
  }
  if (charts.size() > kNamesShown) err << " and " << charts.size() - kNamesShown << " more";
  err << "\n";
  return -1;
}

}  // namespace

int runEncounterCommand(const EncounterRequest& request, std::ostream& out, std::ostream& err) {
  const auto charts = loadCharts(request.chartFile, err);
  if (!charts) return kExitFailure;
  const std::int32_t found = request.chartFile.empty() ? request.chart
                                                       : findNamedChart(*charts, request.chartName,
                                                                        request.chartFile, err);
  if (found < 0) return kExitUsage;
  const TreasureChart& chart = (*charts)[found];
  const std::unique_ptr<ItemCatalog> catalog = openCatalog(request.catalog, request.quiet, err);
  if (!catalog) return kExitFailure;

  std::vector<Hoard> hoards;
  Hoard hoard;
  for (std::int32_t i = 0; i < request.count; ++i) {
    drawHoard(*catalog, chart, hoardSeed(request.seed, i), hoard);
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

int runStatsCommand(const StatsRequest& request, std::ostream& out, std::ostream& err) {
  const auto charts = loadCharts(request.chartFile, err);
  if (!charts) return kExitFailure;
  std::vector<std::int32_t> chosen = request.charts;
  if (!request.chartFile.empty()) {
    chosen.clear();
    for (const std::string& name : request.chartNames) {
      chosen.push_back(findNamedChart(*charts, name, request.chartFile, err));
      if (chosen.back() < 0) return kExitUsage;
    }
    for (std::size_t i = 0; request.chartNames.empty() && i < charts->size(); ++i) {
      chosen.push_back(static_cast<std::int32_t>(i));
    }
  }
  std::vector<ChartStats> stats;
  stats.reserve(chosen.size());
  for (std::int32_t chart : chosen) {
    stats.push_back(gatherChartStats((*charts)[chart], request.runs, request.seed, request.rates));
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

int runChartsCommand(const ChartsRequest& request, std::ostream& out, std::ostream& err) {
  const auto charts = loadCharts(request.chartFile, err);
  if (!charts) return kExitFailure;
  if (request.exportFile) {
    out << chartFileText(*charts);
    return kExitSuccess;
  }
  switch (request.format) {
    case Format::kText:
      out << chartListText(*charts);
      break;
    case Format::kJson:
      out << chartListJson(*charts);
      break;
    case Format::kMarkdown:
      out << chartListMarkdown(*charts);
      break;
  }
  return kExitSuccess;
}

}  // namespace glimmerkist::roll
