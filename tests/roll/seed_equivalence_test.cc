// With --seed S, the batch command's hoards and items are the ones the
// interactive program shows after its srand received S: the test drives the
// whole interactive program through the library and compares screens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/random.h"
#include "roll_run.h"
#include "shell/program.h"
#include "support/fake_terminal.h"
#include "support/temp_dir.h"

namespace glimmerkist::roll {
namespace {

constexpr char kSaving[] = " Saving to file...please wait...\n\n[clear]";

class SeedEquivalenceTest : public ::testing::Test {
 protected:
  void SetUp() override { writeFile("data.txt", sampleCatalog()); }

  // The whole program after srand(seed), fed `input`; its transcript.
  static std::string interactive(std::uint32_t seed, const std::string& input) {
    FakeTerminal terminal(input);
    srand(seed);
    runProgram(terminal);
    return terminal.transcript();
  }

  // The report of the program's first encounter, choosing `letter` first
  // thing after the welcome screen.
  static std::string firstEncounterReport(std::uint32_t seed, const std::string& letter) {
    const std::string screen = interactive(seed, "3\n" + letter + "\n0\n");
    const std::size_t start = screen.find(kSaving);
    EXPECT_NE(start, std::string::npos) << screen;
    const std::size_t from = start + sizeof kSaving - 1;
    return screen.substr(from, screen.find("[pause]", from) - from);
  }

  // The report without its closing "\n\n ", where the program waits for a key.
  static std::string reportLines(const std::string& report) {
    EXPECT_EQ(report.substr(report.size() - 3), "\n\n ");
    return report.substr(0, report.size() - 3);
  }

  TempDir dir_;
};

TEST_F(SeedEquivalenceTest, FirstHoardOfEveryChartIsTheProgramsFirstEncounter) {
  for (std::uint32_t seed : {1u, 20261208u, 4294967295u}) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      const std::string chart(1, letter);
      const std::string report = firstEncounterReport(seed, chart);
      const RollRun run =
          roll({"encounter", chart, "--seed", std::to_string(seed), "--catalog", "data.txt"});
      ASSERT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(run.out, " Hoard 1 of 1: chart " + chart + ", seed " + std::to_string(seed) + "\n" +
                             reportLines(report))
          << "chart " << chart << ", seed " << seed;
    }
  }
}

TEST_F(SeedEquivalenceTest, LaterHoardsEachMatchTheProgramSeededWithTheirOwnSeed) {
  const RollRun run = roll({"encounter", "h", "--count", "3", "--seed", "4294967294"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::string expected;
  // The first seed as given; the later ones worked out apart from the program
  // (murmur3's finaliser over S + i * 0x9E3779B9, modulo 2^32).
  const std::uint32_t seeds[] = {4294967294u, 4051782527u, 2577659556u};
  for (int i = 0; i < 3; ++i) {
    expected += " Hoard " + std::to_string(i + 1) + " of 3: chart H, seed " +
                std::to_string(seeds[i]) + "\n" + reportLines(firstEncounterReport(seeds[i], "H"));
  }
  EXPECT_EQ(run.out, expected);
}

TEST_F(SeedEquivalenceTest, LowerAndUpperCaseChartsGiveTheSameHoards) {
  for (const char* letters : {"aA", "mM", "zZ"}) {
    const RollRun lower = roll({"encounter", std::string(1, letters[0]), "--seed", "77"});
    const RollRun upper = roll({"encounter", std::string(1, letters[1]), "--seed", "77"});
    ASSERT_EQ(lower.status, 0);
    EXPECT_EQ(lower.out, upper.out);
  }
}

// The line the program shows for a picked item, as the batch command has it.
std::string pickedLine(const std::string& screen) {
  const std::size_t start = screen.find("\n\n A(n) ");
  EXPECT_NE(start, std::string::npos) << screen;
  return screen.substr(start + 2, screen.find("\n\n ", start + 2) - start - 2);
}

TEST_F(SeedEquivalenceTest, ItemsAreThePicksOfTheProgramSeededWithTheirSeed) {
  for (std::uint32_t seed : {5u, 99991u}) {
    const std::string s = std::to_string(seed);
    // Main menu choice 2 draws the category, then the item.
    const RollRun any = roll({"item", "--seed", s});
    ASSERT_EQ(any.status, 0) << any.err;
    const std::string anyLine = pickedLine(interactive(seed, "2\n0\n"));
    EXPECT_EQ(any.out.substr(0, any.out.find("  (")), anyLine);

    // Main menu choice 1 with category 9 draws only the item.
    const RollRun chosen = roll({"item", "9", "--seed", s});
    ASSERT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_EQ(chosen.out, pickedLine(interactive(seed, "1\n9\n0\n")) +
                              "  (tccBootsAndGloves, seed " + s + ")\n");
  }
  // Every later item states the seed that picks it on its own.
  const RollRun run = roll({"item", "--count", "5", "--seed", "5"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = linesOf(run.out);
  ASSERT_EQ(lines.size(), 5u);
  for (const std::string& line : lines) {
    const std::size_t at = line.rfind(", seed ") + 7;
    const auto seed = static_cast<std::uint32_t>(std::stoul(line.substr(at, line.size() - at - 1)));
    EXPECT_EQ(line.substr(0, line.find("  (")), pickedLine(interactive(seed, "2\n0\n"))) << line;
  }
}

}  // namespace
}  // namespace glimmerkist::roll
