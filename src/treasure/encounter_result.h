// The encounter result: the hoard saved as a plain text report to
// EncounterTreasureResult.txt in the current directory, replacing the last
// encounter's. Its text is encounterResultText (treasure_report.h).
#ifndef GLIMMERKIST_TREASURE_ENCOUNTER_RESULT_H_
#define GLIMMERKIST_TREASURE_ENCOUNTER_RESULT_H_

#include "treasure/gem_names.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist {

inline constexpr char kEncounterResultFileName[] = "EncounterTreasureResult.txt";

/// Replaces EncounterTreasureResult.txt with the hoard's result text; a
/// failed save leaves the last encounter's file as it was. True only when the
/// whole file was written and closed without error.
bool writeEncounterResult(const TreasureGenerator& generator, const GemNames& gemNames);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_ENCOUNTER_RESULT_H_
