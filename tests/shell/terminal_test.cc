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
#include <filesystem>
#include <memory>
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

// How the program is started on the terminal.
struct PtyOptions {
  /// When set, standard input is a pipe that gives this text and ends.
  const char* pipedInput = nullptr;
  /// When set, standard output goes to this file instead of the terminal.
  const char* outputPath = nullptr;
  /// A signal the program is started with ignored, as `trap "" INT` or
  /// nohup leave it; 0 for none.
  int ignoredSignal = 0;
  /// The terminal's kind in TERM; null leaves TERM unset.
  const char* term = "xterm";
  /// Runs it as a job of a shell with job control: in a process group of
  /// its own, under a parent that takes the terminal back when the job
  /// stops, shows "[stopped]", and on a line typed then (as "fg") gives the
  /// terminal back to the job and continues it.
  bool asJob = false;
};

// The parent of a job: a shell's job control, reduced to what the tests
// need. Never returns.
[[noreturn]] void runAsShell(pid_t job) {
  ::signal(SIGTTOU, SIG_IGN);  // it takes the terminal back from the background
  setpgid(job, job);
  tcsetpgrp(STDIN_FILENO, job);
  for (;;) {
    int status = 0;
    if (waitpid(job, &status, WUNTRACED) < 0) _exit(125);
    if (!WIFSTOPPED(status))
      _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    tcsetpgrp(STDIN_FILENO, getpgrp());
    const char stopped[] = "\n[stopped]\n";
    if (write(STDOUT_FILENO, stopped, sizeof stopped - 1) < 0) _exit(125);
    char line[64];
    if (read(STDIN_FILENO, line, sizeof line) <= 0) _exit(125);
    tcsetpgrp(STDIN_FILENO, job);
    kill(-job, SIGCONT);
  }
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
  bool start(std::string& why, const PtyOptions& options = {}) {
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

    int input[2] = {-1, -1};
    if (options.pipedInput != nullptr && pipe(input) != 0) {
      why = std::string("pipe: ") + std::strerror(errno);
      return false;
    }
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
      if (options.asJob) {
        const pid_t job = fork();
        if (job > 0) runAsShell(job);
        setpgid(0, 0);
        while (tcgetpgrp(STDIN_FILENO) != getpgrp()) usleep(1000);  // the shell's hand-over
      }
      if (options.pipedInput != nullptr) {
        dup2(input[0], STDIN_FILENO);
        close(input[0]);
        close(input[1]);
      }
      if (options.outputPath != nullptr) {
        const int file = open(options.outputPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (file < 0) _exit(126);
        dup2(file, STDOUT_FILENO);
        close(file);
      }
      if (options.ignoredSignal != 0) ::signal(options.ignoredSignal, SIG_IGN);
      if (options.term != nullptr) {
        setenv("TERM", options.term, 1);
      } else {
        unsetenv("TERM");
      }
      execl(GLIMMERKIST_EXECUTABLE, "glimmerkist", static_cast<char*>(nullptr));
      _exit(127);
    }
    if (options.pipedInput != nullptr) {
      close(input[0]);
      const std::size_t length = std::strlen(options.pipedInput);
      const bool given =
          write(input[1], options.pipedInput, length) == static_cast<ssize_t>(length);
      close(input[1]);
      if (!given) {
        why = "the input could not be given";
        return false;
      }
    }
    return true;
  }

  /// The process started on the terminal: the program, or its shell.
  pid_t pid() const { return child_; }

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
        while (readSome(50)) {
        }  // whatever it wrote last
        return status;
      }
      readSome(20);
    }
    return -1;
  }

  /// Everything the terminal showed.
  const std::string& everything() const { return screen_; }

  /// Everything not yet taken by waitFor.
  std::string rest() const { return screen_.substr(taken_); }

  const termios& settingsBefore() const { return before_; }
  /// Changes the terminal's settings from outside, as stty in the shell
  /// does, and takes them as the ones the program must leave.
  void changeSettings(void (*change)(termios&)) {
    termios settings = settingsNow();
    change(settings);
    tcsetattr(slave_, TCSANOW, &settings);
    tcgetattr(slave_, &before_);
  }
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

int countOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

class TerminalTest : public ::testing::Test {
 protected:
  TerminalTest() { writeFile("data.txt", sampleDataFile()); }

  // Starts the program; a machine without pseudo-terminals fails the test.
  // Each start begins a new session, ending the one before.
  void start(const PtyOptions& options = {}) {
    session_ = std::make_unique<PtySession>();
    std::string why;
    ASSERT_TRUE(session_->start(why, options)) << "no pseudo-terminal for the program: " << why;
  }

