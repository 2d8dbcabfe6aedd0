#include "roll/roll_command.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/limits.h"
#include "base/quoted_input.h"
#include "base/random.h"
#include "base/whole_number.h"
#include "catalog/item_category.h"
#include "roll/roll_commands.h"
#include "treasure/treasure_chart.h"

#ifndef GLIMMERKIST_VERSION
#define GLIMMERKIST_VERSION "unknown"
#endif

namespace glimmerkist::roll {
namespace {

// "1 to N": the numbers a count may take.
std::string upTo(std::int64_t most) { return "1 to " + std::to_string(most); }

// Every line of the help stays within 80 columns.
std::string ratesHelp() {
  return "Coins count at 1 cp = 1/100 gp, 1 sp = 1/10 gp, 1 ep = 1/2 gp and\n"
         "1 pp = 5 gp, gems at the whole gold pieces they are shown with. Change a\n"
         "coin's value with --rates, such as --rates pp=10,ep=1 or --rates cp=1/200:\n"
         "from 0 to " +
         std::to_string(kMaxRateGp) + " gp in steps of 0.0001, written 0.05 or 1/20.";
}

const char kHoardSeedHelp[] =
    "Every hoard states its seed; --seed with that number draws the same hoard\n"
    "again on its own. The first hoard gets S itself; each later hoard gets a\n"
    "seed of its own, well mixed from S and its place, so that hoards drawn\n"
    "together are as unalike as hoards drawn one by one. Without --seed, S\n"
    "is drawn fresh from the system's randomness.";

const char kItemSeedHelp[] =
    "Every item states its seed; --seed with that number draws the same item\n"
    "again. Seeds follow from S as they do for hoards (see encounter --help).\n"
    "Without --seed, S is drawn fresh from the system's randomness.";

const char kStatsSeedHelp[] =
    "The hoards of each chart are the ones that encounter CHART --count N\n"
    "--seed S would show. Without --seed, S is drawn fresh from the system's\n"
    "randomness.";

const char kChartsHelp[] =
    "A chart file holds charts of your own, one block each: \"chart NAME\", a\n"
    "\"description\" line, and a line for each of copper, silver, electrum,\n"
    "gold, platinum, gems and items that the chart draws, such as\n"
    "\"copper 25% 1000-3000\", \"gems always 1-4\" or \"items 30+ 3 any\". Start\n"
    "from the built-in charts: charts --export > my-charts.txt. The manual\n"
    "page tells every kind of line.";

const char kExitHelp[] =
    "Exit status: 0 when done, 1 for a catalog or chart file that cannot be\n"
    "read, 2 for bad arguments. glimmerkist-roll COMMAND --help tells more of\n"
    "each command.";

// A validator that words its own complaint about the text it was given.
CLI::Validator validator(std::function<std::string(std::string&)> check) {
  return CLI::Validator(std::move(check), "");
}

// Whole numbers are decimal digits and nothing else: "010" is ten, and a
// sign, a blank or "0x" is refused. The number goes on to CLI11 in its
// plain form, so CLI11 never reads it in another base. `low` and `high` are
// only told: a range check after this one holds the option to them.
CLI::Validator wholeNumber(std::uint64_t low, std::uint64_t high) {
  return validator([low, high](std::string& text) -> std::string {
    std::uint64_t value = 0;
    const Problem problem = readWholeNumber(text, 0, UINT64_MAX, value);
    if (problem.kind == ProblemKind::kNumberOutOfRange) {
      // Past 2^64 - 1: no number CLI11 could range-check, but a number.
      return problem.text() + " " + std::to_string(low) + " to " + std::to_string(high);
    }
    if (!problem.ok()) {
      return Problem{ProblemKind::kNotWholeNumber, quotedInput(text)}.text();
    }
    text = std::to_string(value);
    return "";
  });
}

// A range check whose bounds the help does not repeat.
template <typename T>
CLI::Validator range(T low, T high) {
  return CLI::Range(low, high).description("");
}

// A built-in chart's letter, made its number. With --charts the chart is a
// name from that file, looked up once the file is read.
CLI::Validator chartLetter(const bool& ownCharts) {
  return validator([&ownCharts](std::string& text) -> std::string {
    if (ownCharts) return "";
    std::int32_t chart = 0;
    const Problem problem = readChart(text, chart);
    if (!problem.ok()) return problem.text();
    text = std::to_string(chart);
    return "";
  });
}

// A number from 0 to 17, or a tag exactly as the catalog spells it.
CLI::Validator categoryName() {
  return validator([](std::string& text) -> std::string {
    int code = categoryFromTag(text);
    if (code == kNoCategory) {
      const char* end = text.data() + text.size();
      const auto [stop, problem] = std::from_chars(text.data(), end, code);
      if (text.empty() || problem != std::errc() || stop != end || !isCategoryCode(code)) {
        return quotedInput(text) +
               " is no category; give a number from 0 to 17 or a tag such as tccWeapons";
      }
    }
    text = std::to_string(code);
    return "";
  });
}

// The format's name in any case; CLI11's CheckedTransformer does the lookup.
CLI::Validator formatName() {
  static const std::map<std::string, Format> kFormats = {
      {"text", Format::kText}, {"json", Format::kJson}, {"markdown", Format::kMarkdown}};
  const CLI::Validator lookup = CLI::CheckedTransformer(kFormats, CLI::ignore_case);
  return validator([lookup](std::string& text) -> std::string {
    const std::string given = text;
    if (lookup(text).empty()) return "";
    return quotedInput(given) + " is no format; the formats are text, json and markdown";
  });
}

CLI::Validator notEmpty(const char* what) {
  return validator([what](std::string& text) -> std::string {
    return text.empty() ? std::string("an empty name names no ") + what : "";
  });
}

void addCount(CLI::App& command, std::int32_t& count, const std::string& help) {
  command.add_option("--count", count, help)
      ->transform(wholeNumber(1, kMaxDrawCount))
      ->check(range(1, kMaxDrawCount))
      ->type_name("N");
}

void addSeed(CLI::App& command, std::uint32_t& seed, const char* help) {
  command.add_option("--seed", seed, help)
      ->transform(wholeNumber(0, UINT32_MAX))
      ->check(range(std::uint64_t{0}, std::uint64_t{UINT32_MAX}))
      ->type_name("S");
}

void addCatalog(CLI::App& command, std::string& catalog, bool& quiet) {
  command
      .add_option("--catalog", catalog,
                  "The item catalog; without it data.txt here,\n"
                  "then the installed one. A pipe will do.")
      ->check(notEmpty("catalog"))
      ->type_name("FILE");
  command.add_flag("-q,--quiet", quiet, "Do not name the catalog used");
}

void addFormat(CLI::App& command, Format& format) {
  command.add_option("--format", format, "text (the default), json or markdown")
      ->transform(formatName())
      ->type_name("FORMAT");
}

void addRates(CLI::App& command, CoinRates& rates) {
  command
      .add_option_function<std::string>(
          "--rates",
          [&rates](const std::string& text) {
            const Problem problem = parseRates(text, rates);
            if (!problem.ok()) throw CLI::ValidationError("--rates", problem.text());
          },
          "Coin values in gold pieces, such as pp=10,ep=1")
      ->type_name("LIST");
}

void addCharts(CLI::App& command, std::string& chartFile) {
  command
      .add_option("--charts", chartFile,
                  "Own treasure charts, read from a chart\n"
                  "file (see charts --help)")
      ->check(notEmpty("chart file"))
      ->type_name("FILE");
}

// True when the arguments hold --charts: the charts named are then a chart
// file's, and CHART is a name rather than a letter.
bool namesChartFile(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--") return false;
    if (argument == "--charts" || argument.substr(0, 9) == "--charts=") return true;
  }
  return false;
}

// An option this command has no use for: refused with the reason, in the
// command's own words, rather than as unknown. It is refused with or without
// its value, so that the message names it either way.
void refuse(CLI::App& command, const std::string& names, bool takesValue, const std::string& why) {
  const std::string name = names.substr(names.rfind(',') + 1);
  const auto fail = [name, why](const auto&) { throw CLI::ValidationError(name, why); };
  CLI::Option* option = takesValue ? command.add_option_function<std::string>(names, fail)
                                   : command.add_flag_function(names, fail);
  if (takesValue) option->expected(0, 1);
  option->group("");  // not listed in the help
}

// CLI11's help, less the empty line that the hidden group of refused
// options leaves after the listed ones.
class RollHelp : public CLI::Formatter {
 public:
  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override {
    std::string help = CLI::Formatter::make_help(app, std::move(name), mode);
    const std::size_t gap = help.find("\n\n\n");
    if (gap != std::string::npos) help.erase(gap, 1);
    return help;
  }
};

// CLI11 may quote what it was given as it is: its message is made one line
// of printable text, no word of it longer than a quotation may be.
std::string oneLine(const std::string& text) {
  constexpr std::size_t kLongestWord = 4 * kQuotedBytes + 8;
  std::string line;
  std::size_t word = 0;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    word = blank ? 0 : word + 1;
    if (word > kLongestWord) {
      if (word == kLongestWord + 1) line += "...";
      continue;
    }
    if (blank) {
      if (!line.empty() && line.back() != ' ') line += ' ';
    } else {
      line += c;
    }
  }
  line = escapedControls(line);
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

int parseAndRun(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const std::uint32_t fresh = freshSeed();
  EncounterRequest encounter;
  encounter.seed = fresh;
  ItemRequest item;
  item.seed = fresh;
  StatsRequest stats;
  stats.seed = fresh;
  CatalogRequest catalog;
  ChartsRequest charts;
  const bool ownCharts = namesChartFile(argc, argv);
  std::string encounterChart;
  std::vector<std::string> statsCharts;

  CLI::App app{
      "Prepares treasure before a game: hoards by treasure chart, single magic\n"
      "items, what a chart yields on average, catalog checks, and charts of\n"
      "your own.",
      kProgramName};
  app.require_subcommand(1);
  app.set_version_flag("--version", GLIMMERKIST_VERSION, "Show the version and exit");
  app.set_help_flag("-h,--help", "Show this help and exit");
  auto help = std::make_shared<RollHelp>();
  help->column_width(24);
  app.formatter(help);
  app.footer(kExitHelp);

  CLI::App* encounterCommand =
      app.add_subcommand("encounter", "Draw hoards by a treasure chart, A to Z");
  encounterCommand
      ->add_option("CHART", encounterChart,
                   "Chart letter, A to Z, either case, or a\nchart of --charts FILE")
      ->required()
      ->transform(chartLetter(ownCharts))
      ->type_name("");
  addCharts(*encounterCommand, encounter.chartFile);
  addCount(*encounterCommand, encounter.count,
           "Hoards to draw, " + upTo(kMaxDrawCount) + " (default 1)");
  addSeed(*encounterCommand, encounter.seed, "Seed of the first hoard, 0 to 4294967295");
  addCatalog(*encounterCommand, encounter.catalog, encounter.quiet);
  addFormat(*encounterCommand, encounter.format);
  CLI::Option* split = encounterCommand
                           ->add_option("--split", encounter.sheet.splitAmong,
                                        "Share each hoard's coins among K characters\n"
                                        "(json and markdown)")
                           ->transform(wholeNumber(1, kMaxSplitCharacters))
                           ->check(range(1, kMaxSplitCharacters))
                           ->type_name("K");
  addRates(*encounterCommand, encounter.sheet.rates);
  CLI::Option* encounterRates = encounterCommand->get_option("--rates");
  encounterCommand->footer(std::string(kHoardSeedHelp) + "\n\n" + ratesHelp() +
                           "\n\nText shows each hoard as the interactive program reports it; "
                           "json and\nmarkdown add its total value and, with --split, the "
                           "shares.");

  CLI::App* itemCommand = app.add_subcommand("item", "Draw single magic items");
  itemCommand
      ->add_option("CATEGORY", item.category,
                   "Category number, 0 to 17, or tag such as\n"
                   "tccWeapons; without it each item comes\n"
                   "from a category drawn at random")
      ->transform(categoryName())
      ->type_name("");
  addCount(*itemCommand, item.count, "Items to draw, " + upTo(kMaxDrawCount) + " (default 1)");
  addSeed(*itemCommand, item.seed, "Seed of the first item, 0 to 4294967295");
  addCatalog(*itemCommand, item.catalog, item.quiet);
  addFormat(*itemCommand, item.format);
  refuse(*itemCommand, "--split", true, "item draws no coins to share");
  refuse(*itemCommand, "--rates", true, "item draws no coins to value");
  refuse(*itemCommand, "--charts", true, "item draws by no chart");
  itemCommand->footer(kItemSeedHelp);

  CLI::App* statsCommand = app.add_subcommand("stats", "What charts yield over many hoards");
  statsCommand
      ->add_option("CHART", statsCharts,
                   "Chart letters, A to Z, or charts of\n--charts FILE; all when none is given")
      ->transform(chartLetter(ownCharts))
      ->type_name("");
  addCharts(*statsCommand, stats.chartFile);
  // --runs is the name of earlier versions.
  statsCommand
      ->add_option("--count,--runs", stats.runs,
                   "Hoards of each chart, " + upTo(kMaxStatsRuns) + "\n(default 100000)")
      ->transform(wholeNumber(1, kMaxStatsRuns))
      ->check(range(std::int64_t{1}, kMaxStatsRuns))
      ->type_name("N");
  addSeed(*statsCommand, stats.seed, "Seed of each chart's first hoard");
  addFormat(*statsCommand, stats.format);
  addRates(*statsCommand, stats.rates);
  statsCommand->add_flag("-q,--quiet", "Accepted for all commands; stats names no catalog");
  refuse(*statsCommand, "--catalog", true,
         "stats reads no catalog: what a catalog holds changes none of its figures");
  refuse(*statsCommand, "--split", true, "stats shares no hoard among characters");
  statsCommand->footer(std::string(kStatsSeedHelp) + "\n\n" + ratesHelp() +
                       "\n\nFor each chart: the share of hoards holding each metal and its mean\n"
                       "count over all hoards, the mean number of gems and of magic items, and\n"
                       "the mean and the 10th, 50th and 90th percentile (nearest rank) of the\n"
                       "total value.");

  CLI::App* catalogCommand = app.add_subcommand("catalog", "Check a catalog and count its items");
  addCatalog(*catalogCommand, catalog.catalog, catalog.quiet);
  addFormat(*catalogCommand, catalog.format);
  refuse(*catalogCommand, "--seed", true, "catalog draws nothing, so it needs no seed");
  refuse(*catalogCommand, "--count", true, "catalog draws nothing to count");
  refuse(*catalogCommand, "--split", true, "catalog draws no coins to share");
  refuse(*catalogCommand, "--rates", true, "catalog draws no coins to value");
  refuse(*catalogCommand, "--charts", true, "catalog draws by no chart");

  CLI::App* chartsCommand =
      app.add_subcommand("charts", "List the treasure charts, or write them as a chart file");
  addCharts(*chartsCommand, charts.chartFile);
  chartsCommand->add_flag("--export", charts.exportFile,
                          "Write the charts as a chart file: the 26\n"
                          "built-in ones to start your own from");
  addFormat(*chartsCommand, charts.format);
  refuse(*chartsCommand, "--catalog", true, "charts reads no catalog");
  refuse(*chartsCommand, "--seed", true, "charts draws nothing, so it needs no seed");
  refuse(*chartsCommand, "--count", true, "charts draws nothing to count");
  refuse(*chartsCommand, "--split", true, "charts draws no coins to share");
  refuse(*chartsCommand, "--rates", true, "charts draws no coins to value");
  chartsCommand->footer(kChartsHelp);

  try {
    app.parse(argc, argv);
    if (*encounterCommand) {
      const bool totals = split->count() > 0 || encounterRates->count() > 0;
      if (encounter.format == Format::kText && totals) {
        throw CLI::ValidationError(split->count() > 0 ? "--split" : "--rates",
                                   "goes with --format json or markdown; the text report "
                                   "has no totals");
      }
      if (ownCharts) {
        encounter.chartName = encounterChart;
      } else {
        encounter.chart = std::stoi(encounterChart);
      }
      return runEncounterCommand(encounter, out, err);
    }
    if (*itemCommand) return runItemCommand(item, out, err);
    if (*statsCommand) {
      for (const std::string& chart : statsCharts) {
        if (ownCharts) {
          stats.chartNames.push_back(chart);
        } else {
          stats.charts.push_back(std::stoi(chart));
        }
      }
      if (stats.charts.empty()) {
        for (std::int32_t chart = 0; chart < kChartCount; ++chart) stats.charts.push_back(chart);
      }
      return runStatsCommand(stats, out, err);
    }
    if (*chartsCommand) {
      if (charts.exportFile && charts.format != Format::kText) {
        throw CLI::ValidationError("--export", "writes a chart file, which has no --format");
      }
      return runChartsCommand(charts, out, err);
    }
    return runCatalogCommand(catalog, out, err);
  } catch (const CLI::ExtrasError& error) {
    const std::vector<std::string> extras = app.remaining(true);
    const std::string what = extras.empty() ? oneLine(error.what())
                                            : "unexpected argument " + quotedInput(extras.front());
    err << kProgramName << ": " << what << " (see --help)\n";
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
      return app.exit(error, out, err);  // --help or --version
    }
    if (app.get_subcommands().empty() && argc > 1 && argv[1][0] != '-') {
      err << kProgramName << ": " << quotedInput(argv[1])
          << " is no command; the commands are encounter, item, stats, catalog and charts"
          << " (see --help)\n";
    } else {
      err << kProgramName << ": " << oneLine(error.what()) << " (see --help)\n";
    }
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
