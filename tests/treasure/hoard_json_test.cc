#include "treasure/hoard_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

namespace glimmerkist {
namespace {

TEST(HoardJsonTest, MoneyIsTheShortestExactDecimal) {
  const struct {
    std::int64_t units;
    const char* written;
  } cases[] = {
      {0, "0"},
      {50000000, "5000"},  // not 5000.0
      {5000, "0.5"},
      {1, "0.0001"},
      {12345678, "1234.5678"},
      {100, "0.01"},
      {-25000, "-2.5"},
      {42949672950000, "4294967295"},
      {42949672950001, "4294967295.0001"},
  };
  for (const auto& c : cases) EXPECT_EQ(moneyJson(c.units).dump(), c.written) << c.units;
}

TEST(HoardJsonTest, DocumentsStateTheirVersionFirstAndTotalsAsNumbers) {
  HoardSheet sheet;
  sheet.chart = 12;  // M
  sheet.seed = 5;
  sheet.coins = {0, 0, 1, 5000, 0};  // 0.5 gp of electrum, 5000 gp
  sheet.gems = {{"Ruby", 7949}, {"", 3}};
  const std::string controls = "Esc\x1b Csi\xc2\x9b caf\xc3\xa9";
  sheet.magicItems = {{"Ring of Dew", 2}, {"", -1}, {controls, 2}};
  HoardSheetOptions options;
  options.splitAmong = 2;
  const std::string text = hoardsJson({sheet}, options);
  EXPECT_EQ(text.rfind("{\n  \"format_version\": 1,\n", 0), 0u) << text;
  EXPECT_EQ(text.back(), '\n');

  const nlohmann::json document = nlohmann::json::parse(text);
  const nlohmann::json& hoard = document["hoards"][0];
  EXPECT_EQ(hoard["chart"], "M");
  EXPECT_EQ(hoard["seed"], 5);
  EXPECT_EQ(hoard["gems"][0], (nlohmann::json{{"name", "Ruby"}, {"value_gp", 7949}}));
  EXPECT_TRUE(hoard["gems"][1]["name"].is_null());
  EXPECT_EQ(hoard["magic_items"][0],
            (nlohmann::json{{"name", "Ring of Dew"}, {"category", 2}, {"tag", "tccRings"}}));
  EXPECT_TRUE(hoard["magic_items"][1]["tag"].is_null());
  // The exact name, with no control character left raw in the text.
  EXPECT_EQ(hoard["magic_items"][2]["name"], controls);
  EXPECT_NE(text.find("\"Esc\\u001b Csi\\u009b caf\xc3\xa9\""), std::string::npos) << text;
  // 0.5 + 5000 + 7949 + 3 gp.
  EXPECT_NE(text.find("\"total_gp\": 12952.5"), std::string::npos) << text;
  EXPECT_NE(text.find("\"each_gp\": 2500"), std::string::npos) << text;
  EXPECT_NE(text.find("\"remainder_gp\": 0.5"), std::string::npos) << text;
  EXPECT_NE(text.find("\"rates_gp\": {\n    \"cp\": 0.01,"), std::string::npos) << text;

  ChartStats stats;
  stats.chart = 24;
  stats.runs = 10;
  stats.p10 = 2990000;
  const std::string figures = chartStatsJson({stats}, CoinRates());
  EXPECT_EQ(figures.rfind("{\n  \"format_version\": 1,\n", 0), 0u) << figures;
  const nlohmann::json chart = nlohmann::json::parse(figures)["charts"][0];
  EXPECT_EQ(chart["chart"], "Y");
  EXPECT_FALSE(chart.contains("total_gp"));  // a number wherever it appears
  EXPECT_EQ(chart["total_value_gp"]["p10"], 299);
}

}  // namespace
}  // namespace glimmerkist
