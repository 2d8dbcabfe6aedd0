#include "roll/chart_list.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "treasure/chart_line.h"

namespace glimmerkist::roll {
namespace {

std::size_t characters(const std::string& text) {
  return static_cast<std::size_t>(characterCount(text));
}

}  // namespace

void writeChartList(std::ostream& out, Format format, const std::vector<TreasureChart>& charts) {
  switch (format) {
    case Format::kText: {
      std::size_t width = 0;
      for (const TreasureChart& chart : charts) width = std::max(width, characters(chart.name));
      for (const TreasureChart& chart : charts) {
        out << " " << chart.name << std::string(width - characters(chart.name) + 2, ' ')
            << chart.description << "\n";
      }
      break;
    }
    case Format::kJson: {
      nlohmann::ordered_json list = nlohmann::ordered_json::array();
      for (const TreasureChart& chart : charts) {
        list.push_back({{"name", chart.name}, {"description", chart.description}});
      }
      out << nlohmann::ordered_json{{"charts", list}}.dump(2) << "\n";
      break;
    }
    case Format::kMarkdown:
      out << "| Chart | Description |\n| --- | --- |\n";
      for (const TreasureChart& chart : charts) {
        out << "| " << markdownCell(chart.name) << " | " << markdownCell(chart.description)
            << " |\n";
      }
      break;
  }
}

}  // namespace glimmerkist::roll
