#include "shell/encounter_mode.h"

#include <string>

#include "shell/read_token.h"
#include "treasure/encounter_result.h"
#include "treasure/treasure_report.h"

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

void showEncounterReport(Terminal& terminal, const TreasureGenerator& generator,
                         const GemNames& gemNames, bool saved) {
  std::ostream& out = terminal.out();
  out << encounterReportText(generator.hoard(), gemNames);
  if (!saved) out << " The treasure could not be saved to " << kEncounterResultFileName << "\n";
  out << "\n\n ";
}

}  // namespace glimmerkist
