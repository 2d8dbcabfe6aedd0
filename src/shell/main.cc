// Seeds the generator from the clock, then runs the program on the console.
#include <cstdint>
#include <ctime>

#include "base/random.h"
#include "shell/console_terminal.h"
#include "shell/program.h"

int main() {
  glimmerkist::srand(static_cast<std::uint32_t>(std::time(nullptr)));
  glimmerkist::prepareConsole();
  glimmerkist::ConsoleTerminal terminal;
  return glimmerkist::runProgram(terminal);
}
