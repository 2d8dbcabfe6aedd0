// ConsoleTerminal is the real console: standard input and output, with the
// platform's way of clearing the screen and waiting for a key.
//
// On Windows it runs the command interpreter's "cls" and "pause". Elsewhere
// it clears with ANSI escapes when standard output is a terminal, and pauses
// only when standard input is a terminal, reading one key without echo and
// putting the terminal back as it was, also if the program is interrupted.
// When they are not terminals, both do nothing, so piped runs stay clean.
#ifndef GLIMMERKIST_SHELL_CONSOLE_TERMINAL_H_
#define GLIMMERKIST_SHELL_CONSOLE_TERMINAL_H_

#include "base/terminal.h"

namespace glimmerkist {

class ConsoleTerminal : public Terminal {
 public:
  std::istream& in() override;
  std::ostream& out() override;
  void clearScreen() override;
  void pauseScreen() override;
};

/// Prepares the process for console use: a closed output pipe must not end
/// the program, which goes on until its input ends.
void prepareConsole();

}  // namespace glimmerkist

#endif  // GLIMMERKIST_SHELL_CONSOLE_TERMINAL_H_
