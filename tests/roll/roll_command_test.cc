// The command line: help, bad arguments, catalogs that cannot be loaded, and
// where the catalog comes from when none is named.
#include "roll/roll_command.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "catalog/catalog_location.h"
#include "roll/catalog_source.h"
#include "roll_run.h"
#include "support/reference_random.h"
#include "support/temp_dir.h"
#include "treasure/hoard.h"

namespace glimmerkist::roll {
namespace {

// `text` written `times` times over.
std::string repeated(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

class RollCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { writeFile("data.txt", sampleCatalog()); }
  TempDir dir_;
};

TEST_F(RollCommandTest, HelpIsShownForTheProgramAndEachCommand) {
  struct Case {
    std::vector<std::string> arguments;
    std::vector<const char*> mentions;
  };
  const Case cases[] = {
      {{"--help"},
       {"Usage: glimmerkist-roll", "encounter", "item", "stats", "catalog", "--version"}},
      {{"encounter", "--help"},
       {"Usage: glimmerkist-roll encounter", "--count", "--seed", "--split", "--rates", "--quiet",
        "1 ep = 1/2 gp", "states its seed"}},
      {{"item", "-h"}, {"Usage: glimmerkist-roll item", "CATEGORY", "tccWeapons", "--quiet"}},
      {{"stats", "--help"}, {"Usage: glimmerkist-roll stats", "--count", "1 sp = 1/10 gp"}},
      {{"catalog", "--help"}, {"Usage: glimmerkist-roll catalog", "--catalog", "--format"}},
      {{"charts", "--help"}, {"Usage: glimmerkist-roll charts", "--export", "--charts"}},
  };
  for (const Case& c : cases) {
    const RollRun run = roll(c.arguments);
    EXPECT_EQ(run.status, 0) << c.arguments[0];
    EXPECT_EQ(run.err, "");
    for (const char* mention : c.mentions) {
      EXPECT_NE(run.out.find(mention), std::string::npos) << c.arguments[0] << ": " << mention;
    }
    // A terminal's width, and the game master's words rather than the code's.
    for (const std::string& line : linesOf(run.out)) {
      EXPECT_LE(line.size(), 80u) << c.arguments[0] << ": " << line;
    }
    EXPECT_EQ(run.out.find("srand"), std::string::npos) << c.arguments[0];
    EXPECT_EQ(run.out.find("\n\n\n"), std::string::npos) << c.arguments[0];
    // The coin values are told only where coins are valued.
    const bool valued = c.arguments[0] == "encounter" || c.arguments[0] == "stats";
    EXPECT_EQ(run.out.find("1 pp = 5 gp") != std::string::npos, valued) << c.arguments[0];
  }
  const RollRun version = roll({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, GLIMMERKIST_VERSION "\n");
}

TEST_F(RollCommandTest, BadArgumentsGiveOneLineAndStatusTwo) {
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{}, "A subcommand is required"},
      {{"deal", "A"},
       "\"deal\" is no command; the commands are encounter, item, stats, catalog and charts"},
      {{"encounter"}, "CHART is required"},
      {{"encounter", "AB"}, "\"AB\" is no chart; a chart is one letter, A to Z"},
      {{"encounter", "7"}, "\"7\" is no chart"},
      {{"encounter", "A", "B"}, "unexpected argument \"B\""},
      {{"encounter", "A", "--count", "0"}, "--count: Value 0 not in range 1 to 10000"},
      {{"encounter", "A", "--count", "10001"}, "--count: Value 10001 not in range"},
      {{"encounter", "A", "--count", "many"}, "--count: \"many\" is not a whole number"},
      {{"encounter", "A", "--count", "0x10"}, "--count: \"0x10\" is not a whole number"},
      {{"encounter", "A", "--count", "+5"}, "--count: \"+5\" is not a whole number"},
      {{"encounter", "A", "--count", " 5"}, "--count: \" 5\" is not a whole number"},
      {{"encounter", "A", "--count", ""}, "--count: \"\" is not a whole number"},
      {{"encounter", "A", "--count", "99999999999999999999"},
       "--count: \"99999999999999999999\" is out of range 1 to 10000"},
      {{"encounter", "A", "--seed", "99999999999999999999999"},
       "--seed: \"99999999999999999999999\" is out of range 0 to 4294967295"},
      {{"stats", "--runs", "99999999999999999999999"}, "--count: \"9999999999999999999"},
      {{"encounter", "A", "--seed", "-1"}, "--seed: \"-1\" is not a whole number"},
      {{"encounter", "A", "--seed", "4294967296"},
       "--seed: Value 4294967296 not in range 0 to 4294967295"},
      {{"encounter", "A", "--seed", "12x"}, "--seed: \"12x\" is not a whole number"},
      {{"encounter", "A", "--seed", "0x10"}, "--seed: \"0x10\" is not a whole number"},
      {{"encounter", "A", "--seed"}, "--seed"},
      {{"encounter", "A", "--format", "xml"},
       "--format: \"xml\" is no format; the formats are text, json and markdown"},
      {{"encounter", "A", "--format", "json\x1b[2J"}, "--format: \"json\\x1b[2J\" is no format"},
      {{"encounter", "A", "--catalog", ""}, "--catalog: an empty name names no catalog"},
      {{"encounter", ""}, "CHART: \"\" is no chart"},
      {{"encounter", "A\nB"}, "CHART: \"A\\nB\" is no chart"},
      {{"encounter", std::string(5000000, 'Q')},
       "CHART: \"" + std::string(60, 'Q') + "\"... is no chart"},
      {{"encounter", "A", "--split", "0", "--format", "json"}, "--split: Value 0 not in range"},
      {{"encounter", "A", "--split", "2"},
       "--split: goes with --format json or markdown; the text report has no totals"},
      {{"encounter", "A", "--rates", "pp=10"}, "--rates: goes with --format json or markdown"},
      {{"encounter", "A", "--format", "json", "--rates", "pp=ten"},
       "--rates: \"pp=ten\" is not a value"},
      {{"encounter", "A", "--what"}, "unexpected argument \"--what\""},
      {{"item", "18"},
       "\"18\" is no category; give a number from 0 to 17 or a tag such as tccWeapons"},
      {{"item", "-1"}, "\"-1\" is no category"},
      {{"item", "tccweapons"}, "\"tccweapons\" is no category"},
      {{"item", "Weapons"}, "\"Weapons\" is no category"},
      {{"item", ""}, "CATEGORY: \"\" is no category"},
      {{"item", "tccWeapons\n"}, "CATEGORY: \"tccWeapons\\n\" is no category"},
      {{"item", "0x1"}, "\"0x1\" is no category"},
      {{"item", "--count", "0"}, "--count: Value 0 not in range"},
      {{"item", "--split", "2"}, "--split: item draws no coins to share"},
      {{"item", "--rates", "pp=1"}, "--rates: item draws no coins to value"},
      // Refused options are named with their value or without.
      {{"item", "--split"}, "--split: item draws no coins to share"},
      {{"item", "--rates"}, "--rates: item draws no coins to value"},
      {{"stats", "--catalog"}, "--catalog: stats reads no catalog"},
      {{"catalog", "--seed"}, "--seed: catalog draws nothing"},
      {{"encounter",
        "\xc2\x9b"
        "2J"},
       "CHART: \"\\xc2\\x9b2J\" is no chart"},
      {{"stats", "A", "XY"}, "\"XY\" is no chart"},
      {{"stats", "--runs", "0"}, "--count: Value 0 not in range 1 to 10000000"},
      {{"stats", "--count", "0"}, "--count: Value 0 not in range 1 to 10000000"},
      {{"stats", "--catalog", "data.txt"}, "--catalog: stats reads no catalog"},
      {{"stats", "--rates", "gold=1"}, "--rates: \"gold\" is no metal"},
      {{"catalog", "extra"}, "unexpected argument \"extra\""},
      {{"catalog", "a\nb"}, "unexpected argument \"a\\nb\""},
      {{"catalog", "--seed", "3"}, "--seed: catalog draws nothing, so it needs no seed"},
      {{"catalog", "--charts", "my.txt"}, "--charts: catalog draws by no chart"},
      {{"item", "--charts", "my.txt"}, "--charts: item draws by no chart"},
      {{"encounter", "A", "--charts", ""}, "--charts: an empty name names no chart file"},
      {{"charts", "--export", "--format", "json"}, "--export: writes a chart file, which has no"},
      {{"charts", "--catalog", "data.txt"}, "--catalog: charts reads no catalog"},
      {{"charts", "--count", "2"}, "--count: charts draws nothing to count"},
      {{"encounter", "A", "--" + std::string(300000, 'w')}, "unexpected argument \"--wwww"},
  };
  for (const Case& c : cases) {
    const RollRun run = roll(c.arguments);
    const std::string shown = c.arguments.empty() ? "(none)" : c.arguments[0];
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_EQ(run.out, "") << shown;
    EXPECT_EQ(run.err.rfind("glimmerkist-roll: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_LE(run.err.size(), 400u);
  }
}

TEST_F(RollCommandTest, BadCatalogsAreReportedWithRecordAndTokensAndStatusOne) {
  std::filesystem::create_directory("folder");
  writeFile("mismatch.txt", "<note> x </note>\nWand_of_Ash tccWands\nBlade_of_Dusk tccWeapon\n");
  writeFile("notag.txt", "<note> </note>\nA tccRings\nB tccRods\nDangling_Name\n");
  writeFile("unclosed.txt", "<note> never closed\nA tccRings\n");
  // A name of 64 MiB and one byte: 70 letters, then zero bytes that take no
  // disk.
  const std::string head = "<note> </note>\nA tccRings\n";
  writeFile("long.txt", head + std::string(70, 'N'));
  std::filesystem::resize_file("long.txt", head.size() + (std::size_t{64} << 20) + 1);
  writeFile("tag.txt", "<note> </note>\nCrown " + std::string(1000000, 'x') + "\n");
  struct Case {
    const char* file;
    std::string message;
  };
  const Case cases[] = {
      {"absent.txt", "the catalog \"absent.txt\" does not exist"},
      {"folder", "the catalog \"folder\" is a folder, not a file"},
      {"mismatch.txt",
       "\"mismatch.txt\": record 2, \"Blade_of_Dusk\" \"tccWeapon\": the tag is none of the 18 "
       "category tags"},
      {"notag.txt",
       "\"notag.txt\": record 3, \"Dangling_Name\": the file ends before the record's tag"},
      {"unclosed.txt", "\"unclosed.txt\": the note opened by <note> is never closed by </note>"},
      {"tag.txt", "\"tag.txt\": record 1, \"Crown\" \"" + std::string(60, 'x') +
                      "\"...: the tag is none of the 18 category tags"},
      {"long.txt",
       "\"long.txt\": record 2, \"" + std::string(60, 'N') + "\"...: a token longer than 64 MiB"},
      // A device without end is one endless token, read no further than
      // 64 MiB.
      {"/dev/zero",
       "\"/dev/zero\": \"" + repeated("\\x00", 60) + "\"...: a token longer than 64 MiB"},
  };
  for (const Case& c : cases) {
    for (const char* command : {"catalog", "encounter", "item"}) {
      std::vector<std::string> arguments = {command, "--catalog", c.file};
      if (std::string(command) == "encounter") arguments.insert(arguments.begin() + 1, "A");
      const RollRun run = roll(arguments);
      EXPECT_EQ(run.status, 1) << command << " " << c.file;
      EXPECT_EQ(run.out, "");
      // The loader's own report, its screen clearing and its pause stay out.
      EXPECT_EQ(run.err, std::string("glimmerkist-roll: using the catalog \"") + c.file +
                             "\"\nglimmerkist-roll: " + c.message + "\n");
      // Told to be quiet, the command still names the problem.
      arguments.push_back("-q");
      EXPECT_EQ(roll(arguments).err, "glimmerkist-roll: " + c.message + "\n");
    }
  }
  // A path is shown whole however long, so its file name is never lost.
  const std::string deep = std::string(100, 'd') + "/data.txt";
  EXPECT_EQ(roll({"catalog", "--catalog", deep}).err,
            "glimmerkist-roll: using the catalog \"" + deep +
                "\"\nglimmerkist-roll: the catalog \"" + deep + "\" does not exist\n");
}

TEST_F(RollCommandTest, CatalogCountsTheItemsOfEachCategory) {
  const RollRun run = roll({"catalog"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "glimmerkist-roll: using the catalog \"data.txt\"\n");
  const std::vector<std::string> lines = linesOf(run.out);
  ASSERT_EQ(lines.size(), 1u + 18u + 1u);
  int total = 0;
  for (int code = 0; code < kCategoryCount; ++code) {
    std::istringstream line(lines[1 + code]);
    int number = -1;
    std::string tag;
    int count = -1;
    line >> number >> tag >> count;
    EXPECT_EQ(number, code);
    EXPECT_EQ(tag, kCategoryTags[code]);
    EXPECT_EQ(count, sampleCount(code));
    total += sampleCount(code);
  }
  EXPECT_EQ(lines.back().substr(0, 6), " Total");
  EXPECT_EQ(std::stoi(lines.back().substr(6)), total);
}

#ifndef _WIN32
TEST_F(RollCommandTest, ANamedCatalogMayBeAPipe) {
  ASSERT_EQ(mkfifo("pipe.txt", 0600), 0);
  std::thread writer([] { writeFile("pipe.txt", sampleCatalog()); });
  const RollRun piped = roll({"catalog", "--catalog", "pipe.txt", "--format", "json"});
  writer.join();
  ASSERT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out, roll({"catalog", "--format", "json"}).out);
  // Looking for data.txt never waits on a pipe of that name.
  std::filesystem::remove("data.txt");
  ASSERT_EQ(mkfifo("data.txt", 0600), 0);
  EXPECT_EQ(roll({"catalog", "-q"}).err,
            "glimmerkist-roll: the catalog \"data.txt\" cannot be opened for reading\n");
}
#endif

// Without --catalog, the command reads what the interactive program reads:
// anything named data.txt here, though it be no catalog, comes first.
TEST_F(RollCommandTest, DefaultCatalogIsTheInteractiveProgramsOne) {
  const struct {
    const char* what;
    std::function<void()> make;
    const char* problem;  // "" when the catalog loads
  } cases[] = {
      {"a file", [] {}, ""},
      {"a folder", [] { std::filesystem::create_directory("data.txt"); },
       "the catalog \"data.txt\" is a folder, not a file"},
#ifndef _WIN32
      {"a dangling link", [] { std::filesystem::create_symlink("nowhere.txt", "data.txt"); },
       "the catalog \"data.txt\" does not exist"},
      {"a link to /dev/null", [] { std::filesystem::create_symlink("/dev/null", "data.txt"); },
       "the catalog \"data.txt\" cannot be opened for reading"},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (*c.problem != '\0') std::filesystem::remove("data.txt");
    c.make();
    EXPECT_EQ(defaultCatalog(), catalogToLoad());
    const RollRun run = roll({"catalog", "-q"});
    EXPECT_EQ(run.status, *c.problem == '\0' ? 0 : 1);
    EXPECT_EQ(run.err,
              *c.problem == '\0' ? "" : "glimmerkist-roll: " + std::string(c.problem) + "\n");
  }
}

TEST_F(RollCommandTest, WithoutAnyCatalogTheCommandSaysWhereItLooked) {
  std::filesystem::remove("data.txt");
  if (!defaultCatalog().empty()) GTEST_SKIP() << "a catalog is installed on this machine";
  const RollRun run = roll({"item", "--seed", "1"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("glimmerkist-roll: no catalog found (looked for data.txt", 0), 0u)
      << run.err;
  EXPECT_NE(run.err.find("); name one with --catalog FILE\n"), std::string::npos);
}

// Runs a second apart once drew hoards of climbing gold; a seed drawn fresh
// is stated, and --seed with it draws the same hoard again.
TEST_F(RollCommandTest, FreshSeedsAreUnrelatedAndStated) {
  std::vector<std::string> seeds;
  for (int run = 0; run < 4; ++run) {
    const RollRun fresh = roll({"encounter", "Y", "-q"});
    ASSERT_EQ(fresh.status, 0);
    const std::string heading = linesOf(fresh.out).at(0);
    const std::string seed = heading.substr(heading.rfind(' ') + 1);
    EXPECT_EQ(roll({"encounter", "Y", "-q", "--seed", seed}).out, fresh.out);
    for (const std::string& earlier : seeds) {
      EXPECT_GT(std::llabs(std::stoll(seed) - std::stoll(earlier)), 1000) << seed;
    }
    seeds.push_back(seed);
  }
}

TEST_F(RollCommandTest, OutputThatCannotBeWrittenIsAFailure) {
  std::vector<const char*> argv = {"glimmerkist-roll", "encounter", "A", "--seed", "3"};
  std::ostream broken(nullptr);
  std::ostringstream err;
  EXPECT_EQ(runRollCommand(static_cast<int>(argv.size()), argv.data(), broken, err), 1);
  EXPECT_NE(err.str().find("glimmerkist-roll: could not write the output\n"), std::string::npos);
}

TEST_F(RollCommandTest, TextHoardsAndItemsStateTheirSeeds) {
  const RollRun hoards = roll({"encounter", "J", "--count", "3", "--seed", "10"});
  ASSERT_EQ(hoards.status, 0);
  int headings = 0;
  for (const std::string& line : linesOf(hoards.out)) {
    if (line.rfind(" Hoard ", 0) == 0) {
      EXPECT_EQ(line, " Hoard " + std::to_string(headings + 1) + " of 3: chart J, seed " +
                          std::to_string(hoardSeed(10, headings)));
      ++headings;
    }
  }
  EXPECT_EQ(headings, 3);

  // Numbers are decimal whatever their leading zeros; format names go in any case; -q
  // leaves standard error empty.
  const RollRun ten = roll({"encounter", "J", "--count", "010", "--format", "JSON", "-q"});
  ASSERT_EQ(ten.status, 0) << ten.err;
  EXPECT_EQ(nlohmann::json::parse(ten.out)["hoards"].size(), 10u);
  EXPECT_EQ(ten.err, "");
  EXPECT_EQ(roll({"item", "--format", "MarkDown", "--quiet"}).out.rfind("| Item |", 0), 0u);

  const RollRun items = roll({"item", "3", "--count", "2", "--seed", "10"});
  ASSERT_EQ(items.status, 0);
  // tccRods holds nothing in the sample: the line shows no name.
  EXPECT_EQ(items.out, " A(n)   (tccRods, seed 10)\n A(n)   (tccRods, seed 888966967)\n");
}

TEST_F(RollCommandTest, CategoriesAreNamedByNumberOrTag) {
  const RollRun byTag = roll({"item", "tccCloaksAndRobes", "--count", "4", "--seed", "70"});
  ASSERT_EQ(byTag.status, 0) << byTag.err;
  for (const char* number : {"8", "08", "000000008"}) {
    const RollRun byNumber = roll({"item", number, "--count", "4", "--seed", "70"});
    EXPECT_EQ(byNumber.status, 0) << number;
    EXPECT_EQ(byNumber.out, byTag.out) << number;
  }
  EXPECT_EQ(roll({"item", "9999999999"}).status, 2);
}

TEST_F(RollCommandTest, MarkdownTablesCarryTheTotalAndTheSplit) {
  const RollRun run = roll(
      {"encounter", "M", "--seed", "5", "--format", "markdown", "--split", "3", "--rates", "gp=2"});
  ASSERT_EQ(run.status, 0) << run.err;
  // Chart M after srand(5): 2 + draw % 7 gold pieces, at 2 gp each.
  const int gold = 2 + referenceDraws(5, 1)[0] % 7;
  const std::string goldText = std::to_string(gold);
  EXPECT_NE(run.out.find("### Hoard 1 of 1: chart M, seed 5\n"), std::string::npos);
  EXPECT_NE(run.out.find("| Gold pieces | " + goldText + " | " + std::to_string(2 * gold) + " |"),
            std::string::npos);
  EXPECT_NE(run.out.find("| **Total** |  | **" + std::to_string(2 * gold) + "** |"),
            std::string::npos);
  EXPECT_NE(run.out.find("| Gold pieces | " + std::to_string(gold / 3) + " | " +
                         std::to_string(gold % 3) + " |"),
            std::string::npos);
  EXPECT_NE(run.out.find("1 gp = 2 gp"), std::string::npos);
}

TEST_F(RollCommandTest, StatsShowEveryChartInEachFormat) {
  const RollRun markdown = roll({"stats", "--runs", "200", "--seed", "1", "--format", "markdown"});
  ASSERT_EQ(markdown.status, 0) << markdown.err;
  const std::vector<std::string> rows = linesOf(markdown.out);
  ASSERT_EQ(rows.size(), 2u + 26u);
  EXPECT_EQ(rows[0].rfind("| Chart | cp seen | cp mean |", 0), 0u);
  for (int chart = 0; chart < 26; ++chart) {
    EXPECT_EQ(rows[2 + chart].rfind("| " + std::string(1, 'A' + chart) + " |", 0), 0u);
    EXPECT_EQ(std::count(rows[2 + chart].begin(), rows[2 + chart].end(), '|'), 18);
  }
  // Chart J holds copper in every hoard.
  EXPECT_EQ(rows[2 + 9].rfind("| J | 100.0% |", 0), 0u);

  const RollRun json = roll({"stats", "q", "B", "--runs", "50", "--seed", "2", "--format", "json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const nlohmann::json document = nlohmann::json::parse(json.out);
  EXPECT_EQ(document["runs"], 50);
  EXPECT_EQ(document["seed"], 2);
  ASSERT_EQ(document["charts"].size(), 2u);
  EXPECT_EQ(document["charts"][0]["chart"], "Q");
  EXPECT_EQ(document["charts"][1]["chart"], "B");
  EXPECT_EQ(document["charts"][0]["coins"]["cp"]["seen"], 0.0);

  const RollRun text = roll({"stats", "Y", "--runs", "10", "--seed", "2", "--rates", "gp=2"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("\n Y "), std::string::npos);
  EXPECT_NE(text.out.find("1 gp = 2 gp"), std::string::npos);
  // The figures need no catalog, so the command names none.
  EXPECT_EQ(text.err, "");
}

}  // namespace
}  // namespace glimmerkist::roll