  // Waits until the file `name` holds `text`; fails the test after
  // kPatience without it.
  static void waitForFile(const char* name, const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (readFile(name).find(text) == std::string::npos) {
      if (std::chrono::steady_clock::now() > deadline) {
        ADD_FAILURE() << name << " never held \"" << visible(text) << "\"; it holds:\n"
                      << visible(readFile(name));
        return;
      }
      usleep(10000);
    }
  }

  // The welcome screen, up to its pause.
  void reachWelcomePause() {
    EXPECT_EQ(session_->waitFor(kPausePrompt),
              onScreen("\n Loading Data...\n") + kClear + onScreen(kWelcomeText) + kPausePrompt);
  }

  // The key that ends a pause, and the main menu that follows.
  void continueToMenu(const std::string& key = "k") {
    session_->type(key);
    // The key shows nothing: the pause ends its line, and the menu follows
    // on a cleared screen.
    EXPECT_EQ(session_->waitFor(onScreen(kMainMenuText)),
              "\r\n" + kClear + onScreen(kMainMenuText));
  }

  // The welcome screen, answered with one key.
  void passWelcome() {
    reachWelcomePause();
    continueToMenu();
  }

  // Quits at the main menu, and checks that the terminal is as it was.
  void quit() {
    session_->type("0\r");
    const int status = session_->waitForEnd();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
    // Nothing is written on the way out but the echo of the typed line.
    EXPECT_EQ(session_->rest(), "0\r\n");
    EXPECT_TRUE(sameSettings(session_->settingsNow(), session_->settingsBefore()))
        << "quitting changed the terminal's settings";
  }

  TempDir dir_;
  std::unique_ptr<PtySession> session_;
};

TEST_F(TerminalTest, ScreensAreClearedAndPausesTakeOneKeyUnseen) {
  ASSERT_NO_FATAL_FAILURE(start());
  passWelcome();

  // "1 2" on one line: the category menu, and at once the item of category
  // 2, with no second line typed.
  session_->type("1 2\r");
  EXPECT_EQ(session_->waitFor(kPausePrompt), "1 2\r\n" + kClear + onScreen(kCategoryMenuText) +
                                                 onScreen(pickedItemLine("Ring of Invisibility")) +
                                                 kPausePrompt);

  // A key the person holds ready the moment the prompt shows is not echoed
  // either.
  continueToMenu("x");
  quit();
}

TEST_F(TerminalTest, EveryKeyContinuesAPauseWholly) {
  const struct {
    const char* what;
    const char* sends;
  } keys[] = {
      {"a letter", "k"},
      {"Enter", "\r"},
      {"the up arrow", "\x1b[A"},
      {"Home", "\x1b[H"},
      {"F1", "\x1bOP"},
      {"F1 on a Linux console", "\x1b[[A"},
      {"F5", "\x1b[15~"},
      {"Alt+x", "\x1bx"},
      {"Escape alone", "\x1b"},
      {"e acute", "\xc3\xa9"},
      {"a euro sign", "\xe2\x82\xac"},
  };
  for (const auto& key : keys) {
    SCOPED_TRACE(key.what);
    ASSERT_NO_FATAL_FAILURE(start());
    reachWelcomePause();
    continueToMenu(key.sends);
    // Nothing of the key is left to be read as the entry: 2 picks an item.
    session_->type("2\r");
    const std::string shown = session_->waitFor(kPausePrompt);
    EXPECT_EQ(shown.rfind("2\r\n" + kClear + onScreen("\n\n A(n) "), 0), 0u) << visible(shown);
    EXPECT_EQ(shown.find("numeric value"), std::string::npos) << visible(shown);
    continueToMenu();
    quit();
  }
}

