// A chart file: a game master's own treasure charts as plain text, read into
// the same TreasureChart rows as the built-in charts, so that one drawing
// path serves both.
//
//   # comment lines and blank lines are skipped
//   chart dragon-hoard
//   description A dragon's bed of coins, gems and magic
//   copper   25% 1000-3000      (chance or less: the range; or always LOW-HIGH,
//   silver   never               never: the roll is made and ignored,
//   gems     60% 10-40           none: nothing is drawn; a missing line is none)
//   items    30+ 1 tccWeapons, d4 any-but-weapons
//
// A file is taken whole or not at all: the first fault is reported with its
// line and column (in characters) and what was expected there.
#ifndef GLIMMERKIST_TREASURE_CHART_FILE_H_
#define GLIMMERKIST_TREASURE_CHART_FILE_H_

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "treasure/treasure_chart.h"

namespace glimmerkist {

/// Limits of a chart file.
constexpr int kMaxChartsInFile = 1000;
constexpr std::size_t kMaxChartLineBytes = std::size_t{64} * 1024;
constexpr int kMaxChartNameChars = 32;
constexpr int kMaxChartDescriptionChars = 200;
constexpr int kMaxGemsInCell = 1000;
/// A fixed count of items or the sides of the die it is rolled on.
constexpr int kMaxItemsInGroup = 1000;
/// The most magic items a chart may draw, every count at its highest.
constexpr int kMaxItemsInChart = 10000;
/// rand() stops at 32767, so a range never yields more than its low end
/// plus this.
constexpr std::int32_t kWidestRange = 32767;

/// The words that begin a chart's lines of treasure, in the order of its
/// draws: the five metals, then gems, then items.
inline constexpr std::array<std::string_view, kMetalCount + 2> kChartShareWords = {
    "copper", "silver", "electrum", "gold", "platinum", "gems", "items"};

/// Why a chart file was refused. `line` and `column` count from 1; line 0
/// means the file could not be read at all.
struct ChartFileProblem {
  int line = 0;
  int column = 0;
  std::string message;
};

struct ChartFileResult {
  std::vector<TreasureChart> charts;  // empty when refused
  std::optional<ChartFileProblem> problem;
  bool ok() const { return !problem; }
};

/// Reads a chart file from a stream. Lines longer than kMaxChartLineBytes are
/// refused without being held whole.
ChartFileResult readChartFile(std::istream& in);

/// The same for text already in memory.
ChartFileResult parseChartFile(std::string_view text);

/// Opens and reads the file at `path`; a folder or a file that cannot be
/// read is a problem of line 0.
ChartFileResult loadChartFile(const std::string& path);

/// "FILE, line 12, column 9: a chance is ..." or, for line 0, "FILE: ...".
std::string describeChartFileProblem(const ChartFileProblem& problem, std::string_view fileName);

/// The charts in the file format, each with all seven lines, so that reading
/// the text back gives charts that draw the same hoards draw for draw.
std::string chartFileText(const std::vector<TreasureChart>& charts);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_CHART_FILE_H_
