#include "treasure/hoard_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "base/random.h"
#include "treasure/gem_names.h"

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
  Hoard hoard;
  hoard.chart = 12;  // M
  hoard.chartName = "M";
  hoard.seed = 5;
  hoard.coins = {0, 0, 1, 5000, 0};  // 0.5 gp of electrum, 5000 gp
  srand(7);
  Gem drawn;
  drawn.generate();
  hoard.gems.append(drawn);
  hoard.gems.append(Gem());  // of no kind, worth -1 as printed
  Item ring;
  ring.setCategory(tccRings);
  ring.setName("Ring_of_Dew");
  hoard.magicItems.append(ring);
  hoard.magicItems.append(noItem);
  Item controls = ring;
  controls.setName("Esc\x1b_Csi\xc2\x9b_caf\xc3\xa9");
  hoard.magicItems.append(controls);
  HoardOptions options;
  options.splitAmong = 2;
  const std::string text = hoardsJson({hoard}, options);
  EXPECT_EQ(text.rfind("{\n  \"format_version\": 1,\n", 0), 0u) << text;
  EXPECT_EQ(text.back(), '\n');

  const nlohmann::json document = nlohmann::json::parse(text);
  const nlohmann::json& written = document["hoards"][0];
  EXPECT_EQ(written["chart"], "M");
  EXPECT_EQ(written["seed"], 5);
  EXPECT_EQ(written["gems"][0], (nlohmann::json{{"name", std::string(kGemNames[drawn.kind()])},
                                                {"value_gp", drawn.printedValue()}}));
  EXPECT_TRUE(written["gems"][1]["name"].is_null());
  EXPECT_EQ(written["magic_items"][0],
            (nlohmann::json{{"name", "Ring of Dew"}, {"category", 2}, {"tag", "tccRings"}}));
  EXPECT_TRUE(written["magic_items"][1]["tag"].is_null());
  // 0.5 + 5000 + the gem - 1 gp.
  const std::string total = std::to_string(4999 + drawn.printedValue()) + ".5";
  EXPECT_NE(text.find("\"total_gp\": " + total), std::string::npos) << text;
  // The exact name, with no control character left raw in the text.
  EXPECT_EQ(written["magic_items"][2]["name"], "Esc\x1b Csi\xc2\x9b caf\xc3\xa9");
  EXPECT_NE(text.find("\"Esc\\u001b Csi\\u009b caf\xc3\xa9\""), std::string::npos) << text;
  EXPECT_NE(text.find("\"each_gp\": 2500"), std::string::npos) << text;
  EXPECT_NE(text.find("\"remainder_gp\": 0.5"), std::string::npos) << text;
  EXPECT_NE(text.find("\"rates_gp\": {\n    \"cp\": 0.01,"), std::string::npos) << text;

  ChartStats stats;
  stats.chart = "Y";
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
