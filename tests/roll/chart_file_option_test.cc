// Own charts on the command line: the built-in charts written out by
// charts --export and read back with --charts draw the same output byte for
// byte; the example chart files load; a bad file or name is refused in one
// line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "roll_run.h"
#include "support/temp_dir.h"

namespace glimmerkist::roll {
namespace {

class ChartFileOptionTest : public ::testing::Test {
 protected:
  void SetUp() override { writeFile("data.txt", sampleCatalog()); }
  TempDir dir_;
};

TEST_F(ChartFileOptionTest, ExportedChartsGiveTheBuiltInOutputInEveryFormat) {
  const RollRun exported = roll({"charts", "--export"});
  ASSERT_EQ(exported.status, 0) << exported.err;
  // The shipped copy is the starting point for a game master's own file.
  EXPECT_EQ(exported.out, readFile(GLIMMERKIST_EXAMPLES "/built-in-charts.txt"));
  writeFile("built-in.txt", exported.out);
  const std::vector<std::vector<std::string>> formats = {
      {"--format", "text"}, {"--format", "json", "--split", "3"}, {"--format", "markdown"}};
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    for (const std::vector<std::string>& format : formats) {
      std::vector<std::string> arguments = {
          "encounter", std::string(1, letter), "-q", "--count", "400", "--seed", "77"};
      arguments.insert(arguments.end(), format.begin(), format.end());
      const RollRun builtIn = roll(arguments);
      arguments.insert(arguments.end(), {"--charts", "built-in.txt"});
      const RollRun own = roll(arguments);
      ASSERT_EQ(own.status, 0) << own.err;
      ASSERT_EQ(own.out, builtIn.out) << letter << " " << format[1];
    }
  }
  for (const char* format : {"text", "json", "markdown"}) {
    const std::vector<std::string> arguments = {"stats", "--count",  "3000", "--seed",
                                                "5",     "--format", format};
    std::vector<std::string> own = arguments;
    own.insert(own.end(), {"--charts", "built-in.txt"});
    EXPECT_EQ(roll(own).out, roll(arguments).out) << format;
  }
}

TEST_F(ChartFileOptionTest, ExampleChartFilesLoadAndDraw) {
  struct Case {
    const char* file;
    std::vector<std::string> charts;
  };
  const Case cases[] = {
      {"dragon-lairs.txt", {"wyrmling-nest", "adult-lair", "ancient-hoard"}},
      {"goblin-purses.txt", {"goblin", "bugbear", "kobold-cache"}},
      {"homebrew-coins.txt", {"H\xC3\xA4ndlerb\xC3\xB6rse", "\xE5\xAE\x9D\xE7\xAE\xB1"}},
  };
  for (const Case& c : cases) {
    const std::string file = std::string(GLIMMERKIST_EXAMPLES "/") + c.file;
    const RollRun listed = roll({"charts", "--charts", file, "--format", "markdown"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    const std::vector<std::string> rows = linesOf(listed.out);
    ASSERT_EQ(rows.size(), c.charts.size() + 2) << c.file;
    const RollRun stats = roll({"stats", "--charts", file, "--count", "200", "--format", "json"});
    ASSERT_EQ(stats.status, 0) << stats.err;
    for (std::size_t i = 0; i < c.charts.size(); ++i) {
      EXPECT_EQ(rows[i + 2].rfind("| " + c.charts[i] + " | ", 0), 0u) << rows[i + 2];
      EXPECT_NE(stats.out.find("\"chart\": \"" + c.charts[i] + "\""), std::string::npos);
      const RollRun hoard = roll({"encounter", c.charts[i], "--charts", file, "-q"});
      EXPECT_EQ(hoard.status, 0) << hoard.err;
      EXPECT_EQ(hoard.out.rfind(" Hoard 1 of 1: chart " + c.charts[i] + ", seed ", 0), 0u);
    }
  }
  // Names are found in either case, as the letters are.
  const std::string goblins = GLIMMERKIST_EXAMPLES "/goblin-purses.txt";
  const RollRun upper = roll({"encounter", "GOBLIN", "--charts", goblins, "-q", "--seed", "1"});
  EXPECT_EQ(upper.out.rfind(" Hoard 1 of 1: chart goblin, seed 1\n", 0), 0u) << upper.err;
}

TEST_F(ChartFileOptionTest, ABadFileOrNameIsRefusedInOneLine) {
  writeFile("bad.txt", "chart a\ndescription A\ngems 0% 1-2\n");
  writeFile("good.txt", "chart a\ndescription A\ngems always 1-2\n");
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string message;
  };
  const std::string place =
      "\"bad.txt\", line 3, column 6: a chance is a whole number from 1 to "
      "100, followed by %";
  const Case cases[] = {
      {{"encounter", "a", "--charts", "bad.txt"}, 1, place},
      {{"stats", "--charts", "bad.txt"}, 1, place},
      {{"charts", "--charts", "bad.txt"}, 1, place},
      {{"charts", "--charts", "absent.txt"}, 1, "the chart file \"absent.txt\" does not exist"},
      {{"charts", "--charts", "."}, 1, "the chart file \".\" is a folder, not a file"},
      {{"encounter", "b", "--charts", "good.txt"},
       2,
       "\"b\" is no chart of \"good.txt\"; its charts are \"a\""},
      {{"stats", "a", "H", "--charts", "good.txt"},
       2,
       "\"H\" is no chart of \"good.txt\"; its charts are \"a\""},
  };
  for (const Case& c : cases) {
    const RollRun run = roll(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_EQ(run.out, "");
    // The catalog's note, when one is read, comes first.
    const std::string last = run.err.substr(run.err.rfind("glimmerkist-roll: "));
    EXPECT_EQ(last, "glimmerkist-roll: " + c.message + "\n");
  }
}

}  // namespace
}  // namespace glimmerkist::roll
