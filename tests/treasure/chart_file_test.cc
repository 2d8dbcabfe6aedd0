#include "treasure/chart_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/random.h"
#include "catalog/item_catalog.h"
#include "treasure/hoard.h"

namespace glimmerkist {
namespace {

// Everything a hoard holds, and the draw that follows it, so that two hoards
// compare equal only when they were drawn draw for draw alike.
struct DrawnHoard {
  std::vector<std::int32_t> coins;
  std::vector<double> gems;
  std::vector<std::string> items;
  int nextDraw = 0;
  bool operator==(const DrawnHoard& other) const {
    return coins == other.coins && gems == other.gems && items == other.items &&
           nextDraw == other.nextDraw;
  }
};

DrawnHoard taken(const Hoard& drawn) {
  DrawnHoard hoard;
  hoard.coins.assign(drawn.coins.begin(), drawn.coins.end());
  for (const Gem& gem : drawn.gems) hoard.gems.push_back(gem.value() + gem.kind() * 1e9);
  for (const Item& item : drawn.magicItems) hoard.items.push_back(item.getName());
  hoard.nextDraw = rand();
  return hoard;
}

// One item in each category but the rods, so that empty categories are
// drawn from too.
void fillCatalog(ItemCatalog& catalog) {
  for (int category = 0; category < kCategoryCount; ++category) {
    if (category == tccRods) continue;
    for (int k = 0; k <= category % 3; ++k) {
      Item item;
      item.setCategory(category);
      item.setName("Item_" + std::to_string(category) + "_" + std::to_string(k));
      catalog.addItem(item);
    }
  }
}

TEST(ChartFileTest, ExportedChartsLoadBackAndDrawTheSameHoards) {
  const ChartFileResult loaded = parseChartFile(chartFileText(builtInCharts()));
  ASSERT_TRUE(loaded.ok()) << describeChartFileProblem(*loaded.problem, "export");
  ASSERT_EQ(loaded.charts.size(), static_cast<std::size_t>(kChartCount));
  ItemCatalog catalog;
  fillCatalog(catalog);
  Hoard hoard;
  for (int chart = 0; chart < kChartCount; ++chart) {
    EXPECT_EQ(loaded.charts[chart].name, kTreasureCharts[chart].name);
    EXPECT_EQ(loaded.charts[chart].description, kTreasureCharts[chart].description);
    for (std::uint32_t seed = 0; seed < 10000; ++seed) {
      drawHoard(catalog, chart, seed, hoard);
      const DrawnHoard builtIn = taken(hoard);
      drawHoard(catalog, loaded.charts[chart], seed, hoard);
      ASSERT_EQ(hoard.chartName, kTreasureCharts[chart].name);
      ASSERT_EQ(taken(hoard), builtIn)
          << "chart " << kTreasureCharts[chart].name << ", seed " << seed;
    }
  }
}

TEST(ChartFileTest, ChartHsCopperIsWrittenAsFarAsTheGeneratorReaches) {
  const std::string text = chartFileText(builtInCharts());
  EXPECT_NE(text.find("\nchart H\n"), std::string::npos);
  EXPECT_NE(text.find("copper 25% 3000-35767\n"), std::string::npos);
  EXPECT_EQ(text.find("180000"), std::string::npos);
}

TEST(ChartFileTest, CellsReadAsTheDrawsTheyStandFor) {
  const ChartFileResult loaded = parseChartFile(
      "\xEF\xBB\xBF# a comment\r\n"
      "  chart Drachenhort-\xC3\xA4\r\n"
      "\tdescription   A dragon's bed  \r\n"
      "\n"
      "items 30+ 1 tccWeapons,d4 any-but-weapons ,  2 any\n"
      "copper 25% 1000 - 3000\n"
      "silver never\n"
      "gold always 0-32767\n"
      "gems 100% 1-1\n"
      "chart b\n"
      "description Scrolls\n"
      "items always d1000 tccScrolls\n"
      "gems always 2-8\n");
  ASSERT_TRUE(loaded.ok()) << describeChartFileProblem(*loaded.problem, "file");
  ASSERT_EQ(loaded.charts.size(), 2u);
  const TreasureChart& hoard = loaded.charts[0];
  EXPECT_EQ(hoard.name, "Drachenhort-\xC3\xA4");
  EXPECT_EQ(hoard.description, "A dragon's bed");
  const CoinCell copper = hoard.coins[kCopper];
  EXPECT_EQ(copper.kind, CoinCell::kChance);
  EXPECT_EQ(copper.chance, 25);
  EXPECT_EQ(copper.low, 1000);
  EXPECT_EQ(copper.high, 3000);
  EXPECT_EQ(hoard.coins[kSilver].kind, CoinCell::kNever);
  EXPECT_EQ(hoard.coins[kElectrum].kind, CoinCell::kZero);
  EXPECT_EQ(hoard.coins[kGold].kind, CoinCell::kRange);
  EXPECT_EQ(hoard.coins[kGold].high, 32767);
  EXPECT_EQ(hoard.gems.kind, GemCell::kChance);
  EXPECT_EQ(hoard.gems.chance, 100);
  EXPECT_EQ(hoard.items.kind, ItemCell::kAtLeast);
  EXPECT_EQ(hoard.items.threshold, 30);
  ASSERT_EQ(hoard.items.draws.size(), 3u);
  EXPECT_EQ(hoard.items.draws[0].source, ItemDraw::kCategory);
  EXPECT_EQ(hoard.items.draws[0].category, tccWeapons);
  EXPECT_EQ(hoard.items.draws[0].count, 1);
  EXPECT_EQ(hoard.items.draws[1].source, ItemDraw::kAnyButWeapons);
  EXPECT_EQ(hoard.items.draws[1].countDie, 4);
  EXPECT_EQ(hoard.items.draws[2].source, ItemDraw::kAny);
  EXPECT_EQ(hoard.items.draws[2].count, 2);
  EXPECT_EQ(loaded.charts[1].items.kind, ItemCell::kAlways);
  EXPECT_EQ(loaded.charts[1].items.draws[0].countDie, 1000);
  EXPECT_EQ(loaded.charts[1].gems.kind, GemCell::kRange);
  EXPECT_EQ(findChart(loaded.charts, "B"), 1);
  EXPECT_EQ(findChart(loaded.charts, "DRACHENHORT-\xC3\xA4"), 0);
  EXPECT_EQ(findChart(loaded.charts, "drachenhort-\xC3\x84"), -1);  // only ASCII folds
}

TEST(ChartFileTest, AFaultyFileIsRefusedWholeWithItsPlace) {
  const std::string head = "chart a\ndescription A\n";
  struct Case {
    std::string text;
    int line;
    int column;
    std::string message;
  };
  const Case cases[] = {
      {head + "copper 0% 1-2\n", 3, 8, "a chance is a whole number from 1 to 100, followed by %"},
      {head + "copper 101% 1-2\n", 3, 8, "a chance is a whole number from 1 to 100, followed by %"},
      {head + "items 0+ 1 any\n", 3, 7, "a roll is a whole number from 1 to 100, followed by +"},
      {head + "copper 25 1-2\n", 3, 8, "expected a chance such as 25%, always, never or none"},
      {head + "gems never\n", 3, 6, "expected a chance such as 60%, always or none"},
      {head + "copper always 20-10\n", 3, 18, "the high end 10 is below the low end 20"},
      {head + "copper always 3000-180000\n", 3, 20,
       "the generator cannot reach past 35767, 32767 above the low end; write 3000-35767 for "
       "the same draws"},
      {head + "copper always 1-2147483648\n", 3, 17,
       "expected a range of coins such as 10-40, each end from 0 to 2147483647"},
      {head + "gems always 1-1001\n", 3, 15,
       "expected a range of gems such as 10-40, each end from 0 to 1000"},
      {head + "gems always -1-4\n", 3, 13,
       "expected a range of gems such as 10-40, each end from 0 to 1000"},
      {head + "gems always 1 4\n", 3, 15,
       "expected a range of gems such as 10-40, each end from 0 to 1000"},
      {head + "silver always 1-2 coins\n", 3, 19, "expected the end of the line"},
      {head + "items always 0 any\n", 3, 14,
       "expected a count of items from 1 to 1000, or a die such as d8 for 1 to 8"},
      {head + "items always d1001 any\n", 3, 14,
       "expected a count of items from 1 to 1000, or a die such as d8 for 1 to 8"},
      {head + "items always 2 any,\n", 3, 20,
       "expected a count of items from 1 to 1000, or a die such as d8 for 1 to 8"},
      {head + "items always 2 weapons\n", 3, 16,
       "expected any, any-but-weapons or a category tag such as tccWeapons"},
      {head + "items always 1000 any, 1000 any, 1000 any, 1000 any, 1000 any, 1000 any, 1000 "
              "any, 1000 any, 1000 any, 1000 any, 1 any\n",
       3, 114, "a chart draws at most 10000 magic items"},
      {head + "gold always 1-2\ngold none\n", 4, 1, "a second gold line; the first is on line 3"},
      {head + "description B\n", 3, 1, "a second description line; the first is on line 2"},
      {"chart a\ndescription\n", 2, 12, "a description is one line of 1 to 200 characters"},
      {"chart a\ndescription " + std::string(201, 'x') + "\n", 2, 13,
       "a description is one line of 1 to 200 characters"},
      {head + "coppers always 1-2\n", 3, 1,
       "expected chart, description, copper, silver, electrum, gold, platinum, gems or items, "
       "found \"coppers\""},
      {"copper always 1-2\n", 1, 1, "expected \"chart NAME\" to begin a chart"},
      {"# nothing\n\n", 1, 1, "expected \"chart NAME\"; the file holds no chart"},
      {"", 1, 1, "expected \"chart NAME\"; the file holds no chart"},
      {"chart a b\n", 1, 9, "expected the end of the line"},
      {"chart\n", 1, 6, "a chart's name is 1 to 32 letters, digits, '-' and '_'"},
      {"chart dragon's\n", 1, 7, "a chart's name is 1 to 32 letters, digits, '-' and '_'"},
      {"chart " + std::string(33, 'n') + "\n", 1, 7,
       "a chart's name is 1 to 32 letters, digits, '-' and '_'"},
      {"chart a\ncopper always 1-2\nchart b\n", 1, 1, "chart \"a\" has no description line"},
      {head + "copper never\ngems none\nchart b\n", 1, 1,
       "chart \"a\" yields nothing; give it a line of coins, gems or items that is not none or "
       "never"},
      {head + "gems always 1-2\nchart A\n", 4, 7, "a chart named \"a\" is already on line 1"},
      {head + "gems always 1-2\n# \xC3\xA4\xFF\n", 4, 4,
       "expected UTF-8 text without control characters, found the byte 0xff"},
      {"chart a\ndescription \xC0\xAF\n", 2, 13,
       "expected UTF-8 text without control characters, found the byte 0xc0"},
      {"chart a\ndescription a\x1b[2Jb\n", 2, 14,
       "expected UTF-8 text without control characters, found the byte 0x1b"},
      {"chart a\ngems always 1-2\ndescription \xC2\x85\n", 3, 13,
       "expected UTF-8 text without control characters, found the byte 0xc2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ChartFileResult result = parseChartFile(c.text);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.charts.empty());
    EXPECT_EQ(result.problem->line, c.line);
    EXPECT_EQ(result.problem->column, c.column);
    EXPECT_EQ(result.problem->message, c.message);
  }
}

TEST(ChartFileTest, AFileHoldsAtMostAThousandChartsOfLinesUpTo64KiB) {
  std::string text;
  for (int i = 0; i < kMaxChartsInFile; ++i) {
    text += "chart c" + std::to_string(i) + "\ndescription d\ngems always 1-2\n";
  }
  EXPECT_TRUE(parseChartFile(text).ok());
  const ChartFileResult tooMany = parseChartFile(text + "chart last\n");
  ASSERT_FALSE(tooMany.ok());
  EXPECT_EQ(tooMany.problem->line, 3 * kMaxChartsInFile + 1);
  EXPECT_EQ(tooMany.problem->message, "a chart file holds at most 1000 charts");

  const std::string head = "chart a\ndescription ";
  const std::string longest = head + std::string(kMaxChartLineBytes - 12, '#') + "\n";
  EXPECT_EQ(parseChartFile(longest + "gems always 1-2\n").problem->message,
            "a description is one line of 1 to 200 characters");
  for (const char* end : {"\n", "\r\n", ""}) {
    // Much longer than the line limit: the reader stops without holding it.
    const std::string text = head + std::string(kMaxChartLineBytes * 4, 'x') + end;
    const ChartFileResult tooLong = parseChartFile(text);
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.problem->line, 2);
    EXPECT_EQ(tooLong.problem->column, 65537);
    EXPECT_EQ(tooLong.problem->message, "a line is at most 65536 bytes long");
  }
}

TEST(ChartFileTest, ProblemsNameTheFileAndThePlace) {
  EXPECT_EQ(describeChartFileProblem({12, 9, "a chance is ..."}, "my.txt"),
            "my.txt, line 12, column 9: a chance is ...");
  EXPECT_EQ(describeChartFileProblem({0, 0, "cannot"}, "my.txt"), "my.txt: cannot");
  const ChartFileResult folder = loadChartFile(".");
  ASSERT_FALSE(folder.ok());
  EXPECT_EQ(folder.problem->line, 0);
}

}  // namespace
}  // namespace glimmerkist
