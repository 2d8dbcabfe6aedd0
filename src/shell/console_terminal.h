// ConsoleTerminal is the real console: standard input and output, with the
// platform's way of clearing the screen and waiting for a key.
//
// The screen is cleared only in a real session, when standard input and
// output are both terminals that can clear: a run fed from a pipe keeps
// everything it showed, and so does one where TERM is unset or "dumb". A pause waits only when
// standard input is a terminal, and never once the output can no longer be written. When they do
// nothing, they write nothing, so piped runs stay clean.
//
// On Windows they run the command interpreter's "cls" and "pause".
// Elsewhere clearing writes ANSI escapes, and a pause reads one whole key
// press (all the bytes of an escape sequence or a non-ASCII letter) without
// echo, putting the terminal back as it was when it ends, when the program
// is interrupted, and when it is suspended; a suspended pause shows its
// prompt again when it is resumed.
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

/// Prepares the process for console use: a closed output pipe and a file
/// size limit become write errors that the program sees and reports,
/// instead of signals that end it.
void prepareConsole();

}  // namespace glimmerkist

#endif  // GLIMMERKIST_SHELL_CONSOLE_TERMINAL_H_
