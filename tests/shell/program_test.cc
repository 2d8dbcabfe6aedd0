#include "shell/program.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>

#include "shell/shell_test_support.h"
#include "support/fake_terminal.h"
#include "support/reference_random.h"
#include "support/temp_dir.h"
#include "treasure/gem_names.h"

namespace glimmerkist {
namespace {

constexpr std::uint32_t kSeed = 4711;

const std::string kLoaded = "\n Loading Data...\n";
const std::string kNoDataFile = "\n data.txt file failed to open\n[pause]";

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() { writeFile("data.txt", sampleDataFile()); }

  /// The whole program on `input` after srand(seed): what it showed.
  std::string run(const std::string& input, std::uint32_t seed = kSeed) {
    FakeTerminal terminal(input);
    srand(seed);
    EXPECT_EQ(runProgram(terminal), 0);
    return terminal.transcript();
  }

  /// The loader's message, then the welcome screen with its pause.
  static std::string startUp(const std::string& loaderMessage = kLoaded) {
    return loaderMessage + "[clear]" + kWelcomeText + "[pause]";
  }

  /// The random pick's screen for an item drawn by `dice`.
  static std::string randomPickScreen(ReferenceDice& dice) {
    const int category = dice.draw() % 18;
    return "[clear]" + pickedItemLine(dice.pick(sampleShown(category))) + "[pause]";
  }

