// The four commands of glimmerkist-roll, once their arguments are read:
// hoards by a chart, single items, a chart's figures over many hoards, and a
// catalog check. Each writes its results to `out` and its notes and errors,
// one line each, to `err`, and returns the exit status.
#ifndef GLIMMERKIST_ROLL_ROLL_COMMANDS_H_
#define GLIMMERKIST_ROLL_ROLL_COMMANDS_H_

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "catalog/item_category.h"
#include "roll/output_format.h"
#include "treasure/coin_rates.h"
#include "treasure/treasure_report.h"

namespace glimmerkist::roll {

inline constexpr char kProgramName[] = "glimmerkist-roll";

constexpr int kExitSuccess = 0;
/// A catalog that cannot be loaded, or output that cannot be written.
constexpr int kExitFailure = 1;
/// Arguments that make no command.
constexpr int kExitUsage = 2;

struct EncounterRequest {
  std::int32_t chart = 0;  // 0 to 25
  std::int32_t count = 1;
  std::uint32_t seed = 0;  // of the first hoard; hoard i gets hoardSeed(seed, i)
  std::string catalog;     // "" for the default catalog
  bool quiet = false;      // no note of the catalog used
  Format format = Format::kText;
  HoardOptions sheet;  // rates and split, for JSON and Markdown
};

struct ItemRequest {
  std::int32_t category = kNoCategory;  // kNoCategory: a random category for each item
  std::int32_t count = 1;
  std::uint32_t seed = 0;  // of the first item; item i gets hoardSeed(seed, i)
  std::string catalog;
  bool quiet = false;
  Format format = Format::kText;
};

struct StatsRequest {
  std::vector<std::int32_t> charts;  // in the order asked
  std::int64_t runs = 100000;
  std::uint32_t seed = 0;
  Format format = Format::kText;
  CoinRates rates;
};

struct CatalogRequest {
  std::string catalog;
  bool quiet = false;
  Format format = Format::kText;
};

int runEncounterCommand(const EncounterRequest& request, std::ostream& out, std::ostream& err);
int runItemCommand(const ItemRequest& request, std::ostream& out, std::ostream& err);
/// The figures need no catalog (chart_stats.h).
int runStatsCommand(const StatsRequest& request, std::ostream& out, std::ostream& err);
int runCatalogCommand(const CatalogRequest& request, std::ostream& out, std::ostream& err);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_ROLL_COMMANDS_H_
