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
  // A mistyped letter must not cost the last encounter's treasure.
  ResultSaving saving = ResultSaving::kNoChart;
  if (generator.treasureChart() >= 0) {
    saving =
        writeEncounterResult(generator, gemNames) ? ResultSaving::kSaved : ResultSaving::kFailed;
  }
  terminal.clearScreen();
  showEncounterReport(terminal, generator, gemNames, saving);
  terminal.pauseScreen();
}

void showEncounterReport(Terminal& terminal, const TreasureGenerator& generator,
                         const GemNames& gemNames, ResultSaving saving) {
  std::ostream& out = terminal.out();
  out << encounterReportText(generator.hoard(), gemNames);
  switch (saving) {
    case ResultSaving::kSaved:
      break;
    case ResultSaving::kFailed:
      out << " The treasure could not be saved to " << kEncounterResultFileName << "\n";
      break;
    case ResultSaving::kNoChart:
      out << " No treasure chart was chosen, so " << kEncounterResultFileName
          << " was left as it was\n";
      break;
  }
  out << "\n\n ";
}

}  // namespace glimmerkist
