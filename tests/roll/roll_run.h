// Helpers for the glimmerkist-roll tests: running the command as main would,
// and a small catalog with a known number of items in each category.
#ifndef GLIMMERKIST_TESTS_ROLL_ROLL_RUN_H_
#define GLIMMERKIST_TESTS_ROLL_ROLL_RUN_H_

#include <sstream>
#include <string>
#include <vector>

#include "catalog/item_category.h"
#include "roll/roll_command.h"

namespace glimmerkist::roll {

struct RollRun {
  int status;
  std::string out;
  std::string err;
};

/// Runs glimmerkist-roll with `arguments` (the program's name is added).
inline RollRun roll(const std::vector<std::string>& arguments) {
  std::vector<const char*> argv = {"glimmerkist-roll"};
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  std::ostringstream out;
  std::ostringstream err;
  const int status = runRollCommand(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

/// Items in category `code` of sampleCatalog(): none in tccRods, so that
/// draws from it give no item, and 1 to 4 in the others.
inline int sampleCount(int code) { return code == tccRods ? 0 : 1 + code % 4; }

/// A catalog with a note, sampleCount(code) items per category named
/// Item_<code>_<k>, categories interleaved as a real file may have them.
inline std::string sampleCatalog() {
  std::string text = "<note>\nA catalog for the tests.\n</note>\n";
  for (int k = 0; k < 4; ++k) {
    for (int code = 0; code < kCategoryCount; ++code) {
      if (k >= sampleCount(code)) continue;
      text += "Item_" + std::to_string(code) + "_" + std::to_string(k) + "\n" +
              std::string(kCategoryTags[code]) + "\n";
    }
  }
  return text;
}

/// The lines of `text`, without their line ends.
inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_TESTS_ROLL_ROLL_RUN_H_
