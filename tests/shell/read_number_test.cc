#include "shell/read_number.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "shell/read_token.h"
#include "support/fake_terminal.h"

namespace glimmerkist {
namespace {

constexpr char kBadEntryReport[] = "\n Please enter a numeric value\n\n [pause]";

TEST(LeadingNumberTest, ReadsLikeAtoiAndSaturates) {
  const struct {
    const char* token;
    std::int32_t expected;
  } cases[] = {
      {"7", 7},
      {"-3", -3},
      {"+12", 12},
      {"2x", 2},
      {"12abc", 12},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"+x", 0},
      {"00", 0},
      {"-0", 0},
      {"0009", 9},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"99999999999", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"-2147483649", std::numeric_limits<std::int32_t>::min()},
      {"-99999999999", std::numeric_limits<std::int32_t>::min()},
      {"123456789012345678901234567890", 2147483647},
  };
  for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.token), c.expected) << c.token;
}

TEST(ReadNumberTest, ReturnsNumbersWithoutAMessage) {
  FakeTerminal terminal("7 -3 2x 0 x 12abc");
  for (std::int32_t expected : {7, -3, 2, 0, 0, 12}) EXPECT_EQ(readNumber(terminal), expected);
  EXPECT_EQ(terminal.transcript(), "");
}

TEST(ReadNumberTest, ReportsLongTokensThatReadAsZero) {
  for (const char* token : {"abc", "00", "-0", "+x"}) {
    FakeTerminal terminal(token);
    EXPECT_EQ(readNumber(terminal), kBadEntry) << token;
    EXPECT_EQ(terminal.transcript(), kBadEntryReport) << token;
  }
}

TEST(ReadNumberTest, SkipsEmptyLinesAndLeavesTheRestOfTheLine) {
  FakeTerminal terminal("\n\n   \t\n1 2\n");
  EXPECT_EQ(readNumber(terminal), 1);
  EXPECT_EQ(readNumber(terminal), 2);
  EXPECT_EQ(terminal.transcript(), "");
}

TEST(ReadNumberTest, EndOfInputReadsAsZeroEveryTime) {
  FakeTerminal terminal("5");
  EXPECT_EQ(readNumber(terminal), 5);
  EXPECT_EQ(readNumber(terminal), 0);
  EXPECT_EQ(readNumber(terminal), 0);
  EXPECT_EQ(terminal.transcript(), "");
}

TEST(ReadTokenTest, KeepsTheFirstBytesOfALongTokenAndGoesOnAfterIt) {
  const std::string kept(kMaxTypedTokenBytes, 'a');
  const struct {
    const char* what;
    std::string input;
    std::string first;
  } cases[] = {
      {"a token of the most bytes kept", kept + " next", kept},
      {"one byte more", kept + "b next", kept},
      {"a megabyte more", kept + std::string(1 << 20, 'b') + "\tnext", kept},
      {"one that ends the input", kept + std::string(5000, 'b'), kept},
      {"a short one", "a\n\nnext", "a"},
  };
  for (const auto& c : cases) {
    FakeTerminal terminal(c.input);
    EXPECT_EQ(readToken(terminal), c.first) << c.what;
    const bool atEnd = c.input.find("next") == std::string::npos;
    EXPECT_EQ(readToken(terminal), atEnd ? "" : "next") << c.what;
    EXPECT_EQ(terminal.transcript(), "") << c.what;
  }
}

TEST(ReadNumberTest, LongTokensReadAsTheirFirstBytes) {
  const std::string zeros(kMaxTypedTokenBytes, '0');
  const struct {
    const char* what;
    std::string token;
    std::int32_t expected;
    std::string shown;
  } cases[] = {
      {"a million digits", std::string(1'000'000, '9'), std::numeric_limits<std::int32_t>::max(),
       ""},
      {"a million digits after a minus", "-" + std::string(1'000'000, '7'),
       std::numeric_limits<std::int32_t>::min(), ""},
      {"a number after the bytes kept", zeros + "5", kBadEntry, kBadEntryReport},
      {"a number within them", zeros.substr(1) + "5", 5, ""},
  };
  for (const auto& c : cases) {
    FakeTerminal terminal(c.token + " 3");
    EXPECT_EQ(readNumber(terminal), c.expected) << c.what;
    EXPECT_EQ(terminal.transcript(), c.shown) << c.what;
    EXPECT_EQ(readNumber(terminal), 3) << c.what;
  }
}

TEST(ReadNumberTest, OutputThatCannotBeWrittenReadsAsTheEndOfInput) {
  FakeTerminal terminal("7 abc");
  terminal.out().setstate(std::ios::badbit);
  EXPECT_EQ(readNumber(terminal), 0);
  EXPECT_EQ(readToken(terminal), "");
  // Nothing was taken from the input.
  terminal.out().clear();
  EXPECT_EQ(readNumber(terminal), 7);
}

}  // namespace
}  // namespace glimmerkist
