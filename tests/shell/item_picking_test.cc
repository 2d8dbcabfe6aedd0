#include "shell/item_picking.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "shell/program.h"
#include "shell/read_number.h"
#include "shell/shell_test_support.h"
#include "support/fake_terminal.h"
#include "support/reference_random.h"
#include "treasure/gem_names.h"

namespace glimmerkist {
namespace {

constexpr std::uint32_t kSeed = 20240611;

class ItemPickingTest : public ::testing::Test {
 protected:
  ItemPickingTest() {
    fillNameTables(gemNames_, labels_);
    fileSampleCatalog(catalog_);
  }

  /// The category pick on `input` after srand(seed): what it showed. The
  /// number it returned is kept in returned_.
  std::string pickCategory(const std::string& input, std::uint32_t seed = kSeed) {
    FakeTerminal terminal(input);
    srand(seed);
    returned_ = pickFromCategory(terminal, catalog_, labels_);
    return terminal.transcript();
  }

  /// The draws that the category pick made for `input`.
  int drawsOfCategoryPick(const std::string& input) {
    return drawsMadeBy(kSeed, [&] {
      FakeTerminal terminal(input);
      pickFromCategory(terminal, catalog_, labels_);
    });
  }

  ItemCatalog catalog_;
  GemNames gemNames_;
  CategoryLabels labels_;
  std::int32_t returned_ = 0;
};

TEST_F(ItemPickingTest, MenuListsTheEighteenCategoriesRightAligned) {
  EXPECT_EQ(pickCategory("18\n"), kCategoryMenu + "[pause]");
}

TEST_F(ItemPickingTest, CategoryNumberShowsAnItemOfThatCategory) {
  for (int category : {0, 6, 13, 16, 17}) {
    for (std::uint32_t seed : {1u, 2u, 77u, kSeed}) {
      ReferenceDice dice(seed);
      const std::string expected = dice.pick(sampleShown(category));
      EXPECT_EQ(pickCategory(std::to_string(category) + "\n", seed),
                kCategoryMenu + pickedItemLine(expected) + "[pause]")
          << "category " << category << ", seed " << seed;
      EXPECT_EQ(returned_, category);
    }
  }
}

TEST_F(ItemPickingTest, NumbersOutsideTheCategoriesShowNothingAndPauseOnce) {
  const struct {
    const char* input;
    std::int32_t returned;
  } cases[] = {
      {"18", 18},   {"19", 19},     {"-1", -1},
      {"-18", -18}, {"1000", 1000}, {"99999999999", std::numeric_limits<std::int32_t>::max()},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pickCategory(c.input), kCategoryMenu + "[pause]") << c.input;
    EXPECT_EQ(returned_, c.returned) << c.input;
    EXPECT_EQ(drawsOfCategoryPick(c.input), 0) << c.input;
  }
}

TEST_F(ItemPickingTest, BadEntryIsReportedThenPausesASecondTime) {
  for (const char* input : {"abc", "00", "-0"}) {
    EXPECT_EQ(pickCategory(input), kCategoryMenu + kBadEntryReport + "[pause]") << input;
    EXPECT_EQ(returned_, kBadEntry) << input;
    EXPECT_EQ(drawsOfCategoryPick(input), 0) << input;
  }
}

TEST_F(ItemPickingTest, EndOfInputReadsAsCategoryZero) {
  ReferenceDice dice(kSeed);
  const std::string expected = dice.pick(sampleShown(0));
  EXPECT_EQ(pickCategory(""), kCategoryMenu + pickedItemLine(expected) + "[pause]");
  EXPECT_EQ(returned_, 0);
}

TEST_F(ItemPickingTest, EmptyCategoryShowsABlankItemAndDrawsNothing) {
  for (const char* input : {"5", "14"}) {
    EXPECT_EQ(pickCategory(input), kCategoryMenu + "\n\n A(n) \n\n " + "[pause]") << input;
    EXPECT_EQ(drawsOfCategoryPick(input), 0) << input;
  }
}

TEST_F(ItemPickingTest, UnderscoresAreShownAsBlanksAndStayStored) {
  Item item;
  item.setCategory(tccWands);
  item.setName("_Wand_of__Wonder_");
  catalog_.addItem(item);

  EXPECT_EQ(pickCategory("5"), kCategoryMenu + pickedItemLine(" Wand of  Wonder ") + "[pause]");
  Item stored;
  catalog_.category(tccWands).itemAt(0, stored);
  EXPECT_EQ(stored.getName(), "_Wand_of__Wonder_");
}

TEST_F(ItemPickingTest, ShowPickedItemWritesOneDisplayLine) {
  const struct {
    const char* stored;
    const char* shown;
  } cases[] = {
      {"Bag_of_Holding", "Bag of Holding"},
      {"___", "   "},
      {"_", " "},
      {"Plain", "Plain"},
      {"a__b", "a  b"},
      {"Sword_+1,_Flame_Tongue", "Sword +1, Flame Tongue"},
  };
  for (const auto& c : cases) {
    Item item;
    item.setCategory(tccWeapons);
    item.setName(c.stored);
    FakeTerminal terminal;
    showPickedItem(terminal, item);
    EXPECT_EQ(terminal.transcript(), pickedItemLine(c.shown)) << c.stored;
    EXPECT_EQ(item.getName(), c.stored);
  }
  FakeTerminal terminal;
  showPickedItem(terminal, noItem);
  EXPECT_EQ(terminal.transcript(), "\n\n A(n) \n\n ");
}

TEST_F(ItemPickingTest, RandomPickDrawsTheCategoryFirstThenTheItem) {
  int filledCategoriesSeen = 0;
  int emptyCategoriesSeen = 0;
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    ReferenceDice dice(seed);
    const int category = dice.draw() % 18;
    const std::vector<std::string> names = sampleShown(category);
    const std::string expected = dice.pick(names);
    (names.empty() ? emptyCategoriesSeen : filledCategoriesSeen)++;

    FakeTerminal terminal("7\n");
    srand(seed);
    pickFromAnyCategory(terminal, catalog_);
    EXPECT_EQ(terminal.transcript(), "[clear]" + pickedItemLine(expected) + "[pause]")
        << "seed " << seed;
    // The typed number is still there for the next read.
    EXPECT_EQ(readNumber(terminal), 7);

    EXPECT_EQ(drawsMadeBy(seed,
                          [&] {
                            FakeTerminal unused;
                            pickFromAnyCategory(unused, catalog_);
                          }),
              dice.used())
        << "seed " << seed;
  }
  // The seeds reach both kinds of category.
  EXPECT_GT(filledCategoriesSeen, 0);
  EXPECT_GT(emptyCategoriesSeen, 0);
}

TEST_F(ItemPickingTest, RandomPickNeverShowsTheMenuOrReads) {
  FakeTerminal terminal("abc\n");
  srand(kSeed);
  pickFromAnyCategory(terminal, catalog_);
  const std::string shown = terminal.transcript();
  EXPECT_EQ(shown.find("Category"), std::string::npos);
  EXPECT_EQ(shown.find("Please enter"), std::string::npos);
  std::string rest;
  terminal.in() >> rest;
  EXPECT_EQ(rest, "abc");
}

}  // namespace
}  // namespace glimmerkist
