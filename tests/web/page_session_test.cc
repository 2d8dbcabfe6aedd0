// The binding layer against the interactive program itself: the same
// seed gives the page the hoard, result file and item line that the program
// shows and saves.
#include "web/page_session.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "base/random.h"
#include "shell/program.h"
#include "support/fake_terminal.h"
#include "support/temp_dir.h"
#include "treasure/chart_file.h"
#include "treasure/treasure_report.h"

namespace glimmerkist::web {
namespace {

const std::string kCatalog =
    "<note> a small catalog </note>\n"
    "Potion_of_Test tccPotionsAndOils\nRing_of_Proof tccRings\nSecond_Ring tccRings\n"
    "Blade_of_Trial tccWeapons\nGreat_Blade tccWeapons\nBag_of_Holes tccBagsAndBottles\n";

const char kCharts[] =
    "# a purse\nchart pickpocket\ndescription What a cutpurse lifts\ncopper always 1-6\n"
    "items 50+ 1 tccRings\n";

class PageSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session_.loadCatalog(kCatalog);
    session_.loadCharts(kCharts, "purse.charts");
  }

  // The interactive program after srand(seed), fed `typing`, in a folder
  // holding the catalog: its screens, and its result file in `file`.
  static std::string interactive(std::uint32_t seed, const std::string& typing,
                                 std::string* file = nullptr) {
    TempDir dir;
    writeFile("data.txt", kCatalog);
    FakeTerminal terminal(typing);
    srand(seed);
    runProgram(terminal);
    if (file != nullptr) *file = readFile("EncounterTreasureResult.txt");
    return terminal.transcript();
  }

  std::string line(std::int32_t category, std::uint32_t seed) {
    return pickedItemLine(session_.pickItem(category, seed));
  }

  HoardOutcome draw(const std::string& chart, const std::string& seed,
                    const std::string& split = "", std::uint32_t fresh = 0,
                    const std::string& charts = "") {
    return session_.drawHoard(HoardAddress{chart, seed, split, charts}, fresh);
  }

  PageSession session_;
};

TEST_F(PageSessionTest, EveryChartSavesTheResultFileOfTheProgramsFirstEncounter) {
  for (std::uint32_t seed : {1u, 4294967295u}) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      const std::string chart(1, letter);
      std::string file;
      interactive(seed, "3\n" + chart + "\n0\n", &file);
      const HoardOutcome hoard = draw(chart, std::to_string(seed));
      EXPECT_EQ(hoard.problem, "");
      EXPECT_EQ(hoard.resultFile, file) << "chart " << chart << ", seed " << seed;
      EXPECT_EQ(hoard.address, "chart=" + chart + "&seed=" + std::to_string(seed));
    }
  }
}

TEST_F(PageSessionTest, ProblemsComeBackInThePagesWordsAndDrawNothing) {
  struct Case {
    const char* chart;
    const char* seed;
    const char* split;
    std::string problem;
    const char* charts = "";
    const char* missing = "";  // the chart file reported missing
  };
  const std::string otherFile =
      "This link draws from the chart file \"lairs?.txt\", which this browser does not hold. "
      "Please load it under Your charts and open the link again.";
  const Case cases[] = {
      {"1", "5", "", kChartMessage},
      {"HH", "5", "", kChartMessage},
      {"", "5", "", kChartMessage},
      {"H", "x", "", kSeedMessage},
      {"H", "-5", "", kSeedMessage},
      {"H", "5", "0", splitMessage()},
      {"H", "5", "10001", splitMessage()},
      {"pickpocket", "5", "", kChartMessage},
      {"H", "5", "", "\"H\" is no chart of \"purse.charts\". Please choose one of its charts.",
       "purse.charts"},
      {"PickPocket", "x", "", kSeedMessage, "purse.charts"},
      {"pickpocket", "5", "", otherFile, "lairs\n.txt", "lairs\n.txt"},
  };
  for (const Case& c : cases) {
    const HoardOutcome hoard = draw(c.chart, c.seed, c.split, 0, c.charts);
    EXPECT_EQ(hoard.problem, c.problem) << c.chart << " " << c.seed << " " << c.split;
    EXPECT_EQ(hoard.missingCharts, c.missing) << c.chart;
    EXPECT_EQ(hoard.json, "");
    EXPECT_EQ(hoard.markdown, "");
    EXPECT_EQ(hoard.resultFile, "");
  }
}

