// Runs the built program in a real pseudo-terminal, as a person at a console
// runs it, and checks what they see and what the terminal is left with.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/shell_test_support.h"
#include "support/temp_dir.h"

namespace glimmerkist {
namespace {

const std::string kClear = "\x1b[H\x1b[2J\x1b[3J";
const std::string kPausePrompt = "Press any key to continue . . . ";
// The category menu as written, without the fake terminal's clear mark.
const std::string kCategoryMenuText = kCategoryMenu.substr(std::string("[clear]").size());
constexpr auto kPatience = std::chrono::seconds(10);

// The terminal turns each line end the program writes into CR LF.
std::string onScreen(const std::string& text) {
  std::string shown;
  for (char c : text) {
    if (c == '\n') shown += '\r';
    shown += c;
  }
  return shown;
}

// Shows control characters, so a failure message can be read.
std::string visible(const std::string& text) {
  std::string shown;
  for (unsigned char c : text) {
    if (c == '\x1b') {
      shown += "\\e";
    } else if (c == '\r') {
      shown += "\\r";
    } else if (c == '\n') {
      shown += "\\n\n";
    } else if (c < 0x20) {
      shown += "^" + std::string(1, static_cast<char>(c + '@'));
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

bool sameSettings(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
         a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0 &&
         cfgetispeed(&a) == cfgetispeed(&b) && cfgetospeed(&a) == cfgetospeed(&b);
}

// The program on a pseudo-terminal of its own, as the controlling terminal
// of a new session; the test plays the person at the other end.
class PtySession {
 public:
  PtySession() = default;
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;
  ~PtySession() {
    if (child_ > 0) {
      kill(child_, SIGKILL);
      waitpid(child_, nullptr, 0);
    }
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
  }

  /// Opens the terminal and starts the program on it; false with `why` set
  /// when no pseudo-terminal can be had.
  bool start(std::string& why) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
      why = std::string("posix_openpt: ") + std::strerror(errno);
      return false;
    }
    const char* name = ptsname(master_);
    if (name == nullptr) {
      why = "ptsname failed";
      return false;
    }
    slaveName_ = name;
    // The test keeps the terminal open too, to read its settings after the
    // program has gone.
    slave_ = open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
      why = "cannot open " + slaveName_ + ": " + std::strerror(errno);
      return false;
    }
    // The settings a shell would leave, with two unusual but harmless values
    // so that only a true restore of what was there passes.
    termios settings{};
    tcgetattr(slave_, &settings);
    settings.c_lflag |= ICANON | ECHO | ISIG;
    settings.c_cc[VMIN] = 3;
    settings.c_cc[VTIME] = 2;
    tcsetattr(slave_, TCSANOW, &settings);
    tcgetattr(slave_, &before_);
    winsize size{};
    size.ws_row = 24;
    size.ws_col = 80;
    ioctl(slave_, TIOCSWINSZ, &size);

    child_ = fork();
    if (child_ < 0) {
      why = std::string("fork: ") + std::strerror(errno);
      return false;
    }
    if (child_ == 0) {
      setsid();
      const int tty = open(slaveName_.c_str(), O_RDWR);
      if (tty < 0) _exit(126);
      ioctl(tty, TIOCSCTTY, 0);
      dup2(tty, STDIN_FILENO);
      dup2(tty, STDOUT_FILENO);
      dup2(tty, STDERR_FILENO);
      if (tty > STDERR_FILENO) close(tty);
      close(master_);
      close(slave_);
      ::signal(SIGINT, SIG_DFL);
      ::signal(SIGPIPE, SIG_DFL);
      execl(GLIMMERKIST_EXECUTABLE, "glimmerkist", static_cast<char*>(nullptr));
      _exit(127);
    }
    return true;
  }

  /// Types `keys`.
  void type(const std::string& keys) const {
    ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  /// Reads the screen until `text` has appeared after what earlier calls
  /// took, and returns everything up to and including it; fails the test
  /// after kPatience without it.
  std::string waitFor(const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    for (;;) {
      const std::size_t at = screen_.find(text, taken_);
      if (at != std::string::npos) {
        std::string part = screen_.substr(taken_, at + text.size() - taken_);
        taken_ = at + text.size();
        return part;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0 || !readSome(static_cast<int>(left.count()))) {
        ADD_FAILURE() << "the screen never showed \"" << visible(text)
                      << "\"; after it had shown:\n"
                      << visible(screen_.substr(taken_));
        return screen_.substr(taken_);
      }
    }
  }

  /// Waits for the program to end and returns its wait status, -1 if it did
  /// not end within kPatience.
  int waitForEnd() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      const pid_t done = waitpid(child_, &status, WNOHANG);
      if (done == child_) {
        child_ = -1;
        readSome(50);  // whatever it wrote last
        return status;
      }
      readSome(20);
    }
    return -1;
  }

