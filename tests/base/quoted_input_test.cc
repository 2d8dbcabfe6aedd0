#include "base/quoted_input.h"

#include <gtest/gtest.h>

#include <string>

namespace glimmerkist {
namespace {

TEST(QuotedInputTest, QuotesStayOneShortLine) {
  const std::string sixty(60, 'x');
  std::string escapedLineEnds;
  for (int i = 0; i < 60; ++i) escapedLineEnds += "\\n";
  const struct {
    std::string text;
    std::string quote;
  } cases[] = {
      {"", "\"\""},
      {"tccWeapons", "\"tccWeapons\""},
      {"two\nlines", "\"two\\nlines\""},
      {"cr\rtab\t", "\"cr\\rtab\\t\""},
      {"say \"hi\" \\o/", "\"say \\\"hi\\\" \\\\o/\""},
      {std::string("nul\0esc\x1b del\x7f", 13), "\"nul\\x00esc\\x1b del\\x7f\""},
      {"caf\xc3\xa9", "\"caf\xc3\xa9\""},  // UTF-8 stays as it is
      {"csi\xc2\x9b"
       "2J\xc2\xa0",
       "\"csi\\xc2\\x9b2J\xc2\xa0\""},  // C1 controls do not
      {sixty, "\"" + sixty + "\""},
      {sixty + "y", "\"" + sixty + "\"..."},
      {std::string(1000000, 'z'), "\"" + std::string(60, 'z') + "\"..."},
      // A cut that would split the two bytes of an e with acute backs up.
      {std::string(59, 'x') + "\xc3\xa9!", "\"" + std::string(59, 'x') + "\"..."},
      {std::string(60, '\n') + "!", "\"" + escapedLineEnds + "\"..."},
  };
  for (const auto& c : cases) EXPECT_EQ(quotedInput(c.text), c.quote) << c.text.size();
}

TEST(QuotedInputTest, PathsShowWholeWithTheirBackslashes) {
  const std::string folder = "/usr/local/share/games/glimmerkist/" + std::string(100, 'f');
  const struct {
    std::string path;
    std::string quote;
  } cases[] = {
      {folder + "/data.txt", "\"" + folder + "/data.txt\""},
      {"C:\\Games\\Glimmerkist\\data.txt", "\"C:\\Games\\Glimmerkist\\data.txt\""},
      {"Z:\\tmp\\Tr\xc3\xa9sors de Zo\xc3\xab\\data.txt",
       "\"Z:\\tmp\\Tr\xc3\xa9sors de Zo\xc3\xab\\data.txt\""},
      {"my \"items\"\n\x1b\xc2\x9b.txt", "\"my \\\"items\\\"\\n\\x1b\\xc2\\x9b.txt\""},
  };
  for (const auto& c : cases) EXPECT_EQ(quotedPath(c.path), c.quote) << c.path;
}

}  // namespace
}  // namespace glimmerkist
