#include "roll/hoard_formats.h"

#include <string>

#include "catalog/item_category.h"
#include "roll/output_format.h"
#include "treasure/hoard_json.h"
#include "treasure/treasure_chart.h"

namespace glimmerkist::roll {
namespace {

void writeSplitMarkdown(std::ostream& out, const HoardSheet& sheet,
                        const HoardSheetOptions& options) {
  const PartySplit split = splitCoins(sheet.coins, options.splitAmong);
  out << "\nCoins split among " << split.characters
      << (split.characters == 1 ? " character" : " characters")
      << "; the gems and magic items are the party's to share.\n\n"
      << "| Coins | Each | Left over |\n"
      << "| --- | ---: | ---: |\n";
  for (int metal = 0; metal < kMetalCount; ++metal) {
    out << "| " << kMetalNames[metal] << " | " << split.each[metal] << " | "
        << split.remainder[metal] << " |\n";
  }
  out << "| Value (gp) | " << formatGold(coinValue(split.each, options.rates)) << " | "
      << formatGold(coinValue(split.remainder, options.rates)) << " |\n";
}

void writeHoardMarkdown(std::ostream& out, const HoardSheet& sheet, int index, int count,
                        const HoardSheetOptions& options) {
  out << "### Hoard " << index + 1 << " of " << count << ": chart " << markdownCell(sheet.chart)
      << ", seed " << sheet.seed << "\n\n"
      << "| Treasure | Count | Value (gp) |\n"
      << "| --- | ---: | ---: |\n";
  for (int metal = 0; metal < kMetalCount; ++metal) {
    Coins one{};
    one[metal] = sheet.coins[metal];
    out << "| " << kMetalNames[metal] << " | " << sheet.coins[metal] << " | "
        << formatGold(coinValue(one, options.rates)) << " |\n";
  }
  for (const GemLine& gem : sheet.gems) {
    out << "| Gem: " << markdownCell(gem.name) << " | 1 | " << gem.valueGp << " |\n";
  }
  for (const ItemLine& item : sheet.magicItems) {
    out << "| Magic item: "
        << (isCategoryCode(item.category) ? markdownCell(item.name) : "(none: empty category)")
        << " | 1 |  |\n";
  }
  out << "| **Total** |  | **" << formatGold(totalValue(sheet, options.rates)) << "** |\n";
  if (options.splitAmong > 0) writeSplitMarkdown(out, sheet, options);
}

}  // namespace

void writeHoardHeading(std::ostream& out, const std::string& chart, std::uint32_t seed, int index,
                       int count) {
  out << " Hoard " << index + 1 << " of " << count << ": chart " << chart << ", seed " << seed
      << "\n";
}

void writeHoardsJson(std::ostream& out, const std::vector<HoardSheet>& sheets,
                     const HoardSheetOptions& options) {
  out << hoardsJson(sheets, options);
}

void writeHoardsMarkdown(std::ostream& out, const std::vector<HoardSheet>& sheets,
                         const HoardSheetOptions& options) {
  const int count = static_cast<int>(sheets.size());
  for (int i = 0; i < count; ++i) {
    writeHoardMarkdown(out, sheets[i], i, count, options);
    out << "\n";
  }
  out << "_Values in gold pieces: " << ratesSentence(options.rates)
      << "; gems at their printed value._\n";
}

}  // namespace glimmerkist::roll
