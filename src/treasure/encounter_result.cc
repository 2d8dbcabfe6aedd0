#include "treasure/encounter_result.h"

#include <sstream>
#include <string>

#include "base/replace_file.h"

namespace glimmerkist {
namespace {

// Gems go one on the first line, then up to four a line, each but the last
// followed by a comma.
void writeGemSection(std::ostream& out, const GemList& gems, const GemNames& gemNames) {
  if (gems.count() == 0) {
    out << " None\n";
    return;
  }
  const std::int32_t last = gems.count() - 1;
  std::int32_t i = 0;
  for (const Gem& gem : gems) {
    if (isGemKind(gem.kind())) {
      out << " " << gemNames[gem.kind()] << " " << gem.printedValue() << " gp";
      if (i != last) out << ",";
    }
    if (i % 4 == 0 && i != last) out << "\n";
    ++i;
  }
  out << "\n";
}

void writeItemSection(std::ostream& out, const ItemList& items) {
  if (items.count() == 0) {
    out << " None\n\n";
    return;
  }
  std::string name;
  for (const Item& item : items) {
    name = item.getName();
    replaceUnderscores(name);
    out << " " << name << "\n";
  }
  if (items.count() % 5 == 0) out << "\n";
}

}  // namespace

void writeTreasureOpening(std::ostream& out, const TreasureGenerator& generator) {
  out << "\n TREASURE FOUND:\n\n"
      << " Coins -\n"
      << " Copper Pieces: " << generator.getCopperPieces() << "\n"
      << " Silver Pieces: " << generator.getSilverPieces() << "\n"
      << " Electrum Pieces: " << generator.getElectrumPieces() << "\n"
      << " Gold Pieces: " << generator.getGoldPieces() << "\n"
      << " Platinum Pieces: " << generator.getPlatinumPieces() << "\n\n"
      << " Gems -\n";
}

void writeEncounterResultText(std::ostream& out, const TreasureGenerator& generator,
                              const GemNames& gemNames) {
  writeTreasureOpening(out, generator);
  writeGemSection(out, generator.gems(), gemNames);
  out << "\n Magic Items -\n";
  writeItemSection(out, generator.magicItems());
  out << "\n\n ";
}

bool writeEncounterResult(const TreasureGenerator& generator, const GemNames& gemNames) {
  std::ostringstream text;
  writeEncounterResultText(text, generator, gemNames);
  return replaceFileContents(kEncounterResultFileName, text.str());
}

}  // namespace glimmerkist
