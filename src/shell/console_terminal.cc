#include "shell/console_terminal.h"

#include <iostream>

#ifdef _WIN32
#include <cstdlib>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "shell/key_press.h"
#endif

namespace glimmerkist {

std::istream& ConsoleTerminal::in() { return std::cin; }
std::ostream& ConsoleTerminal::out() { return std::cout; }

namespace {

// Both screen controls first bring out what was written before them. Once
// the output can no longer be written, nobody sees the screens, and there
// is nothing to clear or to wait for.
bool flushedOutput() {
  std::cout.flush();
  return !std::cout.fail();
}

}  // namespace

#ifdef _WIN32

namespace {

// True for a console window; false for a file, a pipe or the NUL device.
bool isConsole(DWORD which) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

}  // namespace

void ConsoleTerminal::clearScreen() {
  if (!flushedOutput()) return;
  if (isConsole(STD_INPUT_HANDLE) && isConsole(STD_OUTPUT_HANDLE)) std::system("cls");
}

void ConsoleTerminal::pauseScreen() {
  if (!flushedOutput()) return;
  if (isConsole(STD_INPUT_HANDLE)) std::system("pause");
}

void prepareConsole() {}

#else

namespace {

constexpr char kClearSequence[] = "\x1b[H\x1b[2J\x1b[3J";
constexpr char kPausePrompt[] = "Press any key to continue . . . ";

// A terminal that names no kind, or the "dumb" one of an editor's shell
// buffer, would show the clearing sequence as text.
bool terminalCanClear() {
  const char* kind = std::getenv("TERM");
  return kind != nullptr && *kind != '\0' && std::strcmp(kind, "dumb") != 0;
}

}  // namespace

void ConsoleTerminal::clearScreen() {
  if (!flushedOutput()) return;
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO) || !terminalCanClear()) return;
  std::cout << kClearSequence;
  std::cout.flush();
}

void ConsoleTerminal::pauseScreen() {
  if (!flushedOutput()) return;
  if (!isatty(STDIN_FILENO)) return;
  waitForKeyPress(kPausePrompt);
  std::cout << "\n";
  std::cout.flush();
}

void prepareConsole() {
  // A closed pipe and a file grown past the size limit then fail the write,
  // which the program notices, instead of ending it.
  ::signal(SIGPIPE, SIG_IGN);
  ::signal(SIGXFSZ, SIG_IGN);
}

#endif

}  // namespace glimmerkist
