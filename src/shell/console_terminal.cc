#include "shell/console_terminal.h"

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <iterator>

#ifndef _WIN32
#include <signal.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace glimmerkist {

std::istream& ConsoleTerminal::in() { return std::cin; }
std::ostream& ConsoleTerminal::out() { return std::cout; }

#ifdef _WIN32

void ConsoleTerminal::clearScreen() {
  std::cout.flush();
  std::system("cls");
}

void ConsoleTerminal::pauseScreen() {
  std::cout.flush();
  std::system("pause");
}

void prepareConsole() {}

#else

namespace {

constexpr char kClearSequence[] = "\x1b[H\x1b[2J\x1b[3J";
constexpr char kPausePrompt[] = "Press any key to continue . . . ";

// The settings to put back if a signal ends the program during a pause. A
// signal handler can reach nothing else, hence file scope.
termios savedSettings;
constexpr int kRestoringSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
struct sigaction previousActions[sizeof(kRestoringSignals) / sizeof(int)];

extern "C" void restoreTerminalAndDie(int signal) {
  tcsetattr(STDIN_FILENO, TCSANOW, &savedSettings);
  ::signal(signal, SIG_DFL);
  raise(signal);
}

// Raw key reading for the length of one pause; the destructor puts the
// terminal and the signal handlers back.
class RawKeyMode {
 public:
  RawKeyMode() {
    if (tcgetattr(STDIN_FILENO, &savedSettings) != 0) return;
    struct sigaction action {};
    action.sa_handler = restoreTerminalAndDie;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kRestoringSignals); ++i) {
      sigaction(kRestoringSignals[i], &action, &previousActions[i]);
    }
    termios raw = savedSettings;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    active_ = tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0;
    if (!active_) restoreHandlers();
  }
  ~RawKeyMode() {
    if (!active_) return;
    tcsetattr(STDIN_FILENO, TCSANOW, &savedSettings);
    restoreHandlers();
  }
  RawKeyMode(const RawKeyMode&) = delete;
  RawKeyMode& operator=(const RawKeyMode&) = delete;

 private:
  static void restoreHandlers() {
    for (std::size_t i = 0; i < std::size(kRestoringSignals); ++i) {
      sigaction(kRestoringSignals[i], &previousActions[i], nullptr);
    }
  }
  bool active_ = false;
};

// REQUIRES: a RawKeyMode is active.
void readKey() {
  char key = 0;
  // The key is read straight from the terminal, past anything the input
  // stream has buffered, so a pause always waits for a fresh key press.
  ssize_t got = 0;
  do {
    got = read(STDIN_FILENO, &key, 1);
  } while (got < 0 && errno == EINTR);
}

}  // namespace

void ConsoleTerminal::clearScreen() {
  std::cout.flush();
  if (!isatty(STDOUT_FILENO)) return;
  std::cout << kClearSequence;
  std::cout.flush();
}

void ConsoleTerminal::pauseScreen() {
  std::cout.flush();
  if (!isatty(STDIN_FILENO)) return;
  {
    // Echo stops before the prompt shows, so a key pressed the moment it
    // appears is not echoed either.
    RawKeyMode raw;
    std::cout << kPausePrompt;
    std::cout.flush();
    readKey();
  }
  std::cout << "\n";
  std::cout.flush();
}

void prepareConsole() { ::signal(SIGPIPE, SIG_IGN); }

#endif

}  // namespace glimmerkist