TEST_F(TerminalTest, SignalsAtAPauseRestoreTheTerminalOrStayIgnored) {
  const struct {
    const char* what;
    int ignored;
    const char* typed;  // the key that raises it, or null to send it
    int signal;
    bool ends;
  } cases[] = {
      {"Ctrl-C", 0, "\x03", SIGINT, true},
      {"termination", 0, nullptr, SIGTERM, true},
      {"Ctrl-C, ignored at start", SIGINT, "\x03", SIGINT, false},
      {"Ctrl-\\, ignored at start", SIGQUIT, "\x1c", SIGQUIT, false},
      {"a hangup, ignored at start", SIGHUP, nullptr, SIGHUP, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PtyOptions options;
    options.ignoredSignal = c.ignored;
    ASSERT_NO_FATAL_FAILURE(start(options));
    passWelcome();
    session_->type("3\rq\r");
    session_->waitFor(kPausePrompt);
    if (c.typed != nullptr) {
      session_->type(c.typed);
    } else {
      kill(session_->pid(), c.signal);
    }
    if (c.ends) {
      const int status = session_->waitForEnd();
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << "wait status " << status;
      EXPECT_TRUE(sameSettings(session_->settingsNow(), session_->settingsBefore()))
          << "the terminal was left in the pause's settings";
    } else {
      // The pause still waits, and one key ends it.
      continueToMenu();
      quit();
    }
  }
}

TEST_F(TerminalTest, AStoppedPauseGivesTheTerminalBackAndWaitsAgainWhenContinued) {
  const struct {
    const char* what;
    bool asJob;
    bool sttyWhileStopped;  // `stty erase ^H` in the shell; kept from then on
  } cases[] = {
      {"Ctrl-Z, then fg in the shell", true, false},
      {"Ctrl-Z, stty erase ^H, then fg", true, true},
      {"stopped and continued by signals", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PtyOptions options;
    options.asJob = c.asJob;
    ASSERT_NO_FATAL_FAILURE(start(options));
    reachWelcomePause();
    if (c.asJob) {
      session_->type("\x1a");
      EXPECT_EQ(session_->waitFor("[stopped]\r\n"), "\r\n[stopped]\r\n");
      // The shell has the terminal as it was: lines, and echo.
      EXPECT_TRUE(sameSettings(session_->settingsNow(), session_->settingsBefore()))
          << "the stopped pause kept the terminal";
      if (c.sttyWhileStopped) {
        session_->changeSettings([](termios& settings) { settings.c_cc[VERASE] = '\b'; });
      }
      session_->type("fg\r");
      EXPECT_EQ(session_->waitFor("fg\r\n"), "fg\r\n");
    } else {
      kill(session_->pid(), SIGSTOP);
      kill(session_->pid(), SIGCONT);
    }
    // The prompt again, at the start of its line, and one key, no Enter.
    EXPECT_EQ(session_->waitFor(kPausePrompt), "\r" + kPausePrompt);
    continueToMenu();
    quit();
  }
}

TEST_F(TerminalTest, AMissingCatalogStaysOnScreenUntilAKeyIsPressed) {
  std::filesystem::remove("data.txt");
  ASSERT_NO_FATAL_FAILURE(start());
  EXPECT_EQ(session_->waitFor(kPausePrompt),
            onScreen("\n data.txt file failed to open\n") + kPausePrompt);
  session_->type("k");
  EXPECT_EQ(session_->waitFor(kPausePrompt),
            "\r\n" + kClear + onScreen(kWelcomeText) + kPausePrompt);
  continueToMenu();
  quit();
}

TEST_F(TerminalTest, TheScreenIsClearedOnlyWhenInputAndOutputAreTheTerminal) {
  const struct {
    const char* what;
    const char* pipedInput;
    const char* outputPath;
    int clears;
    int pauses;
    const char* term;
  } cases[] = {
      {"both the terminal", nullptr, nullptr, 2, 1, "xterm"},
      {"input from a pipe", "2 3 H 0\n", nullptr, 0, 0, "xterm"},
      {"output to a file", nullptr, "out.txt", 0, 1, "xterm"},
      // An editor's shell buffer, or no kind at all: the escapes would show.
      {"TERM=dumb", nullptr, nullptr, 0, 1, "dumb"},
      {"TERM unset", nullptr, nullptr, 0, 1, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PtyOptions options;
    options.pipedInput = c.pipedInput;
    options.outputPath = c.outputPath;
    options.term = c.term;
    ASSERT_NO_FATAL_FAILURE(start(options));
    if (c.pipedInput == nullptr) {
      // The person answers the welcome pause and quits, typing each when
      // the program waits for it.
      if (c.outputPath == nullptr) {
        session_->waitFor(kPausePrompt);
      } else {
        waitForFile(c.outputPath, kPausePrompt);
      }
      session_->type("k");
      if (c.outputPath == nullptr) {
        session_->waitFor(onScreen(kMainMenuText));
      } else {
        waitForFile(c.outputPath, kMainMenuText);
      }
      session_->type("0\r");
    }
    const int status = session_->waitForEnd();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
    const std::string seen =
        c.outputPath != nullptr ? readFile(c.outputPath) : session_->everything();
    EXPECT_EQ(countOf(seen, kClear), c.clears) << visible(seen);
    EXPECT_EQ(countOf(seen, kPausePrompt), c.pauses) << visible(seen);
    // Everything shown stays to be read: the welcome text, and in the piped
    // run the picked item and the treasure.
    const std::string welcome = c.outputPath != nullptr ? kWelcomeText : onScreen(kWelcomeText);
    EXPECT_NE(seen.find(welcome), std::string::npos) << visible(seen);
    if (c.pipedInput != nullptr) {
      EXPECT_NE(seen.find(onScreen("\n\n A(n) ")), std::string::npos) << visible(seen);
      EXPECT_NE(seen.find(onScreen("\n TREASURE FOUND:\n")), std::string::npos) << visible(seen);
    }
  }
}

}  // namespace
}  // namespace glimmerkist
