// Drives glimmerkist-roll with arbitrary bytes: everything before the first
// NUL byte is the catalog, written as data.txt in a folder of the fuzzer's
// own, and every line after it one argument. Whatever the input, the command
// must return 0, 1 or 2, and a refusal must be one line on standard error
// with nothing on standard output.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_folder.h"
#include "fuzz_terminal.h"
#include "roll/roll_command.h"

namespace {

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool isDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Keeps one input quick: a path could name a pipe or a device that never
// ends, and stats draws 100000 hoards a chart unless told fewer. Counts of
// up to 99 still reach every branch.
bool worthRunning(const std::vector<std::string>& arguments) {
  bool stats = false;
  bool fewRuns = false;
  bool manyRuns = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.find('/') != std::string::npos) return false;
    if (argument == "stats") stats = true;
    std::string_view runs;
    if ((argument == "--count" || argument == "--runs") && i + 1 < arguments.size()) {
      runs = arguments[i + 1];
    } else if (argument.rfind("--count=", 0) == 0 || argument.rfind("--runs=", 0) == 0) {
      runs = std::string_view(argument).substr(argument.find('=') + 1);
    }
    if (isDigits(runs)) {
      const std::size_t digits = runs.find_first_not_of('0');
      fewRuns = digits == std::string_view::npos || runs.size() - digits <= 2;
      manyRuns = manyRuns || !fewRuns;
    }
  }
  return !manyRuns && (!stats || fewRuns);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  glimmerkist::enterFuzzFolder("glimmerkist-roll-fuzz");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using glimmerkist::require;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view catalog = input.substr(0, split);
  std::vector<std::string> arguments =
      linesOf(split == std::string_view::npos ? "" : input.substr(split + 1));
  // An argument of a real command line ends at its first NUL byte.
  for (std::string& argument : arguments) {
    const std::size_t end = argument.find('\0');
    if (end != std::string::npos) argument.resize(end);
  }
  if (!worthRunning(arguments)) return 0;

  std::ofstream("data.txt", std::ios::binary | std::ios::trunc) << catalog;
  std::vector<const char*> argv = {"glimmerkist-roll"};
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  std::ostringstream out;
  std::ostringstream err;
  const int status =
      glimmerkist::roll::runRollCommand(static_cast<int>(argv.size()), argv.data(), out, err);

  const std::vector<std::string> notes = linesOf(err.str());
  require(status == 0 || status == 1 || status == 2);
  if (status != 0) {
    require(out.str().empty());
    require(!notes.empty() && err.str().back() == '\n');
    // The refusal itself is one line, after at most the note of the catalog.
    require(notes.size() <= (status == 1 ? 2u : 1u));
    require(notes.back().size() <= 512);
  } else {
    require(notes.size() <= 1);
  }
  return 0;
}
