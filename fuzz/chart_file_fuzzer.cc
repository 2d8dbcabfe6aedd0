// Feeds arbitrary bytes to the chart file reader. A refused file must say
// where and why and keep no chart; an accepted one must hold only charts the
// generator can draw, and write out as text that reads back as the same
// charts.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_terminal.h"
#include "treasure/chart_file.h"

namespace glimmerkist {
namespace {

bool drawable(int low, int high) { return 0 <= low && low <= high && high - low <= kWidestRange; }

void requireDrawable(const TreasureChart& chart) {
  require(!chart.name.empty() && !chart.description.empty());
  for (const CoinCell& cell : chart.coins) {
    if (cell.kind == CoinCell::kChance) require(cell.chance >= 1 && cell.chance <= 100);
    if (cell.kind == CoinCell::kChance || cell.kind == CoinCell::kRange)
      require(drawable(cell.low, cell.high));
  }
  if (chart.gems.kind != GemCell::kNone) {
    require(drawable(chart.gems.low, chart.gems.high) && chart.gems.high <= kMaxGemsInCell);
  }
  int items = 0;
  for (const ItemDraw& draw : chart.items.draws) {
    require((draw.count > 0) != (draw.countDie > 0));
    require(draw.source != ItemDraw::kCategory || (draw.category >= 0 && draw.category < 18));
    items += draw.count + draw.countDie;
  }
  require(items <= kMaxItemsInChart);
  require((chart.items.kind == ItemCell::kNone) == chart.items.draws.empty());
}

}  // namespace
}  // namespace glimmerkist

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glimmerkist;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ChartFileResult result = parseChartFile(text);
  if (!result.ok()) {
    require(result.charts.empty());
    require(result.problem->line >= 1 && result.problem->column >= 1);
    require(!result.problem->message.empty());
    return 0;
  }
  require(!result.charts.empty() && result.charts.size() <= kMaxChartsInFile);
  for (const TreasureChart& chart : result.charts) requireDrawable(chart);
  const std::string written = chartFileText(result.charts);
  const ChartFileResult again = parseChartFile(written);
  require(again.ok() && chartFileText(again.charts) == written);
  return 0;
}
