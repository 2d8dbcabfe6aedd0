// The module's interface as the page's script uses it: text into the input
// buffer, one call, then the reply's parts.
#include "web/core_exports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "web/page_request.h"

namespace glimmerkist::web {
namespace {

std::size_t put(const std::string& text) {
  std::copy(text.begin(), text.end(), gk_input(text.size()));
  return text.size();
}

std::vector<std::string> replyParts() {
  std::vector<std::string> parts;
  parts.reserve(static_cast<std::size_t>(gk_reply_count()));
  for (int part = 0; part < gk_reply_count(); ++part) {
    parts.emplace_back(gk_reply_data(part), gk_reply_size(part));
  }
  return parts;
}

std::string problem(const std::string& message) {
  return std::string("{\"problem\":\"") + message + "\"}";
}

const std::string kRates = "1 cp = 0.01 gp, 1 sp = 0.1 gp, 1 ep = 0.5 gp, 1 gp = 1 gp, 1 pp = 5 gp";

TEST(CoreExportsTest, AHoardRepliesWithItsAddressItsTextsAndItsFile) {
  struct Case {
    const char* address;
    std::string meta;  // part 0
    std::size_t parts;
  };
  const Case cases[] = {
      {"chart=h&seed=42&split=4",
       R"({"address":"chart=H&seed=42&split=4","charts":"","seed":42,"split":4,"rates":")" +
           kRates + "\"}",
       5},
      {"chart=Z",
       R"({"address":"chart=Z&seed=4000000000","charts":"","seed":4000000000,"split":0,"rates":")" +
           kRates + "\"}",
       5},
      {"chart=H&seed=4294967296", problem(kSeedMessage), 1},
      {"chart=H&split=0", problem(splitMessage()), 1},
      {"chart=1", problem(kChartMessage), 1},
      {"chart=HH", problem(kChartMessage), 1},
      {"chart=H&&", problem(kAddressMessage), 1},
      {"", problem(kAddressMessage), 1},
  };
  for (const Case& c : cases) {
    gk_draw_hoard(put(c.address), 4000000000u);
    const std::vector<std::string> parts = replyParts();
    ASSERT_EQ(parts.size(), c.parts) << c.address;
    if (c.parts == 1) {
      EXPECT_EQ(parts[0], c.meta) << c.address;
    }
    if (c.parts == 5) {
      // Then the gems gathered by kind and value, which the page shows.
      EXPECT_EQ(parts[0].rfind(c.meta.substr(0, c.meta.size() - 1) + R"(,"gem_lines":[)", 0), 0u)
          << parts[0];
      EXPECT_EQ(parts[1].front(), '{') << c.address;
      EXPECT_EQ(parts[2].rfind("### Hoard 1 of 1: chart ", 0), 0u) << parts[2];
      EXPECT_EQ(parts[3].rfind("\n TREASURE FOUND:\n\n", 0), 0u) << parts[3];
      EXPECT_EQ(parts[4].front(), '{') << c.address;
    }
  }
}

TEST(CoreExportsTest, AChartFileComesWithItsNameAndItsChartsDrawUnderIt) {
  struct Case {
    const char* name;
    const char* bytes;
    std::string meta;
  };
  const std::string purse =
      R"("file":"purse.txt","charts":[{"name":"pickpocket","description":"What a thief lifts"}]})";
  const Case cases[] = {
      {"purse.txt", "chart pickpocket\ndescription What a thief lifts\ncopper always 1-6\n",
       R"({"message":"",)" + purse},
      {"bad.txt", "chart pickpocket\nsilver 5% 9-1\n",
       R"({"message":"The chart file \"bad.txt\" is refused at line 2, column 13: the high end 1 )"
       R"(is below the low end 9. It is not used; the charts in use stay.",)" +
           purse},
  };
  for (const Case& c : cases) {
    const std::string name = c.name;
    const std::size_t size = put(name + c.bytes);
    EXPECT_EQ(gk_is_chart_file(size, name.size()), 1) << c.name;
    gk_load_charts(size, name.size());
    EXPECT_EQ(replyParts(), std::vector<std::string>{c.meta}) << c.name;
  }
  // Its charts by name for the statistics, all for none.
  const std::pair<const char*, std::string> plans[] = {
      {"charts=&runs=5&seed=1&file=1", R"({"charts":[0],"runs":5,"seed":1})"},
      {"charts=PICKPOCKET,%20pickpocket&runs=5&seed=1&file=1",
       R"({"charts":[0,0],"runs":5,"seed":1})"},
      {"charts=pickpocket,goblin&runs=5&seed=1&file=1",
       problem(R"(\"goblin\" is no chart of \"purse.txt\". Please name its charts, or none )"
               "for all of them.")},
  };
  for (const auto& [form, meta] : plans) {
    gk_plan_stats(put(form), 9);
    EXPECT_EQ(replyParts(), std::vector<std::string>{meta}) << form;
  }
  // Its charts' figures, for the guide; a chart past its last is none.
  gk_chart_stats(0, 3, 1, 1);
  EXPECT_NE(replyParts().at(0).find(R"("cells":["pickpocket","100.0%",)"), std::string::npos);
  gk_chart_stats(1, 3, 1, 1);
  EXPECT_EQ(replyParts(), std::vector<std::string>{problem(runsMessage())});
  gk_draw_hoard(put("charts=purse.txt&chart=PickPocket&seed=5"), 1);
  EXPECT_EQ(
      replyParts().at(0).rfind(
          R"({"address":"charts=purse.txt&chart=pickpocket&seed=5","charts":"purse.txt",)", 0),
      0u)
      << replyParts().at(0);
  gk_forget_charts();
  EXPECT_EQ(replyParts(), std::vector<std::string>{R"({"message":"","file":"","charts":[]})"});
  gk_plan_stats(put("charts=&runs=5&seed=1&file=1"), 9);
  EXPECT_EQ(replyParts(), std::vector<std::string>{problem(kChartsMessage)});
  gk_draw_hoard(put("charts=purse.txt&chart=pickpocket"), 1);
  EXPECT_NE(replyParts().at(0).find(R"(,"missing_charts":"purse.txt"})"), std::string::npos);
}

