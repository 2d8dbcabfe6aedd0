// The binding layer against the interactive program itself: the same
// seed gives the page the hoard, result file and item line that the program
// shows and saves.
#include "web/page_session.h"

#include <gtest/gtest.h>

#include <string>

#include "base/random.h"
#include "shell/program.h"
#include "support/fake_terminal.h"
#include "support/temp_dir.h"

namespace glimmerkist::web {
namespace {

const std::string kCatalog =
    "<note> a small catalog </note>\n"
    "Potion_of_Test tccPotionsAndOils\nRing_of_Proof tccRings\nSecond_Ring tccRings\n"
    "Blade_of_Trial tccWeapons\nGreat_Blade tccWeapons\nBag_of_Holes tccBagsAndBottles\n";

class PageSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { session_.loadCatalog(kCatalog); }

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

  HoardOutcome draw(const std::string& chart, const std::string& seed,
                    const std::string& split = "", std::uint32_t fresh = 0) {
    return session_.drawHoard(HoardAddress{chart, seed, split}, fresh);
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

TEST_F(PageSessionTest, ProblemsComeBackAsTheProgramsMessagesAndDrawNothing) {
  struct Case {
    const char* chart;
    const char* seed;
    const char* split;
    std::string problem;
  };
  const std::string invalidChart =
      "\n There was an error with the Treasure Chart variable.\n"
      " Please verify that the value is a vlue of A to Z.\n ";
  const Case cases[] = {
      {"1", "5", "", invalidChart},       {"HH", "5", "", invalidChart},
      {"", "5", "", invalidChart},        {"H", "x", "", kSeedMessage},
      {"H", "-5", "", kSeedMessage},      {"H", "5", "0", kSplitMessage},
      {"H", "5", "10001", kSplitMessage},
  };
  for (const Case& c : cases) {
    const HoardOutcome hoard = draw(c.chart, c.seed, c.split);
    EXPECT_EQ(hoard.problem, c.problem) << c.chart << " " << c.seed << " " << c.split;
    EXPECT_EQ(hoard.json, "");
    EXPECT_EQ(hoard.resultFile, "");
  }
}

TEST_F(PageSessionTest, AHoardWithoutASeedTakesTheFreshOneAndStatesIt) {
  const HoardOutcome fresh = draw("h", "", "4", 77);
  EXPECT_EQ(fresh.seed, 77u);
  EXPECT_EQ(fresh.address, "chart=H&seed=77&split=4");
  EXPECT_EQ(draw("H", "77", "4", 5).json, fresh.json);
  EXPECT_NE(fresh.json.find("\"characters\": 4"), std::string::npos) << fresh.json;
}

TEST_F(PageSessionTest, PicksAreTheProgramsItemLines) {
  for (std::uint32_t seed : {3u, 99u}) {
    // Menu choice 1 with category 2, and choice 2, each the program's first
    // draw after the seed.
    const std::string byCategory = interactive(seed, "1\n2\n0\n");
    EXPECT_NE(byCategory.find("\n\n " + session_.pickItem(2, seed) + "\n\n "), std::string::npos)
        << byCategory;
    const std::string anyCategory = interactive(seed, "2\n0\n");
    EXPECT_NE(anyCategory.find("\n\n " + session_.pickItem(-1, seed) + "\n\n "), std::string::npos)
        << anyCategory;
  }
  EXPECT_EQ(session_.pickItem(5, 1), "A(n) ");
}

TEST_F(PageSessionTest, ACorruptCatalogKeepsTheItemsBeforeTheBadRecordAndItsReport) {
  const CatalogOutcome outcome =
      session_.loadCatalog("<note> </note> Good_Ring tccRings Bad_Thing tccNope Late tccWeapons");
  EXPECT_EQ(outcome.result.problem.kind, ProblemKind::kCatalogTagMismatch);
  EXPECT_EQ(outcome.screen,
            "\n The data.txt file is corrupt. A data type did not match\n\n"
            "  Data: Bad_Thing - tccNope\n\n ");
  EXPECT_EQ(outcome.counts[2], 1);
  EXPECT_EQ(outcome.counts[17], 0);
  EXPECT_EQ(session_.pickItem(2, 1), "A(n) Good Ring");

  const CatalogOutcome clean = session_.loadCatalog(kCatalog);
  EXPECT_EQ(clean.result.problem.kind, ProblemKind::kNone);
  EXPECT_EQ(clean.screen, "");
  EXPECT_EQ(clean.counts[2], 2);
}

TEST_F(PageSessionTest, StatisticsAreTheCatalogFreeTableOfTheChart) {
  // Chart J holds 3 to 24 copper pieces and nothing else; its table has a
  // heading, a rule and its one row.
  const std::string table = session_.chartStats(9, 1000, 1);
  const std::string row = table.substr(table.rfind("| J |"));
  EXPECT_EQ(row.rfind("| J | 100.0% | ", 0), 0u) << row;
  EXPECT_NE(row.find(" | 0.0% | 0.0 | 0.00 | 0.00 | "), std::string::npos) << row;
  // Chart S draws magic items only: with or without a catalog the figures
  // are the same, as no item draw moves the sequence.
  const std::string before = session_.chartStats(18, 500, 7);
  session_.loadCatalog("");
  EXPECT_EQ(session_.chartStats(18, 500, 7), before);
}

}  // namespace
}  // namespace glimmerkist::web
