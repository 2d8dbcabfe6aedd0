// Main menu choice 3: a whole encounter's treasure by a chart letter, saved
// to the result file and shown on screen.
#ifndef GLIMMERKIST_SHELL_ENCOUNTER_MODE_H_
#define GLIMMERKIST_SHELL_ENCOUNTER_MODE_H_

#include "base/terminal.h"
#include "treasure/gem_names.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist {

/// What became of the result file after an encounter.
enum class ResultSaving {
  kSaved,    // the file holds the hoard
  kFailed,   // it could not be written and holds what it held
  kNoChart,  // no chart was chosen, so it was left as it was
};

/// Asks for a chart letter, fills the hoard by it, saves it to
/// EncounterTreasureResult.txt and shows the report until a key is pressed.
/// A text that names no chart leaves the file of the last encounter alone.
void runEncounter(Terminal& terminal, TreasureGenerator& generator, const GemNames& gemNames);

/// Writes the on-screen report of the hoard, with a line on the result file
/// when it does not hold this hoard.
void showEncounterReport(Terminal& terminal, const TreasureGenerator& generator,
                         const GemNames& gemNames, ResultSaving saving);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_SHELL_ENCOUNTER_MODE_H_
