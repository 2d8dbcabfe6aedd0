#include "catalog/item.h"

#include <gtest/gtest.h>

namespace glimmerkist {
namespace {

Item named(int category, const std::string& name) {
  Item item;
  item.setCategory(category);
  item.setName(name);
  return item;
}

TEST(ItemTest, StartsAsNoItem) {
  Item item;
  EXPECT_EQ(item.getCategory(), -1);
  EXPECT_EQ(item.getName(), "");
  EXPECT_EQ(item, noItem);
}

TEST(ItemTest, OutOfRangeCategoryEmptiesTheItem) {
  for (int code : {18, -2, -2147483647 - 1, 2147483647}) {
    Item item = named(5, "Silver_Hand_Mirror");
    item.setCategory(code);
    EXPECT_EQ(item, noItem) << code;
  }
}

TEST(ItemTest, ValidCategoryKeepsTheName) {
  for (int code : {-1, 0, 17}) {
    Item item = named(5, "Silver_Hand_Mirror");
    item.setCategory(code);
    EXPECT_EQ(item.getCategory(), code);
    EXPECT_EQ(item.getName(), "Silver_Hand_Mirror");
  }
}

TEST(ItemTest, EmptyNameEmptiesTheItem) {
  Item item = named(3, "Rod");
  item.setName("");
  EXPECT_EQ(item, noItem);
}

TEST(ItemTest, NameKeepsCategoryAndUnderscores) {
  Item item;
  item.setName("Silver_Hand_Mirror");
  EXPECT_EQ(item.getCategory(), -1);
  EXPECT_EQ(item.getName(), "Silver_Hand_Mirror");
}

TEST(ItemTest, CopiesAreIndependent) {
  const Item source = named(2, "Ring_of_Dew");
  Item copy = source;
  copy.setName("Other");
  EXPECT_EQ(source.getName(), "Ring_of_Dew");
  // Through a reference, so that the compiler does not flag the
  // self-assignment as a slip.
  const Item& same = copy;
  copy = same;
  EXPECT_EQ(copy.getName(), "Other");
  EXPECT_EQ(copy.getCategory(), 2);
}

TEST(ReplaceUnderscoresTest, ReplacesOnlyUnderscores) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"Silver_Hand_Mirror", "Silver Hand Mirror"},
      {"___", "   "},
      {"plain", "plain"},
      {"", ""},
      {"a-b_c.d", "a-b c.d"},
  };
  for (const auto& c : cases) {
    std::string text = c.in;
    replaceUnderscores(text);
    EXPECT_EQ(text, c.out);
  }
}

TEST(MaskControlCharactersTest, EachControlShowsAsOneQuestionMark) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"Ring_of_Warmth", "Ring_of_Warmth"},
      {"\x1b]0;PWNED\x07X", "?]0;PWNED?X"},        // a terminal title
      {"\x1b]52;c;aGk=\x1b\\", "?]52;c;aGk=?\\"},  // the clipboard
      {std::string("nul\0tab\tdel\x7f", 12), "nul?tab?del?"},
      {"csi\xc2\x9b"
       "2J\xc2\x80\xc2\x9f",
       "csi?2J??"},  // C1, U+0080 to U+009F
      // Letters of two bytes that are no controls stay, and so does a lone C2.
      {"caf\xc3\xa9 \xc2\xa0\xc2\xa9 \xc2", "caf\xc3\xa9 \xc2\xa0\xc2\xa9 \xc2"},
      {"\xc2\xc2\x85", "\xc2?"},
  };
  for (const auto& c : cases) EXPECT_EQ(maskControlCharacters(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace glimmerkist
