#include "web/page_request.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glimmerkist::web {
namespace {

TEST(PageRequestTest, AddressesAreTakenApartOrRefusedWhole) {
  struct Case {
    const char* text;
    bool ok;
    const char* chart;
    const char* seed;
    const char* split;
    const char* charts = "";
  };
  const Case cases[] = {
      {"chart=H&seed=42&split=4", true, "H", "42", "4"},
      {"charts=my%20lairs.txt&chart=wyrmling-nest&seed=1", true, "wyrmling-nest", "1", "",
       "my lairs.txt"},
      {"charts=a.txt&charts=b.txt&chart=x", false, "", "", ""},
      {"charts=a.txt", false, "", "", ""},
      {"split=4&chart=h", true, "h", "", "4"},
      {"chart=", true, "", "", ""},
      {"chart=%41&seed=%34%32", true, "A", "42", ""},
      {"chart=a+b", true, "a b", "", ""},
      {"chart=%zz", false, "", "", ""},
      {"chart=%4", false, "", "", ""},
      {"chart=H%", false, "", "", ""},
      {"", false, "", "", ""},
      {"seed=42", false, "", "", ""},
      {"chart=H&chart=B", false, "", "", ""},
      {"chart=H&colour=red", false, "", "", ""},
      {"chart=H&", false, "", "", ""},
      {"chart=H&&seed=1", false, "", "", ""},
      {"%%%garbage&&=", false, "", "", ""},
      {"chart", false, "", "", ""},
  };
  for (const Case& c : cases) {
    HoardAddress address{"unchanged", "", "", ""};
    EXPECT_EQ(readHoardAddress(c.text, address), c.ok) << c.text;
    if (!c.ok) {
      EXPECT_EQ(address.chart, "unchanged") << c.text;
      continue;
    }
    EXPECT_EQ(address.chart, c.chart) << c.text;
    EXPECT_EQ(address.seed, c.seed) << c.text;
    EXPECT_EQ(address.split, c.split) << c.text;
    EXPECT_EQ(address.charts, c.charts) << c.text;
  }
}

TEST(PageRequestTest, NumbersAreDecimalDigitsWithinTheirRange) {
  struct Case {
    const char* text;
    std::optional<std::uint32_t> seed;  // nullopt: refused, or fresh for ""
    bool seedOk;
    std::int32_t split;  // -1: refused
  };
  const Case cases[] = {
      {"", std::nullopt, true, 0},
      {"0", 0u, true, -1},
      {"1", 1u, true, 1},
      {"007", 7u, true, 7},
      {"10000", 10000u, true, 10000},
      {"10001", 10001u, true, -1},
      {"4294967295", 4294967295u, true, -1},
      {"4294967296", std::nullopt, false, -1},
      {"99999999999999999999999", std::nullopt, false, -1},
      {"-1", std::nullopt, false, -1},
      {"+1", std::nullopt, false, -1},
      {" 1", std::nullopt, false, -1},
      {"1 ", std::nullopt, false, -1},
      {"0x10", std::nullopt, false, -1},
      {"10,000", std::nullopt, false, -1},
      {"1e3", std::nullopt, false, -1},
      {"abc", std::nullopt, false, -1},
  };
  for (const Case& c : cases) {
    std::optional<std::uint32_t> seed = 12345u;
    EXPECT_EQ(readSeed(c.text, seed), c.seedOk) << c.text;
    if (c.seedOk) {
      EXPECT_EQ(seed, c.seed) << c.text;
    }
    std::int32_t split = -7;
    EXPECT_EQ(readSplit(c.text, split), c.split >= 0) << c.text;
    EXPECT_EQ(split, c.split >= 0 ? c.split : -7) << c.text;
  }
}

TEST(PageRequestTest, ChartLettersNameChartsInOrder) {
  struct Case {
    const char* letters;
    std::vector<std::int32_t> charts;  // empty: refused
  };
  const Case cases[] = {
      {"A", {0}},  {"az", {0, 25}}, {"ZzA", {25, 25, 0}}, {"", {}}, {"A1", {}},
      {"A B", {}}, {"[", {}},       {"\xC3\x84", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::int32_t> charts = {99};
    EXPECT_EQ(readChartLetters(c.letters, charts), !c.charts.empty()) << c.letters;
    EXPECT_EQ(charts, c.charts.empty() ? std::vector<std::int32_t>{99} : c.charts) << c.letters;
  }
}

TEST(PageRequestTest, AnAddressWrittenBackReadsAsTheSameHoard) {
  struct Case {
    const char* file;
    const char* chart;
    std::uint32_t seed;
    std::int32_t split;
    const char* address;
  };
  const Case cases[] = {
      {"", "H", 42, 4, "chart=H&seed=42&split=4"},
      {"", "Z", 4294967295u, 0, "chart=Z&seed=4294967295"},
      {"", "Q", 0, 10000, "chart=Q&seed=0&split=10000"},
      {"goblin-purses.txt", "kobold-cache", 7, 0,
       "charts=goblin-purses.txt&chart=kobold-cache&seed=7"},
      // Blanks, "&", "=", "%", "#" and UTF-8 names survive the trip.
      {"my&own =100%#.charts", "Drachen\xC3\xA4", 1, 2,
       "charts=my%26own%20%3D100%25%23.charts&chart=Drachen%C3%A4&seed=1&split=2"},
  };
  for (const Case& c : cases) {
    const std::string written = hoardAddress(c.file, c.chart, c.seed, c.split);
    EXPECT_EQ(written, c.address);
    HoardAddress address;
    ASSERT_TRUE(readHoardAddress(written, address)) << written;
    EXPECT_EQ(address.charts, c.file);
    EXPECT_EQ(address.chart, c.chart);
    EXPECT_EQ(address.seed, std::to_string(c.seed));
    EXPECT_EQ(address.split, c.split == 0 ? "" : std::to_string(c.split));
  }
}

}  // namespace
}  // namespace glimmerkist::web
