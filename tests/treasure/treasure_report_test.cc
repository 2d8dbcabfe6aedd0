#include "treasure/treasure_report.h"

#include <gtest/gtest.h>

#include <string>

#include "base/random.h"

namespace glimmerkist {
namespace {

Item makeItem(int category, const std::string& name) {
  Item item;
  item.setCategory(category);
  item.setName(name);
  return item;
}

TEST(TreasureReportTest, PickedItemsShowTheirNameWithBlanksForUnderscores) {
  const struct {
    Item item;
    std::string shown;
  } cases[] = {
      {makeItem(tccHouseholdItemsAndTools, "Silver_Hand_Mirror"), "Silver Hand Mirror"},
      {makeItem(tccRings, "___"), "   "},
      {makeItem(tccWands, "Wand_of_a-b_c.d"), "Wand of a-b c.d"},
      {noItem, ""},  // an empty category
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shownName(c.item), c.shown);
    EXPECT_EQ(pickedItemLine(c.item), "A(n) " + c.shown);
  }
  // The stored name keeps its underscores.
  const Item mirror = makeItem(tccHouseholdItemsAndTools, "Silver_Hand_Mirror");
  shownName(mirror);
  EXPECT_EQ(mirror.getName(), "Silver_Hand_Mirror");
}

TEST(TreasureReportTest, AnEmptyHoardOnScreenAndInTheFile) {
  const TreasureGenerator generator;
  const GemNames gemNames = filledGemNames();
  const std::string coins =
      "\n TREASURE FOUND:\n\n Coins -\n Copper Pieces: 0\n Silver Pieces: 0\n"
      " Electrum Pieces: 0\n Gold Pieces: 0\n Platinum Pieces: 0\n\n Gems -\n";
  EXPECT_EQ(encounterReportText(generator, gemNames), coins + " None\n\n Magic Items -\n None\n\n");
  EXPECT_EQ(encounterResultText(generator, gemNames),
            coins + " None\n\n Magic Items -\n None\n\n\n\n ");
}

}  // namespace
}  // namespace glimmerkist
