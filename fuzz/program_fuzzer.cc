// Drives the whole program with arbitrary bytes as its standard input, from
// a fixed seed, over a small fixed catalog in a temporary folder of its own
// (encounters write their result file there). Every input must end the
// program, at the latest at the end of its input, with status 0.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "base/random.h"
#include "fuzz_folder.h"
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

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  glimmerkist::enterFuzzFolder("glimmerkist-fuzz");
  std::ofstream("data.txt", std::ios::binary) << kCatalog;
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
