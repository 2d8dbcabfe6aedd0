// The list of charts that can be drawn by, built-in or a chart file's: each
// chart's name and one-line description, as plain text and as Markdown. The
// JSON of the same list is chartListJson (hoard_json.h).
#ifndef GLIMMERKIST_TREASURE_CHART_LIST_H_
#define GLIMMERKIST_TREASURE_CHART_LIST_H_

#include <string>
#include <vector>

#include "treasure/treasure_chart.h"

namespace glimmerkist {

/// One line a chart, " NAME  DESCRIPTION", the descriptions in one column.
std::string chartListText(const std::vector<TreasureChart>& charts);

/// A table of two columns, Chart and Description.
std::string chartListMarkdown(const std::vector<TreasureChart>& charts);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_CHART_LIST_H_
