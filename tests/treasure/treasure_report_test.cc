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
  const Hoard hoard;
  const GemNames gemNames = filledGemNames();
  const std::string coins =
      "\n TREASURE FOUND:\n\n Coins -\n Copper Pieces: 0\n Silver Pieces: 0\n"
      " Electrum Pieces: 0\n Gold Pieces: 0\n Platinum Pieces: 0\n\n Gems -\n";
  EXPECT_EQ(encounterReportText(hoard, gemNames), coins + " None\n\n Magic Items -\n None\n\n");
  EXPECT_EQ(encounterResultText(hoard, gemNames),
            coins + " None\n\n Magic Items -\n None\n\n\n\n ");
}

TEST(TreasureReportTest, MarkdownCellsShowNamesAsTheyAre) {
  const struct {
    const char* name;
    const char* cell;
  } cases[] = {
      {"Sword +1", "Sword +1"},
      {"Bag | Bottle", "Bag \\| Bottle"},  // an unescaped | would split the cell
      {"*Shining* Star", "\\*Shining\\* Star"},
      {"Rod_of_Rule", "Rod\\_of\\_Rule"},
      {"~~Struck~~", "\\~\\~Struck\\~\\~"},
      {"`code`", "\\`code\\`"},
      {"<b>Bold</b>", "\\<b\\>Bold\\</b\\>"},
      {"Salt & Pepper &amp;", "Salt \\& Pepper \\&amp;"},
      {"[Link](x)", "\\[Link\\](x)"},
      {"![Image](x)", "\\!\\[Image\\](x)"},
      {"Back\\slash", "Back\\\\slash"},
      {"# Heading", "\\# Heading"},
      {"Two\nLines\r", "Two Lines "},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(markdownCell(c.name), c.cell) << c.name;
}

}  // namespace
}  // namespace glimmerkist
