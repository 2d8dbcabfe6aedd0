#include "treasure/encounter_result.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "support/fake_terminal.h"
#include "support/reference_random.h"
#include "support/temp_dir.h"
#include "treasure/draw_cursor.h"
#include "treasure/treasure_report.h"

namespace fs = std::filesystem;

namespace glimmerkist {
namespace {

constexpr char kFileName[] = "EncounterTreasureResult.txt";

// The file of a hoard without coins, around its gem and magic item sections.
std::string fileWithoutCoins(const std::string& gems, const std::string& items) {
  return "\n TREASURE FOUND:\n\n Coins -\n Copper Pieces: 0\n Silver Pieces: 0\n"
         " Electrum Pieces: 0\n Gold Pieces: 0\n Platinum Pieces: 0\n\n Gems -\n" +
         gems + "\n Magic Items -\n" + items + "\n\n ";
}

// Works in a folder without data.txt; the catalog is filled by the test.
class EncounterResultTest : public ::testing::Test {
 protected:
  EncounterResultTest() {
    for (int kind = 0; kind < kGemKindCount; ++kind) gemNames_[kind] = std::string(kGemNames[kind]);
  }

  // Appends one gem drawn in `band` with the given variation, kind and, for
  // variation 3 or 4, percentage.
  void addGem(int band, int variation, int kind, int percent = -1) {
    const std::uint32_t seed = findGemSeed(band, variation, percent, kind);
    ASSERT_NE(seed, 0u);
    srand(seed);
    generator_.addGems(1);
  }

  // Nine gems of plain values, in this order.
  void addGems(int n) {
    const struct {
      int band, variation, kind;
    } gems[] = {{0, 2, 0},  {1, 5, 18}, {2, 2, 24}, {3, 5, 36}, {4, 2, 37},
                {0, 5, 10}, {5, 2, 50}, {1, 2, 22}, {2, 5, 31}};
    for (int i = 0; i < n; ++i) addGem(gems[i].band, gems[i].variation, gems[i].kind);
  }

  // Fills the magic items by chart S: `count` potions picked from three,
  // which the first call files into the catalog.
  void addPotions(int count) {
    const char* names[] = {"Potion_of_Healing", "Oil_of_Slipperiness", "Elixir_of_Youth"};
    if (generator_.category(tccPotionsAndOils).count() == 0) {
      for (const char* name : names) {
        Item item;
        item.setCategory(tccPotionsAndOils);
        item.setName(name);
        generator_.addItem(item);
      }
    }
    std::uint32_t seed = 1;
    while (referenceDraws(seed, 1)[0] % 8 + 1 != count) ++seed;
    srand(seed);
    generator_.generateTreasureByLetter("S");
    ASSERT_EQ(generator_.magicItems().count(), count);
    const std::vector<int> draws = referenceDraws(seed, count + 1);
    potions_.clear();
    const char* shown[] = {"Potion of Healing", "Oil of Slipperiness", "Elixir of Youth"};
    for (int i = 1; i <= count; ++i) potions_.push_back(shown[draws[i] % 3]);
  }

  // " name\n" for each potion drawn by addPotions.
  std::string potionLines() const {
    std::string lines;
    for (const std::string& name : potions_) lines += " " + name + "\n";
    return lines;
  }

  bool write() { return writeEncounterResult(generator_, gemNames_); }

  TempDir dir_;
  FakeTerminal terminal_;
  TreasureGenerator generator_{terminal_};
  GemNames gemNames_;
  std::vector<std::string> potions_;
};

TEST_F(EncounterResultTest, AnEmptyHoard) {
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName),
            "\n TREASURE FOUND:\n\n"
            " Coins -\n"
            " Copper Pieces: 0\n"
            " Silver Pieces: 0\n"
            " Electrum Pieces: 0\n"
            " Gold Pieces: 0\n"
            " Platinum Pieces: 0\n\n"
            " Gems -\n"
            " None\n"
            "\n Magic Items -\n"
            " None\n\n"
            "\n\n ");
}

TEST_F(EncounterResultTest, TheCoinCounts) {
  // Chart Z: five plain ranges, then a failed gem roll and a failed item roll.
  std::uint32_t seed = 1;
  std::vector<int> d;
  for (;; ++seed) {
    d = referenceDraws(seed, 7);
    if (d[5] % 100 + 1 > 55 && d[6] % 100 + 1 < 50) break;
  }
  srand(seed);
  generator_.generateTreasureByLetter("Z");
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName),
            "\n TREASURE FOUND:\n\n Coins -\n Copper Pieces: " + std::to_string(100 + d[0] % 201) +
                "\n Silver Pieces: " + std::to_string(100 + d[1] % 301) +
                "\n Electrum Pieces: " + std::to_string(100 + d[2] % 301) +
                "\n Gold Pieces: " + std::to_string(100 + d[3] % 501) +
                "\n Platinum Pieces: " + std::to_string(100 + d[4] % 301) +
                "\n\n Gems -\n None\n\n Magic Items -\n None\n\n\n\n ");
}

TEST_F(EncounterResultTest, OneGemStandsAloneWithoutAComma) {
  addGems(1);
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName), fileWithoutCoins(" Azurite 20 gp\n", " None\n\n"));
}

