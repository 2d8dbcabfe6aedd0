// Seeds the generator from the clock, then runs the program on the console
// with data.txt from the current folder, or else the catalog installed with
// the program. A console window that closes with the program waits for a
// key first.
#include <cstdint>
#include <ctime>

#include "base/console_window.h"
#include "base/random.h"
#include "catalog/catalog_location.h"
#include "shell/console_terminal.h"
#include "shell/program.h"

int main() {
  glimmerkist::srand(static_cast<std::uint32_t>(std::time(nullptr)));
  glimmerkist::prepareConsole();
  glimmerkist::ConsoleTerminal terminal;
  const int status = glimmerkist::runProgram(terminal, glimmerkist::catalogToLoad());
  glimmerkist::holdConsoleAtExit();
  return status;
}
