#include "roll/output_format.h"

#include <gtest/gtest.h>

#include <string>

namespace glimmerkist::roll {
namespace {

TEST(OutputFormatTest, MarkdownShowsNamesAsTheyAre) {
  const struct {
    const char* name;
    const char* cell;
  } cases[] = {
      {"Sword +1", "Sword +1"},
      {"Bag | Bottle", "Bag \\| Bottle"},  // an unescaped | would split the cell
      {"*Shining* Star", "\\*Shining\\* Star"},
      {"Rod_of_Rule", "Rod\\_of\\_Rule"},
      {"~~Struck~~", "\\~\\~Struck\\~\\~"},
      {"`code`", "\\`code\\`"},
      {"<b>Bold</b>", "\\<b\\>Bold\\</b\\>"},
      {"Salt & Pepper &amp;", "Salt \\& Pepper \\&amp;"},
      {"[Link](x)", "\\[Link\\](x)"},
      {"![Image](x)", "\\!\\[Image\\](x)"},
      {"Back\\slash", "Back\\\\slash"},
      {"# Heading", "\\# Heading"},
      {"Two\nLines\r", "Two Lines "},
      {"Esc\x1b[2J\xc2\x9b", "Esc?\\[2J?"},  // no control reaches the terminal
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(markdownCell(c.name), c.cell) << c.name;
}

}  // namespace
}  // namespace glimmerkist::roll
