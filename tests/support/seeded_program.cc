// The interactive program with a seed of its choosing, for checks outside
// the test suite (the browser edition's): `seeded_program SEED` seeds the
// generator with SEED instead of the clock, runs the whole program in the
// current folder on the typing given on standard input, and writes the
// screens it showed to standard output, with "[clear]" and "[pause]" where
// it cleared or paused. Its files, such as EncounterTreasureResult.txt, are
// the program's own.
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>

#include "base/random.h"
#include "shell/program.h"
#include "support/fake_terminal.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: seeded_program SEED < typing\n";
    return 2;
  }
  const std::string typing{std::istreambuf_iterator<char>(std::cin),
                           std::istreambuf_iterator<char>()};
  glimmerkist::FakeTerminal terminal(typing);
  glimmerkist::srand(static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)));
  const int status = glimmerkist::runProgram(terminal);
  std::cout << terminal.transcript();
  return status;
}
