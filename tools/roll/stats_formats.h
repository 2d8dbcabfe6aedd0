// Writing a chart's figures over many hoards (treasure/chart_stats.h) in the
// batch command's three formats.
#ifndef GLIMMERKIST_ROLL_STATS_FORMATS_H_
#define GLIMMERKIST_ROLL_STATS_FORMATS_H_

#include <ostream>
#include <vector>

#include "roll/output_format.h"
#include "treasure/chart_stats.h"
#include "treasure/coin_rates.h"

namespace glimmerkist::roll {

/// Text: the aligned table with a note on the run. JSON: {"runs", "seed",
/// "rates_gp", "charts": [...]}. Markdown: one table.
void writeChartStats(std::ostream& out, Format format, const std::vector<ChartStats>& stats,
                     const CoinRates& rates);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_STATS_FORMATS_H_
