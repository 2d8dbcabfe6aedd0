// The page's own lines: gems gathered for the handout and the chart guide.
#include "web/page_texts.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace glimmerkist::web {
namespace {

TEST(PageTextsTest, NumbersHaveThousandsSeparators) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0"},
      {999, "999"},
      {1000, "1,000"},
      {-5000, "-5,000"},
      {123456, "123,456"},
      {1234567, "1,234,567"},
      {std::numeric_limits<std::int64_t>::min(), "-9,223,372,036,854,775,808"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(withThousands(value), text) << value;
}

TEST(PageTextsTest, GemsOfOneKindAndValueShareALineInTheOrderTheyCame) {
  // Chart A after srand(1): 33 gems, two pairs of one kind and value among
  // them (check-web holds every hoard's lines against glimmerkist-roll's).
  const Hoard hoard = drawHoard(ItemCatalog(), 0, 1);
  const std::vector<std::string> lines = groupedGemLines(hoard.gems);
  ASSERT_EQ(hoard.gems.count(), 33);
  ASSERT_EQ(lines.size(), 31u);
  EXPECT_EQ(lines[0], "Alexandrite, 200 gp");
  EXPECT_EQ(lines[18], "2 × Smokey Quartz, 100 gp each");
  EXPECT_EQ(lines[20], "Pearl, 1,000 gp");
  EXPECT_EQ(lines[24], "2 × Carnelian, 25 gp each");
  EXPECT_EQ(groupedGemLines(GemList()), std::vector<std::string>{});
}

TEST(PageTextsTest, AGuideLineSaysWhatAChartYields) {
  ChartStats rich;
  rich.seenShare = {0.9, 0.6, 0.1, 0.01, 0};
  rich.meanGems = 2.4;
  rich.meanMagicItems = 0.3;
  rich.p10 = 2000 * kUnitsPerGp;
  rich.p50 = 12345 * kUnitsPerGp + 5000;
  rich.p90 = 99999 * kUnitsPerGp;
  EXPECT_EQ(chartGuideLine(rich),
            "Copper and silver, sometimes electrum; about 2 gems; sometimes a magic item; "
            "typically 12,346 gp (most 2,000 to 99,999)");
  ChartStats bare;
  bare.meanMagicItems = 1;
  EXPECT_EQ(chartGuideLine(bare),
            "No coins; no gems; about 1 magic item; no worth in coins or gems");
  ChartStats pocket;
  pocket.seenShare = {1, 0, 0, 0, 0};
  pocket.p50 = kUnitsPerGp / 10;
  pocket.p90 = kUnitsPerGp / 2 - 1;
  EXPECT_EQ(chartGuideLine(pocket), "Copper; no gems; no magic items; worth under 1 gp");
}

}  // namespace
}  // namespace glimmerkist::web
