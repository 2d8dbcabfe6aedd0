#include "roll/stats_formats.h"

#include <string>

#include "treasure/hoard_json.h"

namespace glimmerkist::roll {
namespace {

void writeText(std::ostream& out, const std::vector<ChartStats>& stats, const CoinRates& rates) {
  out << chartStatsTable(stats);
  if (stats.empty()) return;
  out << "\n " << stats.front().runs << " hoards a chart from seed " << stats.front().seed
      << ", the hoards encounter --seed " << stats.front().seed << " draws.\n"
      << " Seen: share of the hoards that hold the metal; means over all hoards.\n"
      << " Values at " << ratesSentence(rates)
      << ",\n gems at their printed value; percentiles by nearest rank.\n";
}

}  // namespace

void writeChartStats(std::ostream& out, Format format, const std::vector<ChartStats>& stats,
                     const CoinRates& rates) {
  switch (format) {
    case Format::kText:
      writeText(out, stats, rates);
      break;
    case Format::kJson:
      out << chartStatsJson(stats, rates);
      break;
    case Format::kMarkdown:
      out << chartStatsMarkdown(stats);
      break;
  }
}

}  // namespace glimmerkist::roll
