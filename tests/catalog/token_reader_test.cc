#include "catalog/token_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace glimmerkist {
namespace {

using Tokens = std::vector<std::string>;

const std::string kMark = "\xEF\xBB\xBF";

// Every token of `in`, read to the end; the reader is asked once more after
// the end to show that it stays there.
Tokens tokensOf(std::istream& in, bool skipMark) {
  TokenReader reader(in);
  if (skipMark) reader.skipByteOrderMark();
  Tokens tokens;
  std::string token;
  while (reader.next(token)) tokens.push_back(token);
  EXPECT_EQ(token, "");
  EXPECT_FALSE(reader.next(token));
  return tokens;
}

Tokens tokensOf(const std::string& text, bool skipMark = false) {
  std::istringstream in(text);
  return tokensOf(in, skipMark);
}

// A stream that hands out its bytes one at a time, as a slow pipe might.
class TrickleBuffer : public std::streambuf {
 public:
  explicit TrickleBuffer(std::string data) : data_(std::move(data)) {}

 protected:
  int_type underflow() override {
    if (next_ >= data_.size()) return traits_type::eof();
    current_ = data_[next_++];
    setg(&current_, &current_, &current_ + 1);
    return traits_type::to_int_type(current_);
  }

 private:
  std::string data_;
  std::size_t next_ = 0;
  char current_ = 0;
};

TEST(TokenReaderTest, EmptyInputHasNoToken) {
  std::istringstream in("");
  TokenReader reader(in);
  std::string token = "left over";
  EXPECT_FALSE(reader.next(token));
  EXPECT_EQ(token, "");
  EXPECT_FALSE(reader.next(token));
}

TEST(TokenReaderTest, WhitespaceOnlyInputHasNoToken) {
  EXPECT_EQ(tokensOf(" \t\n\r\v\f  \r\n\r\n"), Tokens{});
  EXPECT_EQ(tokensOf(" \t\n\r\v\f", true), Tokens{});
}

TEST(TokenReaderTest, EachOfTheSixWhitespaceBytesSeparates) {
  for (const char separator : {' ', '\t', '\n', '\r', '\v', '\f'}) {
    const std::string s(1, separator);
    EXPECT_EQ(tokensOf("alpha" + s + "beta"), (Tokens{"alpha", "beta"})) << int{separator};
    EXPECT_EQ(tokensOf(s + s + "alpha" + s + s + s + "beta" + s), (Tokens{"alpha", "beta"}))
        << int{separator};
    // Tokens are scanned eight bytes at a time: a separator ends a token at
    // any place of such a group, whatever bytes come before it, including
    // bytes just above and below the space.
    for (const char filler : {'x', '!', '\x80', '\xFF', '\x1F', '\0'}) {
      for (std::size_t length = 1; length <= 17; ++length) {
        const std::string token(length, filler);
        EXPECT_EQ(tokensOf(token + s + "end"), (Tokens{token, "end"}))
            << int{separator} << " after " << length << " of " << int{filler};
      }
    }
  }
}

TEST(TokenReaderTest, RunsOfMixedWhitespaceSeparateOnce) {
  EXPECT_EQ(tokensOf("\r\n\t a \f\v\r\n b\t\t\nc \r\n"), (Tokens{"a", "b", "c"}));
  EXPECT_EQ(tokensOf("one two\tthree\r\nfour\nfive"),
            (Tokens{"one", "two", "three", "four", "five"}));
}

TEST(TokenReaderTest, OtherBytesStayInsideTokens) {
  // NUL, invalid UTF-8, other control bytes, and bytes that some locales
  // count as spaces (next line 0x85, no-break space 0xA0, separators
  // 0x1C-0x1F) all belong to the token.
  const std::string withNul("a\0b", 3);
  const std::string invalidUtf8 = "\xFF\xFE\xC3(\x80";
  const std::string localeSpaces = "x\x85y\xA0z\xC2\xA0w";
  const std::string controls = "\x1C\x1D\x1E\x1F\b\x7F\x01";
  EXPECT_EQ(tokensOf(withNul + " " + invalidUtf8 + "\n" + localeSpaces + "\t" + controls),
            (Tokens{withNul, invalidUtf8, localeSpaces, controls}));
  EXPECT_EQ(tokensOf(std::string("\0", 1)), (Tokens{std::string("\0", 1)}));
}

TEST(TokenReaderTest, TokensAcrossTheBufferBoundary) {
  const std::size_t kBuffer = 1 << 16;
  const std::string longRun(kBuffer, 'x');
  const struct {
    const char* what;
    std::string input;
    Tokens expected;
  } cases[] = {
      {"a token that straddles the boundary",
       std::string(kBuffer - 3, ' ') + "spanning next",
       {"spanning", "next"}},
      {"a token that fills the first buffer exactly", longRun + " y", {longRun, "y"}},
      {"a token that fills the buffer and ends the input", longRun, {longRun}},
      {"a one-byte token at the last position", std::string(kBuffer - 1, ' ') + "z w", {"z", "w"}},
      {"a token that starts the second buffer", std::string(kBuffer, '\n') + "start", {"start"}},
      {"whitespace that straddles the boundary",
       "a" + std::string(kBuffer + 10, ' ') + "b",
       {"a", "b"}},
      {"a token over two boundaries",
       "<" + std::string(3 * kBuffer, 'q') + ">",
       {"<" + std::string(3 * kBuffer, 'q') + ">"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(tokensOf(c.input), c.expected) << c.what;
  }
}

TEST(TokenReaderTest, AVeryLongTokenIsReadWhole) {
  std::string token;
  for (int i = 0; token.size() < std::size_t{3} * 1024 * 1024; ++i) {
    token += "Blade_of_" + std::to_string(i) + "_";
  }
  EXPECT_EQ(tokensOf("before\n" + token + "\nafter"), (Tokens{"before", token, "after"}));
}

// A stream of `head`, then `length` bytes of `fill`, then `tail`, made up
// as it is read, so that a test can read a huge token without holding it.
class GeneratedBuffer : public std::streambuf {
 public:
  GeneratedBuffer(std::string head, std::size_t length, char fill, std::string tail)
      : head_(std::move(head)), tail_(std::move(tail)), left_(length), chunk_(1 << 16, fill) {}

 protected:
  int_type underflow() override {
    if (!head_.empty()) {
      current_ = std::exchange(head_, std::string());
    } else if (left_ > 0) {
      current_.assign(chunk_, 0, std::min(left_, chunk_.size()));
      left_ -= current_.size();
    } else if (!tail_.empty()) {
      current_ = std::exchange(tail_, std::string());
    } else {
      return traits_type::eof();
    }
    setg(current_.data(), current_.data(), current_.data() + current_.size());
    return traits_type::to_int_type(current_[0]);
  }

 private:
  std::string head_;
  std::string tail_;
  std::size_t left_;
  std::string chunk_;
  std::string current_;
};

TEST(TokenReaderTest, ATokenLongerThan64MiBEndsTheReading) {
  const std::size_t kMax = kMaxCatalogTokenBytes;
  ASSERT_EQ(kMax, std::size_t{64} * 1024 * 1024);
  const struct {
    const char* what;
    std::size_t length;
    bool tooLong;
  } cases[] = {
      {"a token of exactly 64 MiB", kMax, false},
      {"a token one byte longer", kMax + 1, true},
      {"a token of 64 MiB and a block", kMax + (1 << 16), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    GeneratedBuffer buffer("first\n", c.length, 'q', " after");
    std::istream in(&buffer);
    TokenReader reader(in);
    std::string_view token;
    ASSERT_TRUE(reader.next(token));
    EXPECT_EQ(token, "first");
    EXPECT_EQ(reader.next(token), !c.tooLong);
    EXPECT_EQ(reader.tooLong(), c.tooLong);
    if (c.tooLong) {
      EXPECT_EQ(token, "");
      EXPECT_EQ(reader.tooLongStart(60), std::string(60, 'q'));
      // Nothing after it is read.
      EXPECT_FALSE(reader.next(token));
    } else {
      EXPECT_EQ(token.size(), c.length);
      EXPECT_EQ(token.find_first_not_of('q'), std::string_view::npos);
      ASSERT_TRUE(reader.next(token));
      EXPECT_EQ(token.substr(0, 10), "after");
      EXPECT_FALSE(reader.next(token));
    }
  }
}

TEST(TokenReaderTest, AStreamThatTricklesReadsAlike) {
  const std::string text = kMark + "<note> two\twords </note>\r\nRing tccRings";
  TrickleBuffer buffer(text);
  std::istream in(&buffer);
  EXPECT_EQ(tokensOf(in, true), (Tokens{"<note>", "two", "words", "</note>", "Ring", "tccRings"}));
}

TEST(TokenReaderTest, ByteOrderMarkIsSkippedOnlyAtTheVeryStart) {
  const struct {
    const char* what;
    std::string input;
    Tokens expected;
  } cases[] = {
      {"mark before the first token", kMark + "<note> x", {"<note>", "x"}},
      {"mark then whitespace", kMark + " \r\nfirst", {"first"}},
      {"mark alone", kMark, {}},
      {"mark after whitespace", " " + kMark + "<note>", {kMark + "<note>"}},
      {"mark after a line end", "\n" + kMark + "x", {kMark + "x"}},
      {"second mark after the first", kMark + kMark + "x", {kMark + "x"}},
      {"mark inside a later token", "a b" + kMark + "c " + kMark, {"a", "b" + kMark + "c", kMark}},
      {"first two bytes of a mark", "\xEF\xBB", {"\xEF\xBB"}},
      {"first two bytes of a mark, then text", "\xEF\xBBX y", {"\xEF\xBBX", "y"}},
      {"no mark", "plain text", {"plain", "text"}},
      {"nothing at all", "", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(tokensOf(c.input, true), c.expected) << c.what;
  }
}

TEST(TokenReaderTest, ByteOrderMarkIsKeptUnlessAskedToSkip) {
  EXPECT_EQ(tokensOf(kMark + "<note>"), (Tokens{kMark + "<note>"}));
}

}  // namespace
}  // namespace glimmerkist
