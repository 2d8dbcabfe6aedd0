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

TEST_F(PageSessionTest, ACorruptOrEmptyCatalogIsRefusedAndTheOneInUseStays) {
  struct Case {
    const char* catalog;
    LoadStatus status;
    const char* problem;
  };
  const Case cases[] = {
      {"<note> </note> Good_Ring tccRings Bad_Thing tccNope Late tccWeapons",
       LoadStatus::kTagMismatch,
       "The file is corrupt. A data type did not match: Record 2, \"Bad_Thing\" \"tccNope\", has "
       "a tag that is none of the 18 category tags."},
      {"<note> </note> Good_Ring tccRings Lonely", LoadStatus::kMissingTag,
       "The file is corrupt: it ends after the name of Record 2, \"Lonely\", before its category "
       "tag."},
      {"<note> never closed", LoadStatus::kNoteNotClosed,
       "The file is corrupt: the note opened by <note> is never closed by </note>."},
      {"", LoadStatus::kLoaded,
       "It holds no item. A catalog lists each item as its name and then its category tag, such "
       "as Ring_of_Proof tccRings."},
      {"<note> only a note </note>", LoadStatus::kLoaded,
       "It holds no item. A catalog lists each item as its name and then its category tag, such "
       "as Ring_of_Proof tccRings."},
  };
  for (const Case& c : cases) {
    const CatalogOutcome outcome = session_.loadCatalog(c.catalog);
    EXPECT_EQ(outcome.result.status, c.status) << c.catalog;
    EXPECT_EQ(outcome.problem, c.problem) << c.catalog;
    EXPECT_EQ(outcome.counts[2], 2) << c.catalog;  // the two rings of kCatalog
    EXPECT_EQ(session_.pickItem(17, 1).rfind("A(n) ", 0), 0u);
    EXPECT_NE(session_.pickItem(17, 1), "A(n) ") << c.catalog;
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
    EXPECT_EQ(outcome.problem, "");
    EXPECT_EQ(outcome.hint, c.hint);
    EXPECT_EQ(outcome.counts[2], 1);
  }
}

TEST_F(PageSessionTest, StatisticsAreTheCatalogFreeFiguresOfTheChart) {
  // Chart J holds 3 to 24 copper pieces and nothing else.
  std::vector<std::int64_t> heard;
  const ChartStats j = session_.chartStats(9, 2 * kProgressStep + 5, 1,
                                           [&](std::int64_t drawn) { heard.push_back(drawn); });
  EXPECT_EQ(j.seenShare, (std::array<double, kMetalCount>{1, 0, 0, 0, 0}));
  EXPECT_EQ(j.meanGems + j.meanMagicItems, 0.0);
  EXPECT_EQ(heard, (std::vector<std::int64_t>{kProgressStep, 2 * kProgressStep}));
  // Chart S draws magic items only: with or without a catalog the figures
  // are the same, as no item draw moves the sequence.
  const ChartStats before = session_.chartStats(18, 500, 7);
  session_.loadCatalog("");
  const ChartStats after = session_.chartStats(18, 500, 7);
  EXPECT_EQ(std::tie(before.meanMagicItems, before.p10, before.p50, before.p90),
            std::tie(after.meanMagicItems, after.p10, after.p50, after.p90));
}

}  // namespace
}  // namespace glimmerkist::web
