#include "shell/key_press.h"

#ifndef _WIN32

#include <signal.h>
#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

namespace glimmerkist {
namespace {

// The rest of a key press comes with its first byte, or within this time
// over a slow line; a person cannot type the next key as fast.
constexpr long kRestOfKeyNanoseconds = 30'000'000;
// The longest escape sequence taken as one key; a longer run of bytes is
// no key press, and what is left of it is read as the next entry.
constexpr int kLongestKey = 32;
constexpr unsigned char kEscape = 0x1b;

// What the signal handlers work with; they reach nothing else, hence file
// scope. `terminalTaken` says that the terminal is in the pause's settings
// and `savedSettings` must be put back.
termios savedSettings;
volatile sig_atomic_t terminalTaken = 0;
struct sigaction stopAction;

// Safe in a signal handler.
void putTerminalBack() {
  if (terminalTaken == 0) return;
  tcsetattr(STDIN_FILENO, TCSANOW, &savedSettings);
  terminalTaken = 0;
}

extern "C" void putBackAndEnd(int signal) {
  putTerminalBack();
  ::signal(signal, SIG_DFL);
  raise(signal);  // delivered when the handler returns
}

// Ctrl-Z: the shell gets the terminal as it was, then the program stops as
// it would have without a handler.
extern "C" void putBackAndStop(int /*signal*/) {
  const int savedErrno = errno;
  putTerminalBack();
  ::signal(SIGTSTP, SIG_DFL);
  raise(SIGTSTP);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);  // stops here until continued
  sigaction(SIGTSTP, &stopAction, nullptr);
  errno = savedErrno;
}

// Its only work is to interrupt the wait, so that the pause takes the
// terminal again and shows its prompt once more.
extern "C" void noteContinued(int /*signal*/) {}

// The pause's signal handlers, in place for its lifetime. Ctrl-Z and
// continuing are held back except while the pause waits, so that they
// interrupt the wait and nothing else.
class PauseSignals {
 public:
  PauseSignals() {
    struct sigaction action {};
    // Putting the terminal back from the background must not stop the
    // program on its way out.
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGTTOU);
    action.sa_handler = putBackAndEnd;
    for (Handler& handler : handlers_) {
      if (handler.signal == SIGTSTP) {
        action.sa_handler = putBackAndStop;
        stopAction = action;
      } else if (handler.signal == SIGCONT) {
        action.sa_handler = noteContinued;
      }
      sigaction(handler.signal, nullptr, &handler.previous);
      // A signal the program was started with ignored stays ignored:
      // whoever started it meant it not to end or stop by that signal.
      if (handler.previous.sa_handler == SIG_IGN && handler.signal != SIGCONT) continue;
      handler.replaced = sigaction(handler.signal, &action, nullptr) == 0;
    }
    sigset_t jobControl;
    sigemptyset(&jobControl);
    sigaddset(&jobControl, SIGTSTP);
    sigaddset(&jobControl, SIGCONT);
    sigprocmask(SIG_BLOCK, &jobControl, &previousMask_);
    waitMask_ = previousMask_;
    sigdelset(&waitMask_, SIGTSTP);
    sigdelset(&waitMask_, SIGCONT);
  }
  ~PauseSignals() {
    for (const Handler& handler : handlers_) {
      if (handler.replaced) sigaction(handler.signal, &handler.previous, nullptr);
    }
    sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
  }
  PauseSignals(const PauseSignals&) = delete;
  PauseSignals& operator=(const PauseSignals&) = delete;

  /// The signal mask to wait with.
  const sigset_t& waitMask() const { return waitMask_; }

 private:
  struct Handler {
    int signal;
    struct sigaction previous;
    bool replaced;
  };
  Handler handlers_[6] = {{SIGINT, {}, false},  {SIGTERM, {}, false}, {SIGHUP, {}, false},
                          {SIGQUIT, {}, false}, {SIGTSTP, {}, false}, {SIGCONT, {}, false}};
  sigset_t previousMask_{};
  sigset_t waitMask_{};
};

// One key, no echo, no line editing; signal keys keep working.
void takeTerminal() {
  termios keyMode = savedSettings;
  keyMode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  keyMode.c_cc[VMIN] = 1;
  keyMode.c_cc[VTIME] = 0;
  terminalTaken = 1;  // before the change, so that a signal puts it back
  if (tcsetattr(STDIN_FILENO, TCSANOW, &keyMode) != 0) terminalTaken = 0;
}

enum class Waited { kReady, kTimeUp, kInterrupted, kFailed };

// Waits until standard input has a byte, for at most `timeout` (null: no
// limit), letting the pause's signals in meanwhile.
Waited waitForInput(const sigset_t& mask, const timespec* timeout) {
  fd_set input;
  FD_ZERO(&input);
  FD_SET(STDIN_FILENO, &input);
  const int ready = pselect(STDIN_FILENO + 1, &input, nullptr, nullptr, timeout, &mask);
  if (ready > 0) return Waited::kReady;
  if (ready == 0) return Waited::kTimeUp;
  return errno == EINTR ? Waited::kInterrupted : Waited::kFailed;
}

// Reads and drops what else the terminal sends for the key that began with
// `first`: the rest of a UTF-8 letter, or whatever follows an escape within
// the time a key press takes.
void dropRestOfKey(unsigned char first, const sigset_t& mask) {
  int left = 0;
  if (first == kEscape) {
    left = kLongestKey;
  } else if (first >= 0xf0) {
    left = 3;
  } else if (first >= 0xe0) {
    left = 2;
  } else if (first >= 0xc0) {
    left = 1;
  }
  const timespec restOfKey{0, kRestOfKeyNanoseconds};
  char rest[kLongestKey];
  while (left > 0 && waitForInput(mask, &restOfKey) == Waited::kReady) {
    const ssize_t got = read(STDIN_FILENO, rest, static_cast<std::size_t>(left));
    if (got <= 0) return;
    left -= static_cast<int>(got);
  }
}

enum class KeyRead { kKey, kEnd, kInterrupted };

KeyRead readKeyPress(const sigset_t& mask) {
  const Waited waited = waitForInput(mask, nullptr);
  if (waited == Waited::kInterrupted) return KeyRead::kInterrupted;
  if (waited != Waited::kReady) return KeyRead::kEnd;
  unsigned char first = 0;
  const ssize_t got = read(STDIN_FILENO, &first, 1);
  if (got < 0 && errno == EINTR) return KeyRead::kInterrupted;
  if (got != 1) return KeyRead::kEnd;
  dropRestOfKey(first, mask);
  return KeyRead::kKey;
}

}  // namespace

void waitForKeyPress(const char* prompt) {
  const PauseSignals signals;
  bool shown = false;
  for (;;) {
    // The settings to put back are taken afresh whenever the wait starts
    // or resumes, so that a change made while the program was stopped
    // (stty erase ^H) is kept. A wait resumed without a stop first puts
    // back its own settings.
    putTerminalBack();
    const bool haveSettings = tcgetattr(STDIN_FILENO, &savedSettings) == 0;
    // In the background, taking the terminal stops the program until it is
    // brought back to the foreground, as any read of the terminal would.
    // Echo stops before the prompt shows, so a key pressed the moment it
    // appears is not echoed either.
    if (haveSettings) takeTerminal();
    // Shown again after a stop, it starts its line afresh, over the old
    // prompt if that is still there.
    std::cout << (shown ? "\r" : "") << prompt;
    std::cout.flush();
    shown = true;
    if (readKeyPress(signals.waitMask()) != KeyRead::kInterrupted) break;
  }
  putTerminalBack();
}

}  // namespace glimmerkist

#endif  // _WIN32
