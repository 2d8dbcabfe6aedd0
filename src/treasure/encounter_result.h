// The encounter result: the hoard written as a plain text report to
// EncounterTreasureResult.txt in the current directory, replacing the last
// encounter's. The on-screen report shares its opening lines.
#ifndef GLIMMERKIST_TREASURE_ENCOUNTER_RESULT_H_
#define GLIMMERKIST_TREASURE_ENCOUNTER_RESULT_H_

#include <ostream>

#include "treasure/gem_names.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist {

inline constexpr char kEncounterResultFileName[] = "EncounterTreasureResult.txt";

/// Writes the title, the five coin lines and the " Gems -" heading, which the
/// file and the screen have in common.
void writeTreasureOpening(std::ostream& out, const TreasureGenerator& generator);

/// Writes the whole file text of the hoard to `out`.
void writeEncounterResultText(std::ostream& out, const TreasureGenerator& generator,
                              const GemNames& gemNames);

/// Replaces EncounterTreasureResult.txt with the hoard's text; a failed save
/// leaves the last encounter's file as it was. True only when the whole
/// file was written and closed without error.
bool writeEncounterResult(const TreasureGenerator& generator, const GemNames& gemNames);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_ENCOUNTER_RESULT_H_
