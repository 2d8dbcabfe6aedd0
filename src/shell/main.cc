// Seeds the generator from the clock, then runs the program on the console
// with data.txt from the current folder, or else the catalog installed with
// the program.
#include <cstdint>
#include <ctime>

#include "base/random.h"
#include "catalog/catalog_location.h"
#include "shell/console_terminal.h"
#include "shell/program.h"

int main() {
  glimmerkist::srand(static_cast<std::uint32_t>(std::time(nullptr)));
  glimmerkist::prepareConsole();
  glimmerkist::ConsoleTerminal terminal;
  return glimmerkist::runProgram(terminal, glimmerkist::catalogToLoad());
}
