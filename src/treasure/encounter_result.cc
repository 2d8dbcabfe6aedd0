#include "treasure/encounter_result.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "treasure/treasure_report.h"

namespace glimmerkist {

bool writeEncounterResult(const TreasureGenerator& generator, const GemNames& gemNames) {
  const std::string text = encounterResultText(generator, gemNames);
  // Opening a pipe for writing waits until something reads it, which may be
  // never; the treasure is then not saved rather than the program stuck.
  std::error_code error;
  if (std::filesystem::is_fifo(kEncounterResultFileName, error)) return false;
  std::ofstream file(kEncounterResultFileName, std::ios::out | std::ios::trunc);
  if (!file.is_open()) return false;
  file << text;
  file.close();
  return !file.fail();
}

}  // namespace glimmerkist
