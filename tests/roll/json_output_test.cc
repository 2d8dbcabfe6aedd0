// The JSON output parsed back and checked against the hoards and items the
// library draws for the same seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "base/random.h"
#include "roll_run.h"
#include "support/fake_terminal.h"
#include "support/reference_random.h"
#include "support/temp_dir.h"
#include "treasure/gem_names.h"
#include "treasure/hoard.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist::roll {
namespace {

using nlohmann::json;

// The first draw after srand(seed), worked out without the program's code.
int referenceDrawsFirst(std::uint32_t seed) { return referenceDraws(seed, 1)[0]; }

// A money field read back as hundredths of a copper piece, its exact unit.
long long units(const json& gp) { return std::llround(gp.get<double>() * 10000.0); }

class JsonOutputTest : public ::testing::Test {
 protected:
  void SetUp() override { writeFile("data.txt", sampleCatalog()); }

  static json parsed(const std::vector<std::string>& arguments) {
    const RollRun run = roll(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out);
  }

  TempDir dir_;
  FakeTerminal terminal_;
};

TEST_F(JsonOutputTest, HoardsReadBackAsTheHoardsOfTheirSeeds) {
  TreasureGenerator generator(terminal_, "data.txt");
  for (const char* chart : {"A", "B", "F", "H", "S", "U", "Z"}) {
    const json document = parsed({"encounter", chart, "--count", "4", "--seed", "600", "--format",
                                  "json", "--catalog", "data.txt"});
    ASSERT_EQ(document["hoards"].size(), 4u);
    for (int i = 0; i < 4; ++i) {
      SCOPED_TRACE(std::string(chart) + " hoard " + std::to_string(i));
      const json& hoard = document["hoards"][i];
      srand(hoardSeed(600, i));
      generator.resetHoard();
      generator.generateTreasureByLetter(chart);

      EXPECT_EQ(hoard["chart"], chart);
      EXPECT_EQ(hoard["seed"], hoardSeed(600, i));
      EXPECT_EQ(hoard["coins"]["cp"], generator.getCopperPieces());
      EXPECT_EQ(hoard["coins"]["sp"], generator.getSilverPieces());
      EXPECT_EQ(hoard["coins"]["ep"], generator.getElectrumPieces());
      EXPECT_EQ(hoard["coins"]["gp"], generator.getGoldPieces());
      EXPECT_EQ(hoard["coins"]["pp"], generator.getPlatinumPieces());

      ASSERT_EQ(hoard["gems"].size(), static_cast<std::size_t>(generator.gems().count()));
      long long gemGp = 0;
      int g = 0;
      for (const Gem& gem : generator.gems()) {
        const long long whole = static_cast<long long>(std::trunc(gem.value()));
        EXPECT_EQ(hoard["gems"][g]["name"], std::string(kGemNames[gem.kind()]));
        EXPECT_EQ(hoard["gems"][g]["value_gp"], whole);
        gemGp += whole;
        ++g;
      }

      ASSERT_EQ(hoard["magic_items"].size(),
                static_cast<std::size_t>(generator.magicItems().count()));
      int m = 0;
      for (const Item& item : generator.magicItems()) {
        const json& entry = hoard["magic_items"][m++];
        if (item.getCategory() < 0) {
          EXPECT_TRUE(entry["name"].is_null());
          EXPECT_TRUE(entry["category"].is_null());
        } else {
          std::string shown = item.getName();
          std::replace(shown.begin(), shown.end(), '_', ' ');
          EXPECT_EQ(entry["name"], shown);
          EXPECT_EQ(entry["category"], item.getCategory());
          EXPECT_EQ(entry["tag"], std::string(kCategoryTags[item.getCategory()]));
        }
      }

      // 1 cp = 100 units, 1 sp = 1000, 1 ep = 5000, 1 gp = 10000, 1 pp = 50000.
      const long long expected =
          100LL * generator.getCopperPieces() + 1000LL * generator.getSilverPieces() +
          5000LL * generator.getElectrumPieces() + 10000LL * (generator.getGoldPieces() + gemGp) +
          50000LL * generator.getPlatinumPieces();
      EXPECT_EQ(units(hoard["total_gp"]), expected);
      EXPECT_FALSE(hoard.contains("split"));
    }
  }
}

TEST_F(JsonOutputTest, SharesAndLeftOverCoinsAddUpToTheHoard) {
  for (int characters : {1, 3, 7, 10000}) {
    const json document =
        parsed({"encounter", "Z", "--count", "5", "--seed", "31", "--format", "json", "--split",
                std::to_string(characters), "--rates", "cp=1/200,pp=10"});
    EXPECT_EQ(units(document["rates_gp"]["cp"]), 50);
    EXPECT_EQ(units(document["rates_gp"]["pp"]), 100000);
    for (const json& hoard : document["hoards"]) {
      const json& split = hoard["split"];
      EXPECT_EQ(split["characters"], characters);
      for (const char* metal : {"cp", "sp", "ep", "gp", "pp"}) {
        const int each = split["each"][metal];
        const int left = split["remainder"][metal];
        EXPECT_EQ(each * characters + left, hoard["coins"][metal]) << metal;
        EXPECT_GE(left, 0);
        EXPECT_LT(left, characters);
      }
      long long gemGp = 0;
      for (const json& gem : hoard["gems"]) gemGp += gem["value_gp"].get<long long>();
      EXPECT_EQ(units(split["shared_gp"]), gemGp * 10000);
      EXPECT_EQ(units(split["each_gp"]) * characters + units(split["remainder_gp"]) +
                    units(split["shared_gp"]),
                units(hoard["total_gp"]));
    }
  }
}

TEST_F(JsonOutputTest, ItemsReadBackWithTheirSeedsAndCategories) {
  const json chosen =
      parsed({"item", "tccWeapons", "--count", "3", "--seed", "9", "--format", "json"});
  ASSERT_EQ(chosen["items"].size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const json& item = chosen["items"][i];
    EXPECT_EQ(item["seed"], hoardSeed(9, i));
    EXPECT_EQ(item["category"], tccWeapons);
    EXPECT_EQ(item["tag"], "tccWeapons");
    // The weapons are Item_17_0, Item_17_1, ...; one draw picks among them.
    const int position = referenceDrawsFirst(hoardSeed(9, i)) % sampleCount(tccWeapons);
    EXPECT_EQ(item["name"], "Item 17 " + std::to_string(position));
  }

  const json empty = parsed({"item", "3", "--seed", "9", "--format", "json"});
  EXPECT_EQ(empty["items"][0]["tag"], "tccRods");
  EXPECT_TRUE(empty["items"][0]["name"].is_null());
}

TEST_F(JsonOutputTest, NamesThatAreNotUtf8StillMakeADocument) {
  writeFile("odd.txt", "<note> </note>\nCrown_of_\xff\xfe_Kings tccGirdlesAndHelms\n");
  const json document = parsed({"item", "10", "--format", "json", "--catalog", "odd.txt"});
  EXPECT_EQ(document["items"][0]["name"], "Crown of \xEF\xBF\xBD\xEF\xBF\xBD Kings");
}

}  // namespace
}  // namespace glimmerkist::roll
