#include "shell/encounter_mode.h"

#include <string>

#include "shell/read_token.h"
#include "treasure/encounter_result.h"

namespace glimmerkist {

void runEncounter(Terminal& terminal, TreasureGenerator& generator, const GemNames& gemNames) {
  terminal.clearScreen();
  generator.resetHoard();
  std::string chartLetter;
  terminal.out() << "\n Select a letter from A to Z (or alternately a to z)\n"
                 << " for the treasure chart you wish to generate from\n\n ";
  chartLetter = readToken(terminal);
  generator.generateTreasureByLetter(chartLetter);
  terminal.out() << " Saving to file...please wait...\n\n";
  const bool saved = writeEncounterResult(generator, gemNames);
  terminal.clearScreen();
  showEncounterReport(terminal, generator, gemNames, saved);
  terminal.pauseScreen();
}

void writeEncounterReport(std::ostream& out, const TreasureGenerator& generator,
                          const GemNames& gemNames) {
  writeTreasureOpening(out, generator);

  // On screen every gem has a line of its own.
  if (generator.gems().count() == 0) {
    out << " None\n\n";
  } else {
    for (const Gem& gem : generator.gems()) {
      if (isGemKind(gem.kind())) {
        out << " " << gemNames[gem.kind()] << " " << gem.printedValue() << " gp";
      }
      out << "\n";
    }
    out << "\n";
  }

  out << " Magic Items -\n";
  if (generator.magicItems().count() == 0) {
    out << " None\n\n";
  } else {
    std::string text;
    for (const Item& item : generator.magicItems()) {
      text = item.getName();
      replaceUnderscores(text);
      out << " " << text << "\n";
    }
    out << "\n";
  }
}

void showEncounterReport(Terminal& terminal, const TreasureGenerator& generator,
                         const GemNames& gemNames, bool saved) {
  std::ostream& out = terminal.out();
  writeEncounterReport(out, generator, gemNames);
  if (!saved) out << " The treasure could not be saved to " << kEncounterResultFileName << "\n";
  out << "\n\n ";
}

}  // namespace glimmerkist
