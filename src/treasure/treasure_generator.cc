#include "treasure/treasure_generator.h"

#include <algorithm>
#include <utility>

#include "base/random.h"
#include "treasure/rolls.h"

namespace glimmerkist {
namespace {

// Draws the category of one "any" item, optionally never weapons.
int rollCategory(bool allowWeapons) {
  int category = randomCategory();
  while (!allowWeapons && category == tccWeapons) category = randomCategory();
  return category;
}

}  // namespace

TreasureGenerator::TreasureGenerator(Terminal& terminal, const std::string& catalogPath)
    : terminal_(&terminal) {
  resetHoard();
  loadResult_ = loadCatalog(*this, terminal, catalogPath);
}

TreasureGenerator::TreasureGenerator(Terminal& terminal, std::istream& catalog)
    : terminal_(&terminal) {
  resetHoard();
  loadResult_ = readCatalog(catalog, *this);
  reportLoad(terminal, loadResult_);
}

void TreasureGenerator::resetHoard() {
  treasureChart_ = -1;
  coins_.fill(0);
  gems_.clear();
  magicItems_.clear();
}

void TreasureGenerator::addGems(std::int32_t n) {
  Gem gem;
  for (std::int32_t i = 0; i < n; ++i) {
    gem.reset();
    gem.generate();
    gems_.append(gem);
  }
}

void TreasureGenerator::generateTreasureByLetter(const std::string& text) {
  generateTreasureByChart(chartIndexFromLetter(text));
}

void TreasureGenerator::generateTreasureByChart(std::int32_t chartIndex) {
  treasureChart_ = (chartIndex >= 0 && chartIndex < kChartCount) ? chartIndex : -1;
  if (treasureChart_ < 0) {
    reportInvalidChart();
    return;
  }
  generateTreasure(kTreasureCharts[treasureChart_]);
}

void TreasureGenerator::generateTreasure(const TreasureChart& chart) {
  fillCoins(chart);
  fillGems(chart.gems);
  fillMagicItems(chart.items);
}

void TreasureGenerator::fillCoins(const TreasureChart& chart) {
  for (int metal = 0; metal < kMetalCount; ++metal) {
    const CoinCell& cell = chart.coins[metal];
    std::int32_t& count = coins_[metal];
    switch (cell.kind) {
      case CoinCell::kChance:
        count = rollCoins(cell.chance, cell.low, cell.high);
        break;
      case CoinCell::kNever:
        rollPercentile();  // drawn and ignored: it shifts every later draw
        count = 0;
        break;
      case CoinCell::kRange:
        count = std::max<std::int32_t>(randomRange(cell.low, cell.high), 0);
        break;
      case CoinCell::kZero:
        count = 0;
        break;
    }
  }
}

void TreasureGenerator::fillGems(const GemCell& cell) {
  switch (cell.kind) {
    case GemCell::kChance:
      if (rollPercentile() <= cell.chance) {
        addGems(randomRange(cell.low, cell.high));
      } else {
        gems_.clear();
      }
      break;
    case GemCell::kRange:
      addGems(randomRange(cell.low, cell.high));
      break;
    case GemCell::kNone:
      gems_.clear();
      break;
  }
}

void TreasureGenerator::fillMagicItems(const ItemCell& cell) {
  switch (cell.kind) {
    case ItemCell::kAtLeast:
      // Unlike the coin and gem rolls, this one passes on the threshold or more.
      if (rollPercentile() < cell.threshold) return;
      break;
    case ItemCell::kAlways:
      break;
    case ItemCell::kNone:
      magicItems_.clear();
      return;
  }
  magicItems_.clear();
  for (const ItemDraw& draw : cell.draws) drawItems(draw);
}

void TreasureGenerator::drawItems(const ItemDraw& draw) {
  const int count = draw.countDie > 0 ? rand() % draw.countDie + 1 : draw.count;
  for (int i = 0; i < count; ++i) {
    const int category = draw.source == ItemDraw::kCategory
                             ? draw.category
                             : rollCategory(draw.source == ItemDraw::kAny);
    magicItems_.append(randomItem(category));
  }
}

void TreasureGenerator::reportInvalidChart() {
  resetHoard();
  if (terminal_ == nullptr) return;
  terminal_->clearScreen();
  terminal_->out() << "\n There was an error with the Treasure Chart variable.\n"
                   << " Please verify that the value is a vlue of A to Z.\n ";
  terminal_->pauseScreen();
}

}  // namespace glimmerkist