TEST_F(EncounterResultTest, TwoGemsTakeTwoLines) {
  addGems(2);
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName), fileWithoutCoins(" Azurite 20 gp,\n Onyz 25 gp\n", " None\n\n"));
}

TEST_F(EncounterResultTest, FiveGemsPutFourOnTheSecondLine) {
  addGems(5);
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName),
            fileWithoutCoins(" Azurite 20 gp,\n"
                             " Onyz 25 gp, Amber 200 gp, Topaz 250 gp, Black Opal 2000 gp\n",
                             " None\n\n"));
}

TEST_F(EncounterResultTest, SixGemsEndTheSecondLineWithAComma) {
  addGems(6);
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName),
            fileWithoutCoins(" Azurite 20 gp,\n"
                             " Onyz 25 gp, Amber 200 gp, Topaz 250 gp, Black Opal 2000 gp,\n"
                             " Turquiose 5 gp\n",
                             " None\n\n"));
}

TEST_F(EncounterResultTest, NineGemsStartAThirdFullLine) {
  addGems(9);
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName),
            fileWithoutCoins(" Azurite 20 gp,\n"
                             " Onyz 25 gp, Amber 200 gp, Topaz 250 gp, Black Opal 2000 gp,\n"
                             " Turquiose 5 gp, Star Sapphire 10000 gp, Star Rose Quartz 100 gp,"
                             " Tourmaline 50 gp\n",
                             " None\n\n"));
}

TEST_F(EncounterResultTest, GemValuesAreTruncatedToWholeGold) {
  addGem(0, -3, 7);      // 0.5 gp
  addGem(0, 3, 3, 15);   // 11.5 gp
  addGem(5, 3, 44, 59);  // 7949.999999999999 gp
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName),
            fileWithoutCoins(" Obsidian 0 gp,\n Hematite 11 gp, Diamond 7949 gp\n", " None\n\n"));
}

TEST_F(EncounterResultTest, ItemNamesShowBlanksForUnderscores) {
  for (int count : {1, 4, 6}) {
    SCOPED_TRACE(count);
    addPotions(count);
    ASSERT_TRUE(write());
    EXPECT_EQ(readFile(kFileName), fileWithoutCoins(" None\n", potionLines()));
    // The hoard and the catalog keep their underscores.
    for (const Item& item : generator_.magicItems()) {
      EXPECT_NE(item.getName().find('_'), std::string::npos);
    }
    for (const Item& item : generator_.category(tccPotionsAndOils)) {
      EXPECT_NE(item.getName().find('_'), std::string::npos);
    }
  }
}

TEST_F(EncounterResultTest, FiveItemsAddAnEmptyLine) {
  addPotions(5);
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName), fileWithoutCoins(" None\n", potionLines() + "\n"));
}

TEST_F(EncounterResultTest, GemsAndItemsTogether) {
  addPotions(4);
  addGems(2);  // after chart S, which leaves no gems
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName), fileWithoutCoins(" Azurite 20 gp,\n Onyz 25 gp\n", potionLines()));
  EXPECT_EQ(encounterResultText(generator_.hoard(), gemNames_), readFile(kFileName));
}

TEST_F(EncounterResultTest, AnEmptyDrawShowsAnEmptyName) {
  // Chart X from an empty catalog: two noItem entries.
  srand(1);
  generator_.generateTreasureByLetter("X");
  ASSERT_EQ(generator_.magicItems().count(), 2);
  ASSERT_TRUE(write());
  EXPECT_EQ(readFile(kFileName), fileWithoutCoins(" None\n", " \n \n"));
}

TEST_F(EncounterResultTest, EachEncounterReplacesTheFile) {
  addPotions(6);
  addGems(6);
  ASSERT_TRUE(write());
  const std::string first = readFile(kFileName);
  generator_.resetHoard();
  ASSERT_TRUE(write());
  const std::string second = readFile(kFileName);
  EXPECT_EQ(second, fileWithoutCoins(" None\n", " None\n\n"));
  EXPECT_GT(first.size(), second.size());
}

TEST_F(EncounterResultTest, AFolderInTheWayIsAFailureThatCreatesNothing) {
  fs::create_directory(kFileName);
  addGems(1);
  EXPECT_FALSE(write());
  EXPECT_TRUE(fs::is_directory(kFileName));
  EXPECT_TRUE(fs::is_empty(kFileName));
  std::vector<fs::path> entries(fs::directory_iterator("."), fs::directory_iterator{});
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].filename(), kFileName);
  EXPECT_EQ(generator_.gems().count(), 1);
}

TEST_F(EncounterResultTest, AFullDeviceIsAFailure) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  fs::create_symlink("/dev/full", kFileName);
  addGems(6);
  EXPECT_FALSE(write());
}

#ifndef _WIN32
// Opening a pipe for writing waits for a reader; an encounter must not hang
// on one.
TEST_F(EncounterResultTest, APipeInTheWayIsAFailureWithoutWaiting) {
  ASSERT_EQ(mkfifo(kFileName, 0600), 0);
  addGems(1);
  EXPECT_FALSE(write());
  EXPECT_TRUE(fs::is_fifo(kFileName));
}
#endif

}  // namespace
}  // namespace glimmerkist