TEST(CoreExportsTest, AnItemAddressPicksWithItsSeedAndGivesItsOwnAddress) {
  struct Case {
    const char* address;
    std::string meta;
  };
  const Case cases[] = {
      {"item=5&seed=7",
       R"({"item":{"name":null,"category":null,"tag":null},"seed":7,"address":"item=5&seed=7"})"},
      {"item=any",
       R"({"item":{"name":null,"category":null,"tag":null},"seed":9,"address":"item=any&seed=9"})"},
      {"item=18&seed=7", problem(kItemAddressMessage)},
      {"item=-1", problem(kItemAddressMessage)},
      {"seed=7", problem(kItemAddressMessage)},
      {"item=3&seed=x", problem(kSeedMessage)},
  };
  for (const Case& c : cases) {
    gk_pick_item(put(c.address), 9);
    EXPECT_EQ(replyParts(), std::vector<std::string>{c.meta}) << c.address;
  }
}

TEST(CoreExportsTest, AStatisticsFormIsCheckedBeforeAnythingIsCounted) {
  struct Case {
    const char* form;
    std::string meta;
  };
  const Case cases[] = {
      {"charts=aZ&runs=5&seed=", R"({"charts":[0,25],"runs":5,"seed":9})"},
      {"charts=Q&runs=10000000&seed=3", R"({"charts":[16],"runs":10000000,"seed":3})"},
      {"charts=&runs=5&seed=1", problem(kChartsMessage)},
      {"charts=A1&runs=5&seed=1", problem(kChartsMessage)},
      {"charts=A&runs=0&seed=1", problem(runsMessage())},
      {"charts=A&runs=10000001&seed=1", problem(runsMessage())},
      {"charts=A&runs=5&seed=x", problem(kSeedMessage)},
      {"charts=A&runs=5&colour=red", problem(kChartsMessage)},
  };
  for (const Case& c : cases) {
    gk_plan_stats(put(c.form), 9);
    EXPECT_EQ(replyParts(), std::vector<std::string>{c.meta}) << c.form;
  }
  // The counting itself refuses what no plan gives.
  for (const auto& [chart, runs] : {std::pair{26, 5.0}, {-1, 5.0}, {0, 0.5}, {0, 1e8}}) {
    gk_chart_stats(chart, runs, 1, 0);
    EXPECT_EQ(replyParts(), std::vector<std::string>{problem(runsMessage())})
        << chart << " " << runs;
  }
  // Chart M: 2 to 8 gold pieces in every hoard and nothing else.
  gk_chart_stats(12, 3, 1, 0);
  const std::string reply = replyParts().at(0);
  EXPECT_EQ(reply.rfind(R"({"figures":{"chart":"M",)", 0), 0u) << reply;
  EXPECT_NE(reply.find(R"("cells":["M","0.0%","0.0",)"), std::string::npos) << reply;
  EXPECT_NE(reply.find(R"("guide":"Gold; no gems; no magic items; typically )"), std::string::npos)
      << reply;
}

}  // namespace
}  // namespace glimmerkist::web
