// Feeds arbitrary bytes to the catalog loader as the content of data.txt,
// then shows what it filed through the program's screens and its result
// file: the loader's report, every item as a pick shows it, and hoards of a
// chart. No control character of the catalog may reach any of them; the
// only one they hold is the line end of their own text.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "base/random.h"
#include "base/terminal.h"
#include "catalog/item_category.h"
#include "fuzz_terminal.h"
#include "shell/encounter_mode.h"
#include "shell/item_picking.h"
#include "treasure/gem_names.h"
#include "treasure/treasure_generator.h"
#include "treasure/treasure_report.h"

namespace glimmerkist {
namespace {

// A terminal that keeps everything shown; clearing and pausing show nothing.
class ScreenRecorder : public Terminal {
 public:
  std::istream& in() override { return in_; }
  std::ostream& out() override { return out_; }
  void clearScreen() override {}
  void pauseScreen() override {}
  std::string screen() const { return out_.str(); }

 private:
  std::istringstream in_;
  std::ostringstream out_;
};

bool holdsNoControl(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte < 0x20 && byte != '\n') || byte == 0x7F) return false;
    if (byte == 0xC2 && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0x80 && next <= 0x9F) return false;
    }
  }
  return true;
}

}  // namespace
}  // namespace glimmerkist

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glimmerkist;
  std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
  ScreenRecorder terminal;
  TreasureGenerator generator(terminal, file);
  for (int code = 0; code < kCategoryCount; ++code) {
    for (const Item& item : generator.category(code)) showPickedItem(terminal, item);
  }
  // A chart of many items from any category, and one picked by the input.
  const GemNames gemNames = filledGemNames();
  std::string resultFiles;
  for (const std::int32_t chart : {18, static_cast<std::int32_t>(size % kChartCount)}) {
    glimmerkist::srand(static_cast<std::uint32_t>(size));
    generator.resetHoard();
    generator.generateTreasureByChart(chart);
    showEncounterReport(terminal, generator, gemNames, ResultSaving::kSaved);
    resultFiles += encounterResultText(generator.hoard(), gemNames);
  }
  require(holdsNoControl(terminal.screen()));
  require(holdsNoControl(resultFiles));
  return 0;
}
