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
constexpr ItemDraw kNothing = {ItemDraw::kAny, 0, 0, 0};
constexpr ItemDraw any(int count) { return {ItemDraw::kAny, 0, count, 0}; }
constexpr ItemDraw anyButWeapons(int count) { return {ItemDraw::kAnyButWeapons, 0, count, 0}; }
constexpr ItemDraw of(ItemCategory category, int count) {
  return {ItemDraw::kCategory, category, count, 0};
}
constexpr ItemDraw oneToDie(ItemCategory category, int die) {
  return {ItemDraw::kCategory, category, 0, die};
}

// Magic-item cells.
constexpr ItemCell itemsAtLeast(int threshold, ItemDraw first, ItemDraw second = kNothing) {
  return {ItemCell::kAtLeast, threshold, {first, second}};
}
constexpr ItemCell itemsAlways(ItemDraw first, ItemDraw second = kNothing) {
  return {ItemCell::kAlways, 0, {first, second}};
}
constexpr ItemCell kNoItems = {ItemCell::kNone, 0, {kNothing, kNothing}};

}  // namespace

// clang-format off
const std::array<TreasureChart, kChartCount> kTreasureCharts = {{
//  chart  copper               silver              electrum            gold                 platinum             gems                   magic items
    {'A', {upTo(25, 1000, 3000), upTo(30, 200, 2000), upTo(35, 300, 1800), upTo(40, 1000, 6000), upTo(35, 300, 1800)}, gemsUpTo(60, 10, 40), itemsAtLeast(30, any(3))},
    {'B', {upTo(50, 1000, 6000), upTo(25, 100, 3000), upTo(25, 100, 1000), upTo(25, 200, 2000), upTo(25, 100, 1000)}, gemsUpTo(30, 1, 8), itemsAtLeast(10, of(tccArmorAndShields, 1), of(tccWeapons, 1))},
    {'C', {upTo(20, 1000, 10000), upTo(30, 1000, 6000), upTo(10, 100, 600), kNever, upTo(25, 100, 1000)}, gemsUpTo(25, 1, 6), itemsAtLeast(10, any(2))},
    {'D', {upTo(10, 1000, 6000), upTo(15, 1000, 10000), upTo(15, 100, 600), upTo(50, 1000, 3000), upTo(15, 100, 600)}, gemsUpTo(30, 1, 10), itemsAtLeast(15, of(tccPotionsAndOils, 1), any(2))},
    {'E', {upTo(5, 1000, 6000), upTo(25, 1000, 10000), upTo(25, 300, 1800), upTo(25, 1000, 4000), upTo(25, 300, 1800)}, gemsUpTo(15, 1, 12), itemsAtLeast(25, of(tccScrolls, 1), any(3))},
    {'F', {kNever, upTo(10, 3000, 18000), upTo(15, 100, 4000), upTo(40, 1000, 6000), upTo(15, 1000, 4000)}, gemsUpTo(20, 2, 20), itemsAtLeast(30, anyButWeapons(5))},
    {'G', {kNever, kNever, upTo(50, 1000, 10000), upTo(50, 2000, 20000), upTo(50, 1000, 10000)}, gemsUpTo(30, 3, 18), itemsAtLeast(35, any(5))},
    {'H', {upTo(25, 3000, 180000), upTo(40, 2000, 20000), upTo(40, 1000, 8000), upTo(55, 2000, 20000), upTo(40, 1000, 8000)}, gemsUpTo(50, 3, 30), itemsAtLeast(15, any(6))},
    {'I', {kNever, kNever, upTo(30, 100, 600), kNever, upTo(30, 100, 600)}, gemsUpTo(55, 2, 12), itemsAtLeast(15, any(1))},
    {'J', {range(3, 24), kZero, kZero, kZero, kZero}, kNoGems, kNoItems},
    {'K', {kZero, range(3, 18), kZero, kZero, kZero}, kNoGems, kNoItems},
    {'L', {kZero, kZero, range(2, 12), kZero, kZero}, kNoGems, kNoItems},
    {'M', {kZero, kZero, kZero, range(2, 8), kZero}, kNoGems, kNoItems},
    {'N', {kZero, kZero, kZero, kZero, range(1, 6)}, kNoGems, kNoItems},
    {'O', {range(10, 40), range(10, 30), kZero, kZero, kZero}, kNoGems, kNoItems},
    {'P', {kZero, range(10, 60), range(1, 20), kZero, kZero}, kNoGems, kNoItems},
    {'Q', {kZero, kZero, kZero, kZero, kZero}, gems(1, 4), kNoItems},
    {'R', {kZero, kZero, range(10, 60), range(2, 20), kZero}, gems(2, 8), kNoItems},
    {'S', {kZero, kZero, kZero, kZero, kZero}, kNoGems, itemsAlways(oneToDie(tccPotionsAndOils, 8))},
    {'T', {kZero, kZero, kZero, kZero, kZero}, kNoGems, itemsAlways(oneToDie(tccScrolls, 4))},
    {'U', {kZero, kZero, kZero, kZero, kZero}, gemsUpTo(90, 2, 16), itemsAlways(any(1))},
    {'V', {kZero, kZero, kZero, kZero, kZero}, kNoGems, itemsAlways(any(2))},
    {'W', {kZero, kZero, kZero, range(5, 30), range(1, 8)}, gemsUpTo(60, 2, 16), itemsAtLeast(60, any(2))},
    {'X', {kZero, kZero, kZero, kZero, kZero}, kNoGems, itemsAlways(of(tccPotionsAndOils, 2))},
    {'Y', {kZero, kZero, kZero, range(200, 1200), kZero}, kNoGems, kNoItems},
    {'Z', {range(100, 300), range(100, 400), range(100, 400), range(100, 600), range(100, 400)}, gemsUpTo(55, 1, 6), itemsAtLeast(50, any(3))},
}};
// clang-format on

std::int32_t chartIndexFromLetter(const std::string& text) {
  if (text.size() != 1) return -1;
  const char c = text[0];
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  return -1;
}

Problem readChart(const std::string& text, std::int32_t& chart) {
  const std::int32_t read = chartIndexFromLetter(text);
  if (read < 0) return {ProblemKind::kNoChart, quotedInput(text)};
  chart = read;
  return {};
}

}  // namespace glimmerkist
