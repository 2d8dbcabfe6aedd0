// Writing charts in the chart file format (chart_file.h).
#include <algorithm>
#include <string>

#include "catalog/item_category.h"
#include "treasure/chart_file.h"

namespace glimmerkist {
namespace {

// A range as the generator draws it: rand() stops at 32767, so a wider range
// draws exactly what its first 32768 values would.
std::string range(int low, int high) {
  const std::int64_t reach = std::min<std::int64_t>(high, std::int64_t{low} + kWidestRange);
  return std::to_string(low) + "-" + std::to_string(reach);
}

std::string coinCell(const CoinCell& cell) {
  switch (cell.kind) {
    case CoinCell::kChance:
      return std::to_string(cell.chance) + "% " + range(cell.low, cell.high);
    case CoinCell::kNever:
      return "never";
    case CoinCell::kRange:
      return "always " + range(cell.low, cell.high);
    case CoinCell::kZero:
      break;
  }
  return "none";
}

std::string gemCell(const GemCell& cell) {
  switch (cell.kind) {
    case GemCell::kChance:
      return std::to_string(cell.chance) + "% " + range(cell.low, cell.high);
    case GemCell::kRange:
      return "always " + range(cell.low, cell.high);
    case GemCell::kNone:
      break;
  }
  return "none";
}

std::string itemGroup(const ItemDraw& draw) {
  std::string text =
      draw.countDie > 0 ? "d" + std::to_string(draw.countDie) : std::to_string(draw.count);
  switch (draw.source) {
    case ItemDraw::kAny:
      return text + " any";
    case ItemDraw::kAnyButWeapons:
      return text + " any-but-weapons";
    case ItemDraw::kCategory:
      break;
  }
  return text + " " + std::string(kCategoryTags[draw.category]);
}

std::string itemCell(const ItemCell& cell) {
  std::string text;
  switch (cell.kind) {
    case ItemCell::kAtLeast:
      text = std::to_string(cell.threshold) + "+";
      break;
    case ItemCell::kAlways:
      text = "always";
      break;
    case ItemCell::kNone:
      return "none";
  }
  const char* separator = " ";
  for (const ItemDraw& draw : cell.draws) {
    // A group of no items draws nothing and is left out.
    if (draw.count == 0 && draw.countDie == 0) continue;
    text += separator + itemGroup(draw);
    separator = ", ";
  }
  return text;
}

}  // namespace

std::string chartFileText(const std::vector<TreasureChart>& charts) {
  std::string text =
      "# Treasure charts for glimmerkist-roll --charts FILE. Each chart draws its\n"
      "# coins (copper to platinum), then its gems, then its magic items.\n";
  for (const TreasureChart& chart : charts) {
    text += "\nchart " + chart.name + "\ndescription " + chart.description + "\n";
    for (int metal = 0; metal < kMetalCount; ++metal) {
      text += std::string(kChartShareWords[metal]) + " " + coinCell(chart.coins[metal]) + "\n";
    }
    text += std::string(kChartShareWords[kMetalCount]) + " " + gemCell(chart.gems) + "\n";
    text += std::string(kChartShareWords[kMetalCount + 1]) + " " + itemCell(chart.items) + "\n";
  }
  return text;
}

}  // namespace glimmerkist
