// Main menu choice 3: a whole encounter's treasure by a chart letter, saved
// to the result file and shown on screen.
#ifndef GLIMMERKIST_SHELL_ENCOUNTER_MODE_H_
#define GLIMMERKIST_SHELL_ENCOUNTER_MODE_H_

#include "base/terminal.h"
#include "treasure/gem_names.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist {

/// Asks for a chart letter, fills the hoard by it, saves it to
/// EncounterTreasureResult.txt and shows the report until a key is pressed.
void runEncounter(Terminal& terminal, TreasureGenerator& generator, const GemNames& gemNames);

/// Writes the on-screen report of the hoard. `saved` tells whether the
/// result file was written; when it was not, the report says so.
void showEncounterReport(Terminal& terminal, const TreasureGenerator& generator,
                         const GemNames& gemNames, bool saved);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_SHELL_ENCOUNTER_MODE_H_
