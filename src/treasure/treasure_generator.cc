#include "treasure/treasure_generator.h"

namespace glimmerkist {

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

void TreasureGenerator::resetHoard() { glimmerkist::resetHoard(hoard_); }

void TreasureGenerator::generateTreasureByLetter(const std::string& text) {
  generateTreasureByChart(chartIndexFromLetter(text));
}

void TreasureGenerator::generateTreasureByChart(std::int32_t chartIndex) {
  if (chartIndex < 0 || chartIndex >= kChartCount) {
    reportInvalidChart();
    return;
  }
  fillHoard(*this, chartIndex, hoard_);
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