  /// Everything not yet taken by waitFor.
  std::string rest() const { return screen_.substr(taken_); }

  const termios& settingsBefore() const { return before_; }
  termios settingsNow() const {
    termios now{};
    tcgetattr(slave_, &now);
    return now;
  }

 private:
  // Appends what the terminal shows within `milliseconds`; false when
  // nothing came.
  bool readSome(int milliseconds) {
    pollfd ready{master_, POLLIN, 0};
    if (poll(&ready, 1, milliseconds) <= 0) return false;
    char buffer[4096];
    const ssize_t n = read(master_, buffer, sizeof buffer);
    if (n <= 0) return false;
    screen_.append(buffer, static_cast<std::size_t>(n));
    return true;
  }

  int master_ = -1;
  int slave_ = -1;
  std::string slaveName_;
  pid_t child_ = -1;
  termios before_{};
  std::string screen_;
  std::size_t taken_ = 0;
};

class TerminalTest : public ::testing::Test {
 protected:
  TerminalTest() { writeFile("data.txt", sampleDataFile()); }

  // Starts the program; a machine without pseudo-terminals fails the test.
  void start() {
    std::string why;
    ASSERT_TRUE(session_.start(why)) << "no pseudo-terminal for the program: " << why;
  }

  // The welcome screen, answered with one key.
  void passWelcome() {
    EXPECT_EQ(session_.waitFor(kPausePrompt),
              onScreen("\n Loading Data...\n") + kClear + onScreen(kWelcomeText) + kPausePrompt);
    session_.type("k");
    // The key shows nothing: the pause ends its line, and the menu follows
    // on a cleared screen.
    EXPECT_EQ(session_.waitFor(onScreen(kMainMenuText)), "\r\n" + kClear + onScreen(kMainMenuText));
  }

  TempDir dir_;
  PtySession session_;
};

TEST_F(TerminalTest, ScreensAreClearedAndPausesTakeOneKeyUnseen) {
  ASSERT_NO_FATAL_FAILURE(start());
  passWelcome();

  // "1 2" on one line: the category menu, and at once the item of category
  // 2, with no second line typed.
  session_.type("1 2\r");
  EXPECT_EQ(session_.waitFor(kPausePrompt), "1 2\r\n" + kClear + onScreen(kCategoryMenuText) +
                                                onScreen(pickedItemLine("Ring of Invisibility")) +
                                                kPausePrompt);

  // A key the person holds ready the moment the prompt shows is not echoed
  // either.
  session_.type("x");
  EXPECT_EQ(session_.waitFor(onScreen(kMainMenuText)), "\r\n" + kClear + onScreen(kMainMenuText));

  session_.type("0\r");
  const int status = session_.waitForEnd();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
  // Nothing is written on the way out but the echo of the typed line.
  EXPECT_EQ(session_.rest(), "0\r\n");
  EXPECT_TRUE(sameSettings(session_.settingsNow(), session_.settingsBefore()))
      << "quitting changed the terminal's settings";
}

TEST_F(TerminalTest, CtrlCAtAPauseEndsTheProgramAndRestoresTheTerminal) {
  ASSERT_NO_FATAL_FAILURE(start());
  passWelcome();
  session_.type("3\rq\r");
  session_.waitFor(kPausePrompt);
  session_.type("\x03");
  const int status = session_.waitForEnd();
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << "wait status " << status;
  EXPECT_TRUE(sameSettings(session_.settingsNow(), session_.settingsBefore()))
      << "the terminal was left in the pause's settings";
}

}  // namespace
}  // namespace glimmerkist
