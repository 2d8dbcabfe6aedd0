#include "treasure/treasure_chart.h"

#include "base/quoted_input.h"
#include "catalog/item_category.h"

namespace glimmerkist {
namespace {

// Coin cells.
constexpr CoinCell upTo(int chance, int low, int high) {
  return {CoinCell::kChance, chance, low, high};
}
constexpr CoinCell kNever = {CoinCell::kNever, 0, 0, 0};
constexpr CoinCell range(int low, int high) { return {CoinCell::kRange, 0, low, high}; }
constexpr CoinCell kZero = {CoinCell::kZero, 0, 0, 0};

// Gem cells.
constexpr GemCell gemsUpTo(int chance, int low, int high) {
  return {GemCell::kChance, chance, low, high};
}
constexpr GemCell gems(int low, int high) { return {GemCell::kRange, 0, low, high}; }
constexpr GemCell kNoGems = {GemCell::kNone, 0, 0, 0};

// Groups of item draws.
constexpr ItemDraw any(int count) { return {ItemDraw::kAny, 0, count, 0}; }
constexpr ItemDraw anyButWeapons(int count) { return {ItemDraw::kAnyButWeapons, 0, count, 0}; }
constexpr ItemDraw of(ItemCategory category, int count) {
  return {ItemDraw::kCategory, category, count, 0};
}
constexpr ItemDraw oneToDie(ItemCategory category, int die) {
  return {ItemDraw::kCategory, category, 0, die};
}

// Magic-item cells.
ItemCell itemsAtLeast(int threshold, ItemDraw first) {
  return {ItemCell::kAtLeast, threshold, {first}};
}
ItemCell itemsAtLeast(int threshold, ItemDraw first, ItemDraw second) {
  return {ItemCell::kAtLeast, threshold, {first, second}};
}
ItemCell itemsAlways(ItemDraw first) { return {ItemCell::kAlways, 0, {first}}; }
const ItemCell kNoItems = {ItemCell::kNone, 0, {}};

}  // namespace

// clang-format off
const std::array<TreasureChart, kChartCount> kTreasureCharts = {{
//  chart, description
//     copper               silver              electrum            gold                 platinum             gems                   magic items
    {"A", "Great hoard: every metal, many gems, three magic items",
     {upTo(25, 1000, 3000), upTo(30, 200, 2000), upTo(35, 300, 1800), upTo(40, 1000, 6000), upTo(35, 300, 1800)}, gemsUpTo(60, 10, 40), itemsAtLeast(30, any(3))},
    {"B", "Armoury: coins, a few gems, armour or a shield and a weapon",
     {upTo(50, 1000, 6000), upTo(25, 100, 3000), upTo(25, 100, 1000), upTo(25, 200, 2000), upTo(25, 100, 1000)}, gemsUpTo(30, 1, 8), itemsAtLeast(10, of(tccArmorAndShields, 1), of(tccWeapons, 1))},
    {"C", "Lesser hoard: copper and silver, a few gems, two magic items",
     {upTo(20, 1000, 10000), upTo(30, 1000, 6000), upTo(10, 100, 600), kNever, upTo(25, 100, 1000)}, gemsUpTo(25, 1, 6), itemsAtLeast(10, any(2))},
    {"D", "Gold hoard: coins, gems, a potion and two magic items",
     {upTo(10, 1000, 6000), upTo(15, 1000, 10000), upTo(15, 100, 600), upTo(50, 1000, 3000), upTo(15, 100, 600)}, gemsUpTo(30, 1, 10), itemsAtLeast(15, of(tccPotionsAndOils, 1), any(2))},
    {"E", "Silver hoard: coins, gems, a scroll and three magic items",
     {upTo(5, 1000, 6000), upTo(25, 1000, 10000), upTo(25, 300, 1800), upTo(25, 1000, 4000), upTo(25, 300, 1800)}, gemsUpTo(15, 1, 12), itemsAtLeast(25, of(tccScrolls, 1), any(3))},
    {"F", "Hoard without copper: silver, gold, gems, five magic items, no weapons",
     {kNever, upTo(10, 3000, 18000), upTo(15, 100, 4000), upTo(40, 1000, 6000), upTo(15, 1000, 4000)}, gemsUpTo(20, 2, 20), itemsAtLeast(30, anyButWeapons(5))},
    {"G", "Rich hoard: electrum, gold, platinum, gems, five magic items",
     {kNever, kNever, upTo(50, 1000, 10000), upTo(50, 2000, 20000), upTo(50, 1000, 10000)}, gemsUpTo(30, 3, 18), itemsAtLeast(35, any(5))},
    {"H", "Dragon's hoard: every metal in plenty, many gems, six magic items",
     {upTo(25, 3000, 180000), upTo(40, 2000, 20000), upTo(40, 1000, 8000), upTo(55, 2000, 20000), upTo(40, 1000, 8000)}, gemsUpTo(50, 3, 30), itemsAtLeast(15, any(6))},
    {"I", "Small hoard: electrum, platinum, gems, one magic item",
     {kNever, kNever, upTo(30, 100, 600), kNever, upTo(30, 100, 600)}, gemsUpTo(55, 2, 12), itemsAtLeast(15, any(1))},
    {"J", "Copper pieces",
     {range(3, 24), kZero, kZero, kZero, kZero}, kNoGems, kNoItems},
    {"K", "Silver pieces",
     {kZero, range(3, 18), kZero, kZero, kZero}, kNoGems, kNoItems},
    {"L", "Electrum pieces",
     {kZero, kZero, range(2, 12), kZero, kZero}, kNoGems, kNoItems},
    {"M", "Gold pieces",
     {kZero, kZero, kZero, range(2, 8), kZero}, kNoGems, kNoItems},
    {"N", "Platinum pieces",
     {kZero, kZero, kZero, kZero, range(1, 6)}, kNoGems, kNoItems},
    {"O", "Copper and silver pieces",
     {range(10, 40), range(10, 30), kZero, kZero, kZero}, kNoGems, kNoItems},
    {"P", "Silver and electrum pieces",
     {kZero, range(10, 60), range(1, 20), kZero, kZero}, kNoGems, kNoItems},
    {"Q", "A few gems",
     {kZero, kZero, kZero, kZero, kZero}, gems(1, 4), kNoItems},
    {"R", "Electrum, gold and gems",
     {kZero, kZero, range(10, 60), range(2, 20), kZero}, gems(2, 8), kNoItems},
    {"S", "One to eight potions or oils",
     {kZero, kZero, kZero, kZero, kZero}, kNoGems, itemsAlways(oneToDie(tccPotionsAndOils, 8))},
    {"T", "One to four scrolls",
     {kZero, kZero, kZero, kZero, kZero}, kNoGems, itemsAlways(oneToDie(tccScrolls, 4))},
    {"U", "Gems and one magic item",
     {kZero, kZero, kZero, kZero, kZero}, gemsUpTo(90, 2, 16), itemsAlways(any(1))},
    {"V", "Two magic items",
     {kZero, kZero, kZero, kZero, kZero}, kNoGems, itemsAlways(any(2))},
    {"W", "Gold, platinum, gems, perhaps two magic items",
     {kZero, kZero, kZero, range(5, 30), range(1, 8)}, gemsUpTo(60, 2, 16), itemsAtLeast(60, any(2))},
    {"X", "Two potions or oils",
     {kZero, kZero, kZero, kZero, kZero}, kNoGems, itemsAlways(of(tccPotionsAndOils, 2))},
    {"Y", "A sack of gold pieces",
     {kZero, kZero, kZero, range(200, 1200), kZero}, kNoGems, kNoItems},
    {"Z", "Every metal, perhaps gems and three magic items",
     {range(100, 300), range(100, 400), range(100, 400), range(100, 600), range(100, 400)}, gemsUpTo(55, 1, 6), itemsAtLeast(50, any(3))},
}};
// clang-format on

std::int32_t chartIndexFromLetter(const std::string& text) {
  if (text.size() != 1) return -1;
  const char c = text[0];
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  return -1;
}

std::int32_t findChart(const std::vector<TreasureChart>& charts, std::string_view name) {
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  for (std::size_t i = 0; i < charts.size(); ++i) {
    const std::string& candidate = charts[i].name;
    if (candidate.size() != name.size()) continue;
    bool same = true;
    for (std::size_t j = 0; j < name.size() && same; ++j)
      same = lower(candidate[j]) == lower(name[j]);
    if (same) return static_cast<std::int32_t>(i);
  }
  return -1;
}

std::vector<TreasureChart> builtInCharts() {
  return {kTreasureCharts.begin(), kTreasureCharts.end()};
}

Problem readChart(const std::string& text, std::int32_t& chart) {
  const std::int32_t read = chartIndexFromLetter(text);
  if (read < 0) return {ProblemKind::kNoChart, quotedInput(text)};
  chart = read;
  return {};
}

}  // namespace glimmerkist
