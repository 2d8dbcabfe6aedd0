#include "treasure/treasure_report.h"

#include <sstream>

#include "catalog/item_category.h"

namespace glimmerkist {
namespace {

// ASCII punctuation that Markdown or inline HTML may read as markup; a
// backslash before any ASCII punctuation shows it as itself. "|" would end
// the cell, "&" start an entity, "<" a tag.
constexpr std::string_view kMarkup = "\\|*_~`[]<>&#!";

// The title, the five coin lines and the " Gems -" heading, which the screen
// and the file have in common.
void writeOpening(std::ostream& out, const Hoard& hoard) {
  out << "\n TREASURE FOUND:\n\n"
      << " Coins -\n"
      << " Copper Pieces: " << hoard.coins[kCopper] << "\n"
      << " Silver Pieces: " << hoard.coins[kSilver] << "\n"
      << " Electrum Pieces: " << hoard.coins[kElectrum] << "\n"
      << " Gold Pieces: " << hoard.coins[kGold] << "\n"
      << " Platinum Pieces: " << hoard.coins[kPlatinum] << "\n\n"
      << " Gems -\n";
}

// " Ruby 7949 gp": nothing for a gem of no kind.
void writeGem(std::ostream& out, const Gem& gem, const GemNames& gemNames) {
  if (isGemKind(gem.kind())) {
    out << " " << gemNames[gem.kind()] << " " << gem.printedValue() << " gp";
  }
}

void writeItemLines(std::ostream& out, const ItemList& items) {
  for (const Item& item : items) out << " " << shownName(item) << "\n";
}

// In the file the gems go one on the first line, then up to four a line,
// each but the last followed by a comma.
void writeFileGems(std::ostream& out, const GemList& gems, const GemNames& gemNames) {
  if (gems.count() == 0) {
    out << " None\n";
    return;
  }
  const std::int32_t last = gems.count() - 1;
  std::int32_t i = 0;
  for (const Gem& gem : gems) {
    writeGem(out, gem, gemNames);
    if (isGemKind(gem.kind()) && i != last) out << ",";
    if (i % 4 == 0 && i != last) out << "\n";
    ++i;
  }
  out << "\n";
}

void writeFileItems(std::ostream& out, const ItemList& items) {
  if (items.count() == 0) {
    out << " None\n\n";
    return;
  }
  writeItemLines(out, items);
  if (items.count() % 5 == 0) out << "\n";
}

void writeReport(std::ostream& out, const Hoard& hoard, const GemNames& gemNames) {
  writeOpening(out, hoard);
  // On screen every gem has a line of its own.
  if (hoard.gems.count() == 0) {
    out << " None\n\n";
  } else {
    for (const Gem& gem : hoard.gems) {
      writeGem(out, gem, gemNames);
      out << "\n";
    }
    out << "\n";
  }
  out << " Magic Items -\n";
  if (hoard.magicItems.count() == 0) {
    out << " None\n\n";
  } else {
    writeItemLines(out, hoard.magicItems);
    out << "\n";
  }
}

void writeSplitMarkdown(std::ostream& out, const Hoard& hoard, const HoardOptions& options) {
  const PartySplit split = splitCoins(hoard.coins, options.splitAmong);
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

void writeHoardMarkdown(std::ostream& out, const Hoard& hoard, int index, int count,
                        const HoardOptions& options) {
  const GemNames& gemNames = storedGemNames();
  out << "### Hoard " << index + 1 << " of " << count << ": chart " << markdownCell(hoard.chartName)
      << ", seed " << hoard.seed << "\n\n"
      << "| Treasure | Count | Value (gp) |\n"
      << "| --- | ---: | ---: |\n";
  for (int metal = 0; metal < kMetalCount; ++metal) {
    Coins one{};
    one[metal] = hoard.coins[metal];
    out << "| " << kMetalNames[metal] << " | " << hoard.coins[metal] << " | "
        << formatGold(coinValue(one, options.rates)) << " |\n";
  }
  for (const Gem& gem : hoard.gems) {
    const std::string name = isGemKind(gem.kind()) ? gemNames[gem.kind()] : "";
    out << "| Gem: " << markdownCell(name) << " | 1 | " << gem.printedValue() << " |\n";
  }
  for (const Item& item : hoard.magicItems) {
    out << "| Magic item: "
        << (isCategoryCode(item.getCategory()) ? markdownCell(shownName(item))
                                               : "(none: empty category)")
        << " | 1 |  |\n";
  }
  out << "| **Total** |  | **" << formatGold(totalValue(hoard, options.rates)) << "** |\n";
  if (options.splitAmong > 0) writeSplitMarkdown(out, hoard, options);
}

}  // namespace

const GemNames& storedGemNames() {
  static const GemNames names = filledGemNames();
  return names;
}

std::string shownName(const Item& item) { return maskControlCharacters(nameWithBlanks(item)); }

std::string nameWithBlanks(const Item& item) {
  std::string name = item.getName();
  replaceUnderscores(name);
  return name;
}

std::string pickedItemLine(const Item& item) { return "A(n) " + shownName(item); }

std::string encounterReportText(const Hoard& hoard, const GemNames& gemNames) {
  std::ostringstream out;
  writeReport(out, hoard, gemNames);
  return out.str();
}

std::string encounterResultText(const Hoard& hoard, const GemNames& gemNames) {
  std::ostringstream out;
  writeOpening(out, hoard);
  writeFileGems(out, hoard.gems, gemNames);
  out << "\n Magic Items -\n";
  writeFileItems(out, hoard.magicItems);
  out << "\n\n ";
  return out.str();
}

std::string hoardText(const Hoard& hoard, int index, int count) {
  std::ostringstream out;
  out << " Hoard " << index + 1 << " of " << count << ": chart " << hoard.chartName << ", seed "
      << hoard.seed << "\n";
  writeReport(out, hoard, storedGemNames());
  return out.str();
}

std::string hoardsMarkdown(const std::vector<Hoard>& hoards, const HoardOptions& options) {
  std::ostringstream out;
  const int count = static_cast<int>(hoards.size());
  for (int i = 0; i < count; ++i) {
    writeHoardMarkdown(out, hoards[i], i, count, options);
    out << "\n";
  }
  out << "_Values in gold pieces: " << ratesSentence(options.rates)
      << "; gems at their printed value._\n";
  return out.str();
}

std::string markdownCell(std::string_view text) {
  std::string cell;
  cell.reserve(text.size());
  for (char c : text) {
    if (kMarkup.find(c) != std::string_view::npos) cell += '\\';
    // A line end would end the row.
    cell += (c == '\n' || c == '\r') ? ' ' : c;
  }
  return cell;
}

}  // namespace glimmerkist
