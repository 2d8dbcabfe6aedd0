#include "treasure/chart_list.h"

#include <algorithm>

#include "treasure/chart_line.h"
#include "treasure/treasure_report.h"

namespace glimmerkist {

std::string chartListText(const std::vector<TreasureChart>& charts) {
  int width = 0;
  for (const TreasureChart& chart : charts) width = std::max(width, characterCount(chart.name));
  std::string text;
  for (const TreasureChart& chart : charts) {
    const int gap = width - characterCount(chart.name) + 2;
    text += " " + chart.name + std::string(static_cast<std::size_t>(gap), ' ') + chart.description +
            "\n";
  }
  return text;
}

std::string chartListMarkdown(const std::vector<TreasureChart>& charts) {
  std::string text = "| Chart | Description |\n| --- | --- |\n";
  for (const TreasureChart& chart : charts) {
    text += "| " + markdownCell(chart.name) + " | " + markdownCell(chart.description) + " |\n";
  }
  return text;
}

}  // namespace glimmerkist
