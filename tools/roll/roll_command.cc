#include "roll/roll_command.h"

#include <CLI/CLI.hpp>
#include <cstdint>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include "catalog/item_category.h"
#include "roll/roll_commands.h"
#include "treasure/treasure_chart.h"

namespace glimmerkist::roll {
namespace {

constexpr std::int32_t kMaxCount = 10000;
constexpr std::int32_t kMaxSplit = 10000;
constexpr std::int64_t kMaxRuns = 10000000;

const char kRatesHelp[] =
    "Coin values in gold pieces: 1 cp = 1/100 gp, 1 sp = 1/10 gp, 1 ep = 1/2 gp,\n"
    "1 gp = 1 gp, 1 pp = 5 gp. Change any of them with --rates, such as\n"
    "--rates pp=10,ep=1 or --rates cp=1/200: each value a number of gold pieces\n"
    "from 0 to 10000 in steps of 0.0001, written 0.05 or 1/20. Gems count at the\n"
    "whole gold pieces they are shown with.";

const char kEncounterSeedHelp[] =
    "Hoard i (from 0) is drawn after srand(S + i), modulo 2^32, so every hoard\n"
    "states the one seed that gives it on its own: with --seed S the first hoard\n"
    "is the one the interactive program shows for its first encounter of the\n"
    "chart when seeded with S. S defaults to the clock.";

const char kItemSeedHelp[] =
    "Item i (from 0) is drawn after srand(S + i), modulo 2^32, the way the\n"
    "interactive program picks its first item when seeded with S + i. S defaults\n"
    "to the clock.";

const char kStatsSeedHelp[] =
    "Hoard i (from 0) of every chart is drawn after srand(S + i), modulo 2^32:\n"
    "the hoards that encounter CHART --count N --seed S shows. S defaults to the\n"
    "clock.";

// Everything the command line can set; each command reads its own part.
struct Arguments {
  std::string chart;
  std::string category;
  std::vector<std::string> charts;
  std::int32_t count = 1;
  std::string seed;
  std::string catalog;
  std::string format = "text";
  std::int32_t split = 0;
  std::string rates;
  std::int64_t runs = 100000;
};

// A bad argument found after CLI11 has read the line.
struct UsageError {
  std::string message;
};

void addSeed(CLI::App& command, Arguments& arguments) {
  command.add_option("--seed", arguments.seed, "Seed of the first draw, 0 to 4294967295")
      ->type_name("S");
}

void addCatalog(CLI::App& command, Arguments& arguments) {
  command
      .add_option("--catalog", arguments.catalog,
                  "The catalog to draw items from; without it data.txt in the current folder, "
                  "then the installed catalog")
      ->type_name("FILE");
}

void addFormat(CLI::App& command, Arguments& arguments) {
  command.add_option("--format", arguments.format, "text (default), json or markdown")
      ->check(CLI::IsMember({"text", "json", "markdown"}))
      ->type_name("FORMAT");
}

void addRates(CLI::App& command, Arguments& arguments) {
  command.add_option("--rates", arguments.rates, "Coin values in gold pieces, such as pp=10,ep=1")
      ->type_name("LIST");
}

Format formatNamed(const std::string& name) {
  if (name == "json") return Format::kJson;
  if (name == "markdown") return Format::kMarkdown;
  return Format::kText;
}

std::int32_t chartNamed(const std::string& text) {
  const std::int32_t chart = chartIndexFromLetter(text);
  if (chart < 0) throw UsageError{"\"" + text + "\" is no chart; a chart is one letter, A to Z"};
  return chart;
}

std::int32_t categoryNamed(const std::string& text) {
  if (!text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == text.npos) {
    const int code = std::stoi(text);
    if (isCategoryCode(code)) return code;
  }
  const int code = categoryFromTag(text);
  if (code == kNoCategory) {
    throw UsageError{"\"" + text +
                     "\" is no category; give a number from 0 to 17 or a tag such as tccWeapons"};
  }
  return code;
}

CoinRates ratesFrom(const std::string& text, const CLI::Option* option) {
  CoinRates rates;
  if (option->count() == 0) return rates;
  std::string error;
  if (!parseRates(text, rates, error)) throw UsageError{"--rates: " + error};
  return rates;
}

std::uint32_t seedFrom(const Arguments& arguments, const CLI::App& command) {
  if (command.count("--seed") == 0) return static_cast<std::uint32_t>(std::time(nullptr));
  const std::string& text = arguments.seed;
  std::uint64_t seed = 0;
  const bool digits = !text.empty() && text.size() <= 10 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  if (digits) seed = std::stoull(text);
  if (!digits || seed > std::numeric_limits<std::uint32_t>::max()) {
    throw UsageError{"--seed: \"" + text + "\" is not a whole number from 0 to 4294967295"};
  }
  return static_cast<std::uint32_t>(seed);
}

// CLI11's messages are one line already; this keeps it so whatever it says.
std::string oneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

int parseAndRun(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  Arguments arguments;
  CLI::App app{
      "Prepares treasure before a game: hoards by treasure chart, single magic items, "
      "what a chart yields on average, and catalog checks.",
      kProgramName};
  app.require_subcommand(1);
  app.footer(std::string(kRatesHelp) +
             "\n\nExit status: 0 when done, 1 for a catalog that cannot be loaded, 2 for bad\n"
             "arguments. glimmerkist-roll COMMAND --help tells more of each command.");

  CLI::App* encounter = app.add_subcommand("encounter", "Draw hoards by a treasure chart");
  encounter->add_option("CHART", arguments.chart, "Chart letter, A to Z (either case)")->required();
  encounter->add_option("--count", arguments.count, "Number of hoards, 1 to 10000 (default 1)")
      ->check(CLI::Range(1, kMaxCount))
      ->type_name("N");
  addSeed(*encounter, arguments);
  addCatalog(*encounter, arguments);
  addFormat(*encounter, arguments);
  CLI::Option* split = encounter
                           ->add_option("--split", arguments.split,
                                        "Divide each metal evenly among K characters "
                                        "(json and markdown)")
                           ->check(CLI::Range(1, kMaxSplit))
                           ->type_name("K");
  addRates(*encounter, arguments);
  CLI::Option* encounterRates = encounter->get_option("--rates");
  encounter->footer(std::string(kEncounterSeedHelp) + "\n\n" + kRatesHelp +
                    "\n\nText shows each hoard as the interactive program reports it; json and\n"
                    "markdown add the hoard's total value and, with --split, the shares.");

  CLI::App* item = app.add_subcommand("item", "Draw single magic items");
  item->add_option("CATEGORY", arguments.category,
                   "Category number 0 to 17 or tag such as tccWeapons; without it each item "
                   "comes from a random category");
  item->add_option("--count", arguments.count, "Number of items, 1 to 10000 (default 1)")
      ->check(CLI::Range(1, kMaxCount))
      ->type_name("N");
  addSeed(*item, arguments);
  addCatalog(*item, arguments);
  addFormat(*item, arguments);
  item->footer(kItemSeedHelp);

  CLI::App* stats = app.add_subcommand("stats", "What charts yield over many hoards");
  stats->add_option("CHART", arguments.charts, "Chart letters, A to Z; all 26 when none is given");
  stats->add_option("--runs", arguments.runs, "Hoards a chart, 1 to 10000000 (default 100000)")
      ->check(CLI::Range(std::int64_t{1}, kMaxRuns))
      ->type_name("N");
  addSeed(*stats, arguments);
  addFormat(*stats, arguments);
  addRates(*stats, arguments);
  CLI::Option* statsRates = stats->get_option("--rates");
  stats->footer(std::string(kStatsSeedHelp) + "\n\n" + kRatesHelp +
                "\n\nFor each chart: the share of hoards holding each metal and its mean count\n"
                "over all hoards, the mean number of gems and of magic items, and the mean\n"
                "and 10th, 50th and 90th percentile (nearest rank) of the total value.");

  CLI::App* catalog = app.add_subcommand("catalog", "Check a catalog and count its items");
  addCatalog(*catalog, arguments);

  try {
    app.parse(argc, argv);
    if (*encounter) {
      EncounterRequest request;
      request.chart = chartNamed(arguments.chart);
      request.count = arguments.count;
      request.seed = seedFrom(arguments, *encounter);
      request.catalog = arguments.catalog;
      request.format = formatNamed(arguments.format);
      request.sheet.rates = ratesFrom(arguments.rates, encounterRates);
      request.sheet.splitAmong = split->count() > 0 ? arguments.split : 0;
      if (request.format == Format::kText && (split->count() > 0 || encounterRates->count() > 0)) {
        throw UsageError{"--split and --rates go with --format json or markdown"};
      }
      return runEncounterCommand(request, out, err);
    }
    if (*item) {
      ItemRequest request;
      if (!arguments.category.empty()) request.category = categoryNamed(arguments.category);
      request.count = arguments.count;
      request.seed = seedFrom(arguments, *item);
      request.catalog = arguments.catalog;
      request.format = formatNamed(arguments.format);
      return runItemCommand(request, out, err);
    }
    if (*stats) {
      StatsRequest request;
      for (const std::string& chart : arguments.charts) request.charts.push_back(chartNamed(chart));
      if (request.charts.empty()) {
        for (std::int32_t chart = 0; chart < kChartCount; ++chart) request.charts.push_back(chart);
      }
      request.runs = arguments.runs;
      request.seed = seedFrom(arguments, *stats);
      request.format = formatNamed(arguments.format);
      request.rates = ratesFrom(arguments.rates, statsRates);
      return runStatsCommand(request, out, err);
    }
    CatalogRequest request;
    request.catalog = arguments.catalog;
    return runCatalogCommand(request, out, err);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
      return app.exit(error, out, err);  // --help
    }
    if (app.get_subcommands().empty() && argc > 1 && argv[1][0] != '-') {
      err << kProgramName << ": \"" << argv[1]
          << "\" is no command; the commands are encounter, item, stats and catalog"
          << " (see --help)\n";
    } else {
      err << kProgramName << ": " << oneLine(error.what()) << " (see --help)\n";
    }
  } catch (const UsageError& error) {
    err << kProgramName << ": " << error.message << " (see --help)\n";
  }
  return kExitUsage;
}

}  // namespace

int runRollCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const int status = parseAndRun(argc, argv, out, err);
  if (!out.flush()) {
    err << kProgramName << ": could not write the output\n";
    return kExitFailure;
  }
  return status;
}

}  // namespace glimmerkist::roll
