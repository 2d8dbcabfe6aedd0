// Drives the whole program with arbitrary bytes as its standard input, from
// a fixed seed, over a small fixed catalog in a temporary folder of its own
// (encounters write their result file there). Every input must end the
// program, at the latest at the end of its input, with status 0.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/random.h"
#include "fuzz_terminal.h"
#include "shell/program.h"

namespace {

// Some categories hold several items, some one, the rest none.
constexpr char kCatalog[] =
    "<note>\nThe fuzzer's catalog.\n</note>\n"
    "Potion_of_Flying tccPotionsAndOils\n"
    "Oil_of_Slipperiness tccPotionsAndOils\n"
    "Elixir_of_Youth tccPotionsAndOils\n"
    "Scroll_of_Warding tccScrolls\n"
    "Ring_of_Invisibility tccRings\n"
    "Ring_of_Warmth tccRings\n"
    "Cloak_of_Elvenkind tccCloaksAndRobes\n"
    "Silver_Hand_Mirror tccHouseholdItemsAndTools\n"
    "Shield_+2 tccArmorAndShields\n"
    "Sword_+1 tccWeapons\n"
    "Dagger_of_Venom tccWeapons\n";

std::filesystem::path folder;

void removeFolder() {
  std::error_code ignored;
  std::filesystem::current_path("/", ignored);
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // In memory where there is such a folder: rewriting the result file on a
  // disk makes the file system start writing it out at every encounter.
  std::error_code error;
  const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
  std::string pattern = (base / "glimmerkist-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  folder = pattern;
  std::filesystem::current_path(folder);
  std::ofstream(folder / "data.txt", std::ios::binary) << kCatalog;
  std::atexit(removeFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glimmerkist;
  glimmerkist::srand(20240611);
  FuzzTerminal terminal(data, size);
  require(runProgram(terminal) == 0);
  // The welcome screen, then one pass of the main menu at least.
  require(terminal.clears >= 2 && terminal.pauses >= 1);
  return 0;
}
