#include "shell/encounter_mode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "shell/program.h"
#include "shell/read_number.h"
#include "shell/shell_test_support.h"
#include "support/fake_terminal.h"
#include "support/reference_random.h"
#include "support/temp_dir.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist {
namespace {

constexpr char kResultFile[] = "EncounterTreasureResult.txt";

// A seed whose chart B hoard holds copper, silver, seven gems of many
// variations and both magic items.
constexpr std::uint32_t kRichChartBSeed = 30;

/// A hoard worked out from the reference sequence, with the gems' exact
/// values beside what the report shows of them.
struct ReferenceHoard : ShownHoard {
  std::vector<double> exactGemValues;

  void addGem(int kind, double value) {
    gems.push_back({std::string(kShownGemNames[kind]), static_cast<long long>(value)});
    exactGemValues.push_back(value);
  }
};

// One gem from the reference sequence: the band roll, the kind, the idle d10,
// the variation dice, a percentage for variations 3 and 4, and the value.
void addReferenceGem(ReferenceDice& dice, ReferenceHoard& hoard) {
  static constexpr double kBase[] = {10, 50, 100, 500, 1000, 5000};
  static constexpr int kFirstKind[] = {0, 11, 24, 32, 37, 43};
  static constexpr int kKinds[] = {11, 13, 8, 5, 6, 8};
  const int d100 = dice.draw() % 100 + 1;
  const int band = d100 >= 100  ? 5
                   : d100 >= 91 ? 4
                   : d100 >= 71 ? 3
                   : d100 >= 51 ? 2
                   : d100 >= 26 ? 1
                                : 0;
  const int kind = kFirstKind[band] + dice.draw() % kKinds[band];
  dice.draw();  // the d10 that changes nothing
  const int face = dice.draw() % 6 + 1;
  int r = face;
  if (face == 6 || face == 1) {
    while (dice.draw() % 6 + 1 == face) r += face == 6 ? 1 : -1;
  }
  const double base = kBase[band];
  double value = 0;
  if (r >= 6) {
    const int target = band + (r - 5);
    if (target <= 5) {
      value = kBase[target];
    } else {
      value = std::min(base * (target - 5), 99999.0);
      for (int i = 0; i < r - 5; ++i) value = std::min(value * 2, 99999.0);
    }
  } else if (r == 2) {
    value = base + base;
  } else if (r == 3) {
    value = ((dice.draw() % 50 + 10) * 0.01 + 1.0) * base;
  } else if (r == 4) {
    value = ((dice.draw() % 30 + 10) * 0.01) * base;
  } else if (r == 5) {
    value = base * 0.5;
  } else {
    const int target = band + r;
    value = target >= 0    ? kBase[std::min(target, 5)]
            : target == -1 ? 5
            : target == -2 ? 1
            : target == -3 ? 0.5
                           : 0.1;
  }
  hoard.addGem(kind, value);
}

// Chart B: five coin rolls, gems on 30 or less, and on 10 or more one armor
// and one weapon.
ReferenceHoard referenceChartB(ReferenceDice& dice) {
  const struct {
    int chance, low, high;
  } coins[] = {
      {50, 1000, 6000}, {25, 100, 3000}, {25, 100, 1000}, {25, 200, 2000}, {25, 100, 1000}};
  ReferenceHoard hoard;
  for (int metal = 0; metal < 5; ++metal) {
    const auto& c = coins[metal];
    hoard.coins[metal] = dice.percentile() <= c.chance ? dice.range(c.low, c.high) : 0;
  }
  if (dice.percentile() <= 30) {
    const int n = dice.range(1, 8);
    for (int i = 0; i < n; ++i) addReferenceGem(dice, hoard);
  }
  if (dice.percentile() >= 10) {
    hoard.items.push_back(dice.pick(sampleShown(tccArmorAndShields)));
    hoard.items.push_back(dice.pick(sampleShown(tccWeapons)));
  }
  return hoard;
}

// Chart J: 3 to 24 copper pieces and nothing else.
ReferenceHoard referenceChartJ(ReferenceDice& dice) {
  ReferenceHoard hoard;
  hoard.coins[0] = dice.range(3, 24);
  return hoard;
}

// Chart Q: 1 to 4 gems and nothing else.
ReferenceHoard referenceChartQ(ReferenceDice& dice) {
  ReferenceHoard hoard;
  const int n = dice.range(1, 4);
  for (int i = 0; i < n; ++i) addReferenceGem(dice, hoard);
  return hoard;
}

// The names of one category as the catalog in use holds them.
std::vector<std::string> catalogShown(bool withCatalog, int category) {
  return withCatalog ? sampleShown(category) : std::vector<std::string>{};
}

// Chart V: two items of any category.
ReferenceHoard referenceChartV(ReferenceDice& dice, bool withCatalog) {
  ReferenceHoard hoard;
  for (int i = 0; i < 2; ++i) {
    const int category = dice.draw() % 18;
    hoard.items.push_back(dice.pick(catalogShown(withCatalog, category)));
  }
  return hoard;
}

// Chart X: two potions.
ReferenceHoard referenceChartX(ReferenceDice& dice, bool withCatalog) {
  ReferenceHoard hoard;
  for (int i = 0; i < 2; ++i) {
    hoard.items.push_back(dice.pick(catalogShown(withCatalog, tccPotionsAndOils)));
  }
  return hoard;
}

/// The result file of a hoard that holds only copper.
std::string copperOnlyResultFile(long long copper) {
  return "\n TREASURE FOUND:\n\n Coins -\n Copper Pieces: " + std::to_string(copper) +
         "\n Silver Pieces: 0\n Electrum Pieces: 0\n Gold Pieces: 0\n Platinum Pieces: 0\n\n"
         " Gems -\n None\n\n Magic Items -\n None\n\n\n\n ";
}

class EncounterModeTest : public ::testing::Test {
 protected:
  EncounterModeTest() { fillNameTables(gemNames_, labels_); }

