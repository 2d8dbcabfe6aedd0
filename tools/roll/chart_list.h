// The charts that the charts command lists: each chart's name and
// description, in text, JSON or Markdown.
#ifndef GLIMMERKIST_ROLL_CHART_LIST_H_
#define GLIMMERKIST_ROLL_CHART_LIST_H_

#include <ostream>
#include <vector>

#include "roll/output_format.h"
#include "treasure/treasure_chart.h"

namespace glimmerkist::roll {

void writeChartList(std::ostream& out, Format format, const std::vector<TreasureChart>& charts);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_CHART_LIST_H_
