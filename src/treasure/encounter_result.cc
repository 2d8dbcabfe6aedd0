#include "treasure/encounter_result.h"

#include "base/replace_file.h"
#include "treasure/treasure_report.h"

namespace glimmerkist {

bool writeEncounterResult(const TreasureGenerator& generator, const GemNames& gemNames) {
  return replaceFileContents(kEncounterResultFileName,
                             encounterResultText(generator.hoard(), gemNames));
}

}  // namespace glimmerkist
