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
#include "treasure/treasure_report.h"

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

  std::string line(std::int32_t category, std::uint32_t seed) {
    return pickedItemLine(session_.pickItem(category, seed));
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

TEST_F(PageSessionTest, ProblemsComeBackInThePagesWordsAndDrawNothing) {
  struct Case {
    const char* chart;
    const char* seed;
    const char* split;
    std::string problem;
  };
  const Case cases[] = {
      {"1", "5", "", kChartMessage},       {"HH", "5", "", kChartMessage},
      {"", "5", "", kChartMessage},        {"H", "x", "", kSeedMessage},
      {"H", "-5", "", kSeedMessage},       {"H", "5", "0", splitMessage()},
      {"H", "5", "10001", splitMessage()},
  };
  for (const Case& c : cases) {
    const HoardOutcome hoard = draw(c.chart, c.seed, c.split);
    EXPECT_EQ(hoard.problem, c.problem) << c.chart << " " << c.seed << " " << c.split;
    EXPECT_EQ(hoard.json, "");
    EXPECT_EQ(hoard.markdown, "");
    EXPECT_EQ(hoard.resultFile, "");
  }
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

TEST_F(PageSessionTest, ACorruptCatalogKeepsTheItemsBeforeTheBadRecordAndItsReport) {
  const CatalogOutcome outcome =
      session_.loadCatalog("<note> </note> Good_Ring tccRings Bad_Thing tccNope Late tccWeapons");
  EXPECT_EQ(outcome.result.problem.kind, ProblemKind::kCatalogTagMismatch);
  EXPECT_EQ(outcome.message,
            "This catalog is corrupt at record 2, \"Bad_Thing\" \"tccNope\": the tag is none of "
            "the 18 category tags. The items before the problem are kept.");
  EXPECT_EQ(outcome.counts[2], 1);
  EXPECT_EQ(outcome.counts[17], 0);
  EXPECT_EQ(line(2, 1), "A(n) Good Ring");

  const CatalogOutcome clean = session_.loadCatalog(kCatalog);
  EXPECT_EQ(clean.result.problem.kind, ProblemKind::kNone);
  EXPECT_EQ(clean.message, "");
  EXPECT_EQ(clean.counts[2], 2);
}

TEST_F(PageSessionTest, StatisticsAreTheCatalogFreeTableOfTheChart) {
  // Chart J holds 3 to 24 copper pieces and nothing else.
  const std::vector<std::string> cells = chartStatsCells(PageSession::chartStats(9, 1000, 1));
  ASSERT_EQ(cells.size(), chartStatsHeadings().size());
  EXPECT_EQ(cells[0], "J");
  EXPECT_EQ(cells[1], "100.0%");
  EXPECT_EQ(cells[3], "0.0%");
  EXPECT_EQ(cells[11], "0.00");  // no gems
}

}  // namespace
}  // namespace glimmerkist::web
