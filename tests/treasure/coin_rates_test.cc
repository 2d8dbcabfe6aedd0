#include "treasure/coin_rates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace glimmerkist {
namespace {

TEST(CoinRatesTest, DefaultsAreTheUsualCoinValues) {
  const CoinRates rates;
  // 1 cp = 1/100 gp, 1 sp = 1/10, 1 ep = 1/2, 1 gp, 1 pp = 5, in 1/10000 gp.
  EXPECT_EQ(rates.units[kCopper], 100);
  EXPECT_EQ(rates.units[kSilver], 1000);
  EXPECT_EQ(rates.units[kElectrum], 5000);
  EXPECT_EQ(rates.units[kGold], 10000);
  EXPECT_EQ(rates.units[kPlatinum], 50000);
}

TEST(CoinRatesTest, ListsChangeOnlyTheMetalsTheyName) {
  struct Case {
    const char* text;
    std::array<std::int64_t, kMetalCount> units;
  };
  const Case cases[] = {
      {"pp=10", {100, 1000, 5000, 10000, 100000}},
      {"ep=1,cp=0.005", {50, 1000, 10000, 10000, 50000}},
      {"sp=1/20", {100, 500, 5000, 10000, 50000}},
      {"cp=1/400,gp=2", {25, 1000, 5000, 20000, 50000}},
      {"gp=.5", {100, 1000, 5000, 5000, 50000}},
      {"gp=3.", {100, 1000, 5000, 30000, 50000}},
      {"cp=0.0001", {1, 1000, 5000, 10000, 50000}},
      {"cp=0.250000", {2500, 1000, 5000, 10000, 50000}},
      {"cp=0", {0, 1000, 5000, 10000, 50000}},
      {"pp=10000", {100, 1000, 5000, 10000, 100000000}},
      {"cp=1,sp=2,ep=3,gp=4,pp=5", {10000, 20000, 30000, 40000, 50000}},
  };
  for (const Case& c : cases) {
    CoinRates rates;
    const Problem problem = parseRates(c.text, rates);
    EXPECT_TRUE(problem.ok()) << c.text << ": " << problem.text();
    EXPECT_EQ(rates.units, c.units) << c.text;
  }
}

TEST(CoinRatesTest, BadListsAreRefusedWithAReasonAndChangeNothing) {
  struct Case {
    const char* text;
    const char* reason;
  };
  const Case cases[] = {
      {"", "is not of the form metal=value"},
      {"pp", "is not of the form metal=value"},
      {"pp=10,", "is not of the form metal=value"},
      {"xp=1", "\"xp\" is no metal"},
      {"PP=1", "\"PP\" is no metal"},
      {"cp=1,cp=2", "cp is given twice"},
      {"cp=", "\"cp=\" is not a value"},
      {"cp=abc", "\"cp=abc\" is not a value"},
      {"cp=-1", "\"cp=-1\" is not a value"},
      {"cp=1e2", "\"cp=1e2\" is not a value"},
      {"cp=0.00001", "in steps of 0.0001"},
      {"cp=1/3", "in steps of 0.0001"},
      {"cp=1/240", "in steps of 0.0001"},
      {"cp=1/0", "is not a value"},
      {"cp=1/", "is not a value"},
      {"pp=10000.0001", "from 0 to 10000 gp"},
      {"pp=99999999999", "from 0 to 10000 gp"},
      {"pp=10,ep=x", "\"ep=x\" is not a value"},
      {"cp=+1", "\"cp=+1\" is not a value"},
      {"cp=0x10", "\"cp=0x10\" is not a value"},
      {"cp= 1", "\"cp= 1\" is not a value"},
      {"cp=1\n,gp=2", "\"cp=1\\n\" is not a value"},
  };
  for (const Case& c : cases) {
    CoinRates rates;
    const Problem problem = parseRates(c.text, rates);
    const std::string error = problem.text();
    EXPECT_FALSE(problem.ok()) << c.text;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.text << ": " << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
    EXPECT_EQ(rates.units, CoinRates().units) << c.text;
  }
}

TEST(CoinRatesTest, GoldIsWrittenWithTheDecimalsItNeeds) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0"},
      {1, "0.0001"},
      {10000, "1"},
      {15000, "1.5"},
      {12345, "1.2345"},
      {100, "0.01"},
      {-22500, "-2.25"},
      {10010000, "1001"},
      {987654321, "98765.4321"},
      {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"},
  };
  for (const auto& [units, text] : cases) EXPECT_EQ(formatGold(units), text) << units;
}

TEST(CoinRatesTest, GoldPiecesAsNumbersShowTheSameDigits) {
  for (std::int64_t units : {1LL, 50LL, 123456789LL, 99999999999999LL}) {
    const double gp = goldPieces(units);
    EXPECT_EQ(static_cast<std::int64_t>(std::llround(gp * 10000.0)), units);
  }
}

TEST(CoinRatesTest, CoinValueIsExact) {
  // 150 cp + 25 sp + 3 ep + 7 gp + 2 pp = 1.5 + 2.5 + 1.5 + 7 + 10 = 22.5 gp.
  EXPECT_EQ(coinValue({150, 25, 3, 7, 2}, CoinRates()), 225000);

  CoinRates rates;
  ASSERT_TRUE(parseRates("cp=1/200,sp=1/20,ep=1,pp=10", rates).ok());
  // 150 × 0.005 + 25 × 0.05 + 3 + 7 + 20 = 0.75 + 1.25 + 30 = 32 gp.
  EXPECT_EQ(coinValue({150, 25, 3, 7, 2}, rates), 320000);

  // The largest counts at the highest rate stay exact.
  ASSERT_TRUE(parseRates("cp=10000,sp=10000,ep=10000,gp=10000,pp=10000", rates).ok());
  const std::int32_t most = 2147483647;
  EXPECT_EQ(coinValue({most, most, most, most, most}, rates), 5LL * most * 100000000LL);
}

}  // namespace
}  // namespace glimmerkist
