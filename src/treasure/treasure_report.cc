#include "treasure/treasure_report.h"

#include <sstream>

namespace glimmerkist {
namespace {

// The title, the five coin lines and the " Gems -" heading, which the screen
// and the file have in common.
void writeOpening(std::ostream& out, const TreasureGenerator& generator) {
  out << "\n TREASURE FOUND:\n\n"
      << " Coins -\n"
      << " Copper Pieces: " << generator.getCopperPieces() << "\n"
      << " Silver Pieces: " << generator.getSilverPieces() << "\n"
      << " Electrum Pieces: " << generator.getElectrumPieces() << "\n"
      << " Gold Pieces: " << generator.getGoldPieces() << "\n"
      << " Platinum Pieces: " << generator.getPlatinumPieces() << "\n\n"
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

}  // namespace

std::string shownName(const Item& item) { return maskControlCharacters(nameWithBlanks(item)); }

std::string nameWithBlanks(const Item& item) {
  std::string name = item.getName();
  replaceUnderscores(name);
  return name;
}

std::string pickedItemLine(const Item& item) { return "A(n) " + shownName(item); }

std::string encounterReportText(const TreasureGenerator& generator, const GemNames& gemNames) {
  std::ostringstream out;
  writeOpening(out, generator);
  // On screen every gem has a line of its own.
  if (generator.gems().count() == 0) {
    out << " None\n\n";
  } else {
    for (const Gem& gem : generator.gems()) {
      writeGem(out, gem, gemNames);
      out << "\n";
    }
    out << "\n";
  }
  out << " Magic Items -\n";
  if (generator.magicItems().count() == 0) {
    out << " None\n\n";
  } else {
    writeItemLines(out, generator.magicItems());
    out << "\n";
  }
  return out.str();
}

std::string encounterResultText(const TreasureGenerator& generator, const GemNames& gemNames) {
  std::ostringstream out;
  writeOpening(out, generator);
  writeFileGems(out, generator.gems(), gemNames);
  out << "\n Magic Items -\n";
  writeFileItems(out, generator.magicItems());
  out << "\n\n ";
  return out.str();
}

}  // namespace glimmerkist
