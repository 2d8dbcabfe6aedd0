#include "roll/stats_formats.h"

#include <string>

namespace glimmerkist::roll {
namespace {

void writeText(std::ostream& out, const std::vector<ChartStats>& stats, const CoinRates& rates) {
  out << chartStatsTable(stats);
  if (stats.empty()) return;
  out << "\n " << stats.front().runs << " hoards a chart, hoard i drawn after srand("
      << stats.front().seed << " + i). Seen: share of the hoards that hold the metal; means over"
      << " all hoards.\n Values at " << ratesSentence(rates)
      << ", gems at their printed value; percentiles by nearest rank.\n";
}

void writeJson(std::ostream& out, const std::vector<ChartStats>& stats, const CoinRates& rates) {
  Json document = Json::object();
  document["runs"] = stats.empty() ? 0 : stats.front().runs;
  document["seed"] = stats.empty() ? 0 : stats.front().seed;
  document["rates_gp"] = ratesJson(rates);
  document["charts"] = Json::array();
  for (const ChartStats& chart : stats) {
    Json json = Json::object();
    json["chart"] = std::string(1, kTreasureCharts[chart.chart].letter);
    json["coins"] = Json::object();
    for (int metal = 0; metal < kMetalCount; ++metal) {
      json["coins"][std::string(kMetalCodes[metal])] = {{"seen", chart.seenShare[metal]},
                                                        {"mean", chart.meanCount[metal]}};
    }
    json["mean_gems"] = chart.meanGems;
    json["mean_magic_items"] = chart.meanMagicItems;
    json["total_gp"] = {{"mean", chart.meanTotalGp},
                        {"p10", goldPieces(chart.p10)},
                        {"p50", goldPieces(chart.p50)},
                        {"p90", goldPieces(chart.p90)}};
    document["charts"].push_back(json);
  }
  writeJsonDocument(out, document);
}

}  // namespace

void writeChartStats(std::ostream& out, Format format, const std::vector<ChartStats>& stats,
                     const CoinRates& rates) {
  switch (format) {
    case Format::kText:
      writeText(out, stats, rates);
      break;
    case Format::kJson:
      writeJson(out, stats, rates);
      break;
    case Format::kMarkdown:
      out << chartStatsMarkdown(stats);
      break;
  }
}

}  // namespace glimmerkist::roll