TEST_F(PageSessionTest, TheBuiltInChartsLoadedFromAFileDrawTheirHoardsByteForByte) {
  ASSERT_EQ(session_.loadCharts(chartFileText(builtInCharts()), "mine.txt"), "");
  for (const char* seed : {"1", "4294967295"}) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      const std::string chart(1, letter);
      const HoardOutcome builtIn = draw(chart, seed, "3");
      const HoardOutcome own = draw(chart, seed, "3", 0, "mine.txt");
      EXPECT_EQ(own.problem, "");
      EXPECT_EQ(own.json, builtIn.json) << chart << " " << seed;
      EXPECT_EQ(own.markdown, builtIn.markdown) << chart << " " << seed;
      EXPECT_EQ(own.resultFile, builtIn.resultFile) << chart << " " << seed;
      EXPECT_EQ(own.address, "charts=mine.txt&" + builtIn.address);
      EXPECT_EQ(own.chartFile, "mine.txt");
    }
  }
}

TEST_F(PageSessionTest, ARefusedChartFileSaysWhereAndTheChartsInUseStay) {
  struct Case {
    const char* file;
    const char* bytes;
    const char* message;
  };
  const Case cases[] = {
      {"bad.txt", "chart x\ncopper 101% 1-2\n",
       "The chart file \"bad.txt\" is refused at line 2, column 8: a chance is a whole number from "
       "1 to 100, followed by %."},
      {"empty.charts", "",
       "The chart file \"empty.charts\" is refused at line 1, column 1: expected \"chart NAME\"; "
       "the file holds no chart."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(session_.loadCharts(c.bytes, c.file),
              c.message + std::string(" It is not used; the charts in use stay."));
    EXPECT_EQ(session_.chartFileName(), "purse.charts");
    EXPECT_EQ(draw("pickpocket", "1", "", 0, "purse.charts").problem, "") << c.file;
  }
  session_.forgetCharts();
  EXPECT_EQ(draw("pickpocket", "1", "", 0, "purse.charts").missingCharts, "purse.charts");
  EXPECT_EQ(draw("H", "1").problem, "");
}

TEST(ChartFileTest, ADroppedFileIsAChartFileByItsNameOrItsFirstLine) {
  struct Case {
    const char* name;
    const char* bytes;
    bool charts;
  };
  const Case cases[] = {
      {"lairs.charts", "Ring tccRings", true},
      {"lairs.txt", "# lairs\n\n  # more\r\nchart wyrmling\n", true},
      {"lairs.txt",
       "\xEF\xBB\xBF"
       "chart\twyrmling",
       true},
      {"data.txt", "<note> chart </note> Ring tccRings", false},
      {"data.txt", "charts tccRings", false},
      {"data.txt", "# only a comment", false},
      {"data.txt", "", false},
      {"data.charts.txt", "Ring tccRings", false},
  };
  for (const Case& c : cases) EXPECT_EQ(isChartFile(c.name, c.bytes), c.charts) << c.bytes;
}

TEST_F(PageSessionTest, AHoardWithoutASeedTakesTheFreshOneAndStatesIt) {
  const HoardOutcome fresh = draw("h", "", "4", 77);
  EXPECT_EQ(fresh.hoard.seed, 77u);
  EXPECT_EQ(fresh.address, "chart=H&seed=77&split=4");
  EXPECT_EQ(draw("H", "77", "4", 5).json, fresh.json);
  EXPECT_NE(fresh.json.find("\"characters\": 4"), std::string::npos) << fresh.json;
}

TEST_F(PageSessionTest, PicksAreTheProgramsItems) {
  for (std::uint32_t seed : {3u, 99u}) {
    // Menu choice 1 with category 2, and choice 2, each the program's first
    // draw after the seed.
    const std::string byCategory = interactive(seed, "1\n2\n0\n");
    EXPECT_NE(byCategory.find("\n\n " + line(2, seed) + "\n\n "), std::string::npos) << byCategory;
    const std::string anyCategory = interactive(seed, "2\n0\n");
    EXPECT_NE(anyCategory.find("\n\n " + line(-1, seed) + "\n\n "), std::string::npos)
        << anyCategory;
  }
  EXPECT_EQ(session_.pickItem(5, 1).getCategory(), kNoCategory);
}

TEST_F(PageSessionTest, ACorruptOrEmptyCatalogIsRefusedAndTheOneInUseStays) {
  struct Case {
    const char* catalog;
    ProblemKind kind;
    const char* message;
  };
  const char* const kept = " It is not used; the catalog in use stays.";
  const char* const noItem =
      "This catalog holds no item: each item is its name and then its category tag, such as "
      "Ring_of_Proof tccRings.";
  const Case cases[] = {
      {"<note> </note> Good_Ring tccRings Bad_Thing tccNope Late tccWeapons",
       ProblemKind::kCatalogTagMismatch,
       "This catalog is corrupt at record 2, \"Bad_Thing\" \"tccNope\": the tag is none of the 18 "
       "category tags."},
      {"<note> </note> Good_Ring tccRings Lonely", ProblemKind::kCatalogMissingTag,
       "This catalog is corrupt at record 2, \"Lonely\": the file ends before the record's tag."},
      {"<note> never closed", ProblemKind::kCatalogNoteNotClosed,
       "This catalog is corrupt: the note opened by <note> is never closed by </note>."},
      {"", ProblemKind::kNone, noItem},
      {"<note> only a note </note>", ProblemKind::kNone, noItem},
  };
  for (const Case& c : cases) {
    const CatalogOutcome outcome = session_.loadCatalog(c.catalog);
    EXPECT_EQ(outcome.result.problem.kind, c.kind) << c.catalog;
    EXPECT_EQ(outcome.message, c.message + std::string(kept)) << c.catalog;
    EXPECT_EQ(outcome.counts[2], 2) << c.catalog;  // the two rings of kCatalog
    EXPECT_EQ(session_.pickItem(17, 1).getCategory(), 17) << c.catalog;
  }
}

TEST_F(PageSessionTest, ACatalogWithoutANoteIsTakenWithAHintAboutItsFirstWord) {
  struct Case {
    const char* catalog;
    const char* hint;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBF\n Heading Ring tccRings",
       "This catalog has no <note> block, so its first word, \"Heading\", was taken for a heading "
       "and skipped."},
      {"<note> x </note> Ring tccRings", ""},
  };
  for (const Case& c : cases) {
    const CatalogOutcome outcome = session_.loadCatalog(c.catalog);
    EXPECT_EQ(outcome.message, "");
    EXPECT_EQ(outcome.hint, c.hint);
    EXPECT_EQ(outcome.counts[2], 1);
  }
}

TEST_F(PageSessionTest, StatisticsAreTheCatalogFreeTableOfTheChart) {
  // Chart J holds 3 to 24 copper pieces and nothing else.
  std::vector<std::int64_t> heard;
  const std::vector<std::string> cells =
      chartStatsCells(PageSession::chartStats(kTreasureCharts[9], 2 * kProgressStep + 5, 1,
                                              [&](std::int64_t drawn) { heard.push_back(drawn); }));
  ASSERT_EQ(cells.size(), chartStatsHeadings().size());
  EXPECT_EQ(cells[0], "J");
  EXPECT_EQ(cells[1], "100.0%");
  EXPECT_EQ(cells[3], "0.0%");
  EXPECT_EQ(cells[11], "0.00");  // no gems
  EXPECT_EQ(heard, (std::vector<std::int64_t>{kProgressStep, 2 * kProgressStep}));
}

}  // namespace
}  // namespace glimmerkist::web