  /// Builds the generator on a terminal that will read `input`, with the
  /// sample catalog or with none (the temporary folder has no data.txt).
  void start(const std::string& input, bool withCatalog = true) {
    generator_.reset();
    terminal_ = std::make_unique<FakeTerminal>(input);
    generator_ = std::make_unique<TreasureGenerator>(*terminal_);
    if (withCatalog) fileSampleCatalog(*generator_);
  }

  /// Runs one more encounter and returns what it showed.
  std::string next() {
    terminal_->clearTranscript();
    runEncounter(*terminal_, *generator_, gemNames_);
    return terminal_->transcript();
  }

  /// One encounter on `input` after srand(seed): what it showed.
  std::string encounter(const std::string& input, std::uint32_t seed, bool withCatalog = true) {
    start(input, withCatalog);
    srand(seed);
    return next();
  }

  /// The draws that one encounter on `input` made.
  int drawsOfEncounter(const std::string& input, std::uint32_t seed, bool withCatalog = true) {
    return drawsMadeBy(seed, [&] {
      start(input, withCatalog);
      runEncounter(*terminal_, *generator_, gemNames_);
    });
  }

  TempDir dir_;
  GemNames gemNames_;
  CategoryLabels labels_;
  std::unique_ptr<FakeTerminal> terminal_;
  std::unique_ptr<TreasureGenerator> generator_;
};

TEST_F(EncounterModeTest, ShowsTheDialogueThenTheReportOfTheHoard) {
  ReferenceDice dice(kRichChartBSeed);
  const ReferenceHoard hoard = referenceChartB(dice);
  ASSERT_EQ(hoard.gems.size(), 7u);
  ASSERT_EQ(hoard.items.size(), 2u);

  EXPECT_EQ(encounter("b\n", kRichChartBSeed), encounterScreens(treasureReport(hoard)));
  EXPECT_EQ(drawsOfEncounter("b\n", kRichChartBSeed), dice.used());
}

TEST_F(EncounterModeTest, LowerAndUpperCaseLetterGiveTheSameHoard) {
  for (std::uint32_t seed : {1u, 6u, kRichChartBSeed, 33u, 56u}) {
    ReferenceDice dice(seed);
    const std::string expected = encounterScreens(treasureReport(referenceChartB(dice)));
    EXPECT_EQ(encounter("b\n", seed), expected) << "seed " << seed;
    EXPECT_EQ(encounter("B\n", seed), expected) << "seed " << seed;
  }
}

TEST_F(EncounterModeTest, OnlyTheFirstTokenIsTheLetter) {
  ReferenceDice dice(kRichChartBSeed);
  const std::string expected = encounterScreens(treasureReport(referenceChartB(dice)));

  EXPECT_EQ(encounter("b 2\n", kRichChartBSeed), expected);
  EXPECT_EQ(readNumber(*terminal_), 2);

  EXPECT_EQ(encounter("\n\n  \tB\t 3\n", kRichChartBSeed), expected);
  EXPECT_EQ(readNumber(*terminal_), 3);
}

TEST_F(EncounterModeTest, InvalidLetterShowsItsScreenThenAnEmptyReport) {
  const std::string expected =
      encounterScreens(treasureReport({}, kNoChartNote), kInvalidChartScreen);
  // The longest entry is cut to its first 4,096 letters, which are no letter either.
  const std::string longWord(5000, 'a');
  for (const char* input : {"bb", "1", "?", "B.", "\xc3\xa9", "aA", longWord.c_str()}) {
    EXPECT_EQ(encounter(input, kRichChartBSeed), expected) << input;
    EXPECT_EQ(drawsOfEncounter(input, kRichChartBSeed), 0) << input;
  }
}

TEST_F(EncounterModeTest, EndOfInputAtTheLetterPromptCountsAsAnInvalidLetter) {
  const std::string expected =
      encounterScreens(treasureReport({}, kNoChartNote), kInvalidChartScreen);
  for (const char* input : {"", " \n\n\t\n"}) {
    EXPECT_EQ(encounter(input, kRichChartBSeed), expected) << '"' << input << '"';
  }
}

TEST_F(EncounterModeTest, EmptyCatalogShowsItemsAsBlankNames) {
  ReferenceDice potions(kRichChartBSeed);
  const ReferenceHoard twoPotions = referenceChartX(potions, false);
  EXPECT_EQ(twoPotions.items, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(encounter("x\n", kRichChartBSeed, false), encounterScreens(treasureReport(twoPotions)));
  EXPECT_EQ(drawsOfEncounter("x\n", kRichChartBSeed, false), 0);

  ReferenceDice any(kRichChartBSeed);
  const ReferenceHoard twoOfAny = referenceChartV(any, false);
  EXPECT_EQ(encounter("V\n", kRichChartBSeed, false), encounterScreens(treasureReport(twoOfAny)));
  EXPECT_EQ(drawsOfEncounter("V\n", kRichChartBSeed, false), 2);

  // Each blank item still has its line: one blank, then the line end.
  EXPECT_NE(terminal_->transcript().find(" Magic Items -\n \n \n\n\n\n "), std::string::npos);
}

TEST_F(EncounterModeTest, MagicItemsShowBlanksForUnderscoresAndStayStored) {
  for (std::uint32_t seed : {3u, 4u, 5u}) {
    ReferenceDice dice(seed);
    const ReferenceHoard hoard = referenceChartX(dice, true);
    EXPECT_EQ(encounter("X\n", seed), encounterScreens(treasureReport(hoard))) << "seed " << seed;
    Item first;
    generator_->magicItems().itemAt(0, first);
    EXPECT_NE(first.getName().find('_'), std::string::npos) << first.getName();
  }
}

TEST_F(EncounterModeTest, GemsStandOneOnALineWithWholeGoldPieces) {
  bool truncated = false;
  for (std::uint32_t seed = 1; seed <= 25; ++seed) {
    ReferenceDice dice(seed);
    const ReferenceHoard hoard = referenceChartQ(dice);
    for (double value : hoard.exactGemValues) truncated |= value != std::floor(value);
    EXPECT_EQ(encounter("q\n", seed), encounterScreens(treasureReport(hoard))) << "seed " << seed;
  }
  // Some of those gems are worth a fraction of a gold piece more than shown.
  EXPECT_TRUE(truncated);
}

TEST_F(EncounterModeTest, SavesTheHoardToTheResultFile) {
  writeFile(kResultFile, "an older encounter");
  ReferenceDice dice(kRichChartBSeed);
  const ReferenceHoard hoard = referenceChartJ(dice);

  EXPECT_EQ(encounter("j\n", kRichChartBSeed), encounterScreens(treasureReport(hoard)));
  EXPECT_EQ(readFile(kResultFile), copperOnlyResultFile(hoard.coins[0]));

  // An invalid letter, or none at the end of input, leaves the file alone.
  for (const char* input : {"jj\n", "?\n", ""}) {
    encounter(input, kRichChartBSeed);
    EXPECT_EQ(readFile(kResultFile), copperOnlyResultFile(hoard.coins[0])) << input;
  }
}

TEST_F(EncounterModeTest, UnsavedTreasureIsReportedOnScreen) {
  std::filesystem::create_directory(kResultFile);
  ReferenceDice dice(kRichChartBSeed);
  const ReferenceHoard hoard = referenceChartB(dice);

  EXPECT_EQ(encounter("b\n", kRichChartBSeed),
            encounterScreens(treasureReport(hoard, kNotSavedNote)));
  EXPECT_EQ(encounter("?\n", kRichChartBSeed),
            encounterScreens(treasureReport({}, kNoChartNote), kInvalidChartScreen));
  EXPECT_TRUE(std::filesystem::is_directory(kResultFile));
}

TEST_F(EncounterModeTest, TwoEncountersInARowDoNotAddUp) {
  ReferenceDice dice(kRichChartBSeed);
  const ReferenceHoard rich = referenceChartB(dice);
  const ReferenceHoard copper = referenceChartJ(dice);
  const ReferenceHoard gems = referenceChartQ(dice);
  const ReferenceHoard moreGems = referenceChartQ(dice);

  start("b\nj\nq\nq\nzz\n");
  srand(kRichChartBSeed);
  EXPECT_EQ(next(), encounterScreens(treasureReport(rich)));
  EXPECT_EQ(next(), encounterScreens(treasureReport(copper)));
  EXPECT_EQ(readFile(kResultFile), copperOnlyResultFile(copper.coins[0]));
  EXPECT_EQ(next(), encounterScreens(treasureReport(gems)));
  EXPECT_EQ(next(), encounterScreens(treasureReport(moreGems)));
  const std::string lastSaved = readFile(kResultFile);
  EXPECT_EQ(next(), encounterScreens(treasureReport({}, kNoChartNote), kInvalidChartScreen));
  EXPECT_EQ(readFile(kResultFile), lastSaved);
}

}  // namespace
}  // namespace glimmerkist