  TempDir dir_;
};

TEST_F(ProgramTest, StartsWithTheWelcomeScreenAndQuitsOnZero) {
  EXPECT_EQ(run("0\n"), startUp() + kMainMenu);
}

TEST_F(ProgramTest, NegativeNumbersQuitLikeZero) {
  for (const char* input : {"-1\n", "-3\n", "-2147483648\n", "-99999999999\n", "-5 2\n"}) {
    EXPECT_EQ(run(input), startUp() + kMainMenu) << input;
  }
}

TEST_F(ProgramTest, SingleNonDigitCountsAsZeroAndQuits) {
  for (const char* input : {"x\n", "+\n", "-\n", "q 3\n"}) {
    EXPECT_EQ(run(input), startUp() + kMainMenu) << input;
  }
}

TEST_F(ProgramTest, BadEntriesAreReportedThenTheMenuReturns) {
  for (const char* input : {"abc\n0\n", "00\n0\n", "-0\n0\n", "+x\n0\n"}) {
    EXPECT_EQ(run(input), startUp() + kMainMenu + kBadEntryReport + kMainMenu) << input;
  }
}

TEST_F(ProgramTest, NumbersAboveThreeShowTheMenuAgainWithoutAPause) {
  for (const char* input :
       {"4\n0\n", "20\n0\n", "1000\n0\n", "12abc\n0\n", "19\n0\n", "99999999999\n0\n"}) {
    EXPECT_EQ(run(input), startUp() + kMainMenu + kMainMenu) << input;
  }
}

TEST_F(ProgramTest, SeveralTokensOnOneLineAreReadOneAfterAnother) {
  EXPECT_EQ(run("4 20 abc 0 1\n"),
            startUp() + kMainMenu + kMainMenu + kMainMenu + kBadEntryReport + kMainMenu);
}

TEST_F(ProgramTest, EmptyLinesAreSkipped) {
  EXPECT_EQ(run("\n\n   \n\t\n4\n\n\n0\n"), startUp() + kMainMenu + kMainMenu);
}

TEST_F(ProgramTest, EndOfInputEndsTheProgramAtTheNextMenu) {
  EXPECT_EQ(run(""), startUp() + kMainMenu);
  EXPECT_EQ(run("4"), startUp() + kMainMenu + kMainMenu);
  EXPECT_EQ(run("abc"), startUp() + kMainMenu + kBadEntryReport + kMainMenu);
}

TEST_F(ProgramTest, TwoWithTrailingLettersRunsTheRandomPick) {
  for (const char* input : {"2\n0\n", "2x\n0\n"}) {
    ReferenceDice dice(kSeed);
    EXPECT_EQ(run(input), startUp() + kMainMenu + randomPickScreen(dice) + kMainMenu) << input;
  }
}

TEST_F(ProgramTest, CategoryPickShowsAnItemThenTheMenu) {
  ReferenceDice dice(kSeed);
  const std::string weapon = dice.pick(sampleShown(tccWeapons));
  EXPECT_EQ(run("1\n17\n0\n"),
            startUp() + kMainMenu + kCategoryMenu + pickedItemLine(weapon) + "[pause]" + kMainMenu);
}

TEST_F(ProgramTest, CategoryPickOutsideTheCategoriesReturnsToTheMenu) {
  for (const char* input : {"1\n18\n0\n", "1\n19\n0\n"}) {
    EXPECT_EQ(run(input), startUp() + kMainMenu + kCategoryMenu + "[pause]" + kMainMenu) << input;
  }
  EXPECT_EQ(run("1\nabc\n0\n"),
            startUp() + kMainMenu + kCategoryMenu + kBadEntryReport + "[pause]" + kMainMenu);
}

TEST_F(ProgramTest, NegativeCategoryEndsTheProgramWithoutTheMenu) {
  for (const char* input : {"1\n-1\n4\n", "1\n-20\n"}) {
    EXPECT_EQ(run(input), startUp() + kMainMenu + kCategoryMenu + "[pause]") << input;
  }
}

TEST_F(ProgramTest, ThreeRunsAnEncounterThenTheMenu) {
  ReferenceDice dice(kSeed);
  ShownHoard copper;
  copper.coins[0] = dice.range(3, 24);
  EXPECT_EQ(run("3\nj\n0\n"),
            startUp() + kMainMenu + encounterScreens(treasureReport(copper)) + kMainMenu);
  EXPECT_TRUE(std::filesystem::is_regular_file("EncounterTreasureResult.txt"));
}

TEST_F(ProgramTest, OneSequenceOfDrawsRunsThroughTheWholeSession) {
  ReferenceDice dice(kSeed);
  const std::string firstPick = randomPickScreen(dice);
  ShownHoard copper;
  copper.coins[0] = dice.range(3, 24);
  const std::string potion = dice.pick(sampleShown(tccPotionsAndOils));
  const std::string secondPick = randomPickScreen(dice);

  EXPECT_EQ(run("2\n3 J\n1 0\n2\n"), startUp() + kMainMenu + firstPick + kMainMenu +
                                         encounterScreens(treasureReport(copper)) + kMainMenu +
                                         kCategoryMenu + pickedItemLine(potion) + "[pause]" +
                                         kMainMenu + secondPick + kMainMenu);
}

TEST_F(ProgramTest, WithoutDataFileItemsShowBlankAndTheProgramGoesOn) {
  std::filesystem::remove("data.txt");
  EXPECT_EQ(run("1\n0\n2\n0\n"), startUp(kNoDataFile) + kMainMenu + kCategoryMenu +
                                     pickedItemLine("") + "[pause]" + kMainMenu + "[clear]" +
                                     pickedItemLine("") + "[pause]" + kMainMenu);
}

TEST_F(ProgramTest, CorruptDataFileReportStaysUntilAKeyThenTheWelcomeScreen) {
  writeFile("data.txt", "<note> </note>\nSword_+1\ntccWeapons\nOdd_Thing\ntccNothing\n");
  EXPECT_EQ(run("0\n"), kLoaded + "[clear]" +
                            "\n The data.txt file is corrupt. A data type did not match\n\n " +
                            " Data: Odd_Thing - tccNothing\n\n " + "[pause]" + "[clear]" +
                            kWelcomeText + "[pause]" + kMainMenu);
}

TEST(FillNameTablesTest, FillsEveryGemNameAndCategoryLabel) {
  GemNames gemNames;
  CategoryLabels labels;
  fillNameTables(gemNames, labels);
  for (int kind = 0; kind < 51; ++kind) EXPECT_EQ(gemNames[kind], kShownGemNames[kind]) << kind;

  const char* const kLabels[] = {
      "...Potions and Oils",
      "...Scrolls",
      "...Rings",
      "...Rods",
      "...Staves",
      "...Wands",
      "...Books and Tomes",
      "...Gems and Jewelry",
      "...Cloak and Robes",
      "...Boots and Gloves",
      "...Girdles and Helms",
      "...Bags and Bottles",
      "...Dusts and Stones",
      "...Household Items",
      "...Musical Instruments",
      "...Weird Stuff",
      "...Armor and Shields",
      "...Weapons",
      "...Random Select",
      "...or, Quit",
  };
  ASSERT_EQ(labels.size(), std::size(kLabels));
  for (std::size_t code = 0; code < labels.size(); ++code) {
    EXPECT_EQ(labels[code], kLabels[code]) << code;
  }
}

}  // namespace
}  // namespace glimmerkist
