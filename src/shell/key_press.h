// Waiting for one key press on a POSIX terminal, the pause at the end of
// every screen.
//
// A key press is everything the terminal sends for one key: one byte for a
// letter, several for an arrow key, Home, F1 or Alt+key (an escape
// sequence) and for a non-ASCII letter (UTF-8). The whole press is taken,
// so none of it is left behind to be read as the next entry.
#ifndef GLIMMERKIST_SHELL_KEY_PRESS_H_
#define GLIMMERKIST_SHELL_KEY_PRESS_H_

#ifndef _WIN32

namespace glimmerkist {

/// Shows `prompt` on standard output and waits for one key press on
/// standard input, without echo and without Enter; then puts the terminal
/// back as it was. The end of input ends the wait as a key would.
///
/// While it waits, Ctrl-C and the other signals that end the program put
/// the terminal back first, unless the program was started with them
/// ignored, in which case they stay ignored. Ctrl-Z puts the terminal back
/// and stops; when the program is resumed in the foreground, the wait takes
/// the terminal again, keeping any change made to its settings meanwhile,
/// and shows `prompt` once more, at the start of its line.
///
/// REQUIRES: standard input is a terminal; standard output was flushed.
void waitForKeyPress(const char* prompt);

}  // namespace glimmerkist

#endif  // _WIN32

#endif  // GLIMMERKIST_SHELL_KEY_PRESS_H_
