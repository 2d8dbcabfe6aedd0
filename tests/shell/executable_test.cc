// Runs the built program as a person's shell would, with its input and
// output on pipes, in a temporary folder of its own.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "shell/shell_test_support.h"
#include "support/temp_dir.h"

namespace glimmerkist {
namespace {

struct Finished {
  int waitStatus = -1;
  bool timedOut = false;
  std::string out;
  std::string err;

  bool exitedWithZero() const {
    return !timedOut && WIFEXITED(waitStatus) && WEXITSTATUS(waitStatus) == 0;
  }
};

/// How to start the program.
struct Launch {
  std::string input;
  /// When false the reading end of its output is closed before it is given
  /// any input.
  bool readOutput = true;
  /// When set, standard output goes to this file instead of a pipe.
  const char* outputPath = nullptr;
  /// Run as an ordinary user when the test runs as the superuser.
  bool unprivileged = false;
};

// A run that takes longer than this is taken as hung and killed.
constexpr auto kDeadline = std::chrono::seconds(30);

int countOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// Drops the superuser's rights for good; false when that fails.
bool becomeOrdinaryUser() {
  const passwd* nobody = getpwnam("nobody");
  const uid_t uid = nobody != nullptr ? nobody->pw_uid : 65534;
  const gid_t gid = nobody != nullptr ? nobody->pw_gid : 65534;
  return setgroups(0, nullptr) == 0 && setgid(gid) == 0 && setuid(uid) == 0;
}

class ExecutableTest : public ::testing::Test {
 protected:
  ExecutableTest() { previousPipeAction_ = ::signal(SIGPIPE, SIG_IGN); }
  ~ExecutableTest() override { ::signal(SIGPIPE, previousPipeAction_); }

  /// Runs the program in the temporary folder with `input` on a pipe as its
  /// whole standard input. When `readOutput` is false the reading end of
  /// its output is closed before it is given any input.
  Finished run(const std::string& input, bool readOutput = true) {
    Launch launch;
    launch.input = input;
    launch.readOutput = readOutput;
    return run(launch);
  }

  Finished run(const Launch& launch) {
    Finished result;
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
      ADD_FAILURE() << "pipe failed";
      return result;
    }
    const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0666);
    const int outputFile =
        launch.outputPath != nullptr ? open(launch.outputPath, O_WRONLY | O_TRUNC) : -1;
    if (launch.outputPath != nullptr && outputFile < 0) {
      ADD_FAILURE() << "cannot open " << launch.outputPath;
      return result;
    }
    const std::string executable =
        launch.unprivileged ? ordinaryUsersCopy() : GLIMMERKIST_EXECUTABLE;
    const pid_t child = fork();
    if (child == 0) {
      ::signal(SIGPIPE, SIG_DFL);  // as a shell would start it
      dup2(in[0], STDIN_FILENO);
      dup2(outputFile >= 0 ? outputFile : out[1], STDOUT_FILENO);
      dup2(err, STDERR_FILENO);
      close(in[0]);
      close(in[1]);
      close(out[0]);
      close(out[1]);
      close(err);
      if (outputFile >= 0) close(outputFile);
      if (launch.unprivileged && geteuid() == 0 && !becomeOrdinaryUser()) _exit(126);
      execl(executable.c_str(), "glimmerkist", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err);
    if (outputFile >= 0) close(outputFile);
    if (!launch.readOutput) close(out[0]);

    for (std::size_t written = 0; written < launch.input.size();) {
      const ssize_t n = write(in[1], launch.input.data() + written, launch.input.size() - written);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;  // the program stopped reading
      written += static_cast<std::size_t>(n);
    }
    close(in[1]);

    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    if (launch.readOutput) {
      std::vector<char> buffer(1 << 16);
      while (!result.timedOut) {
        pollfd ready{out[0], POLLIN, 0};
        const int polled = poll(&ready, 1, millisecondsUntil(deadline));
        if (polled < 0 && errno == EINTR) continue;
        if (polled == 0) {
          result.timedOut = true;
          break;
        }
        const ssize_t n = read(out[0], buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        result.out.append(buffer.data(), static_cast<std::size_t>(n));
      }
      close(out[0]);
    }
    while (!result.timedOut) {
      const pid_t done = waitpid(child, &result.waitStatus, WNOHANG);
      if (done == child) break;
      if (done < 0 && errno != EINTR) break;
      if (millisecondsUntil(deadline) == 0) {
        result.timedOut = true;
      } else {
        usleep(10000);
      }
    }
    if (result.timedOut) {
      kill(child, SIGKILL);
      waitpid(child, &result.waitStatus, 0);
    }
    result.err = readFile("stderr.txt");
    return result;
  }

  TempDir dir_;
  void (*previousPipeAction_)(int) = nullptr;

 private:
  static int millisecondsUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
  }

  // An ordinary user may not reach the build folder, so the program is
  // copied into the temporary folder, which it is let into.
  std::string ordinaryUsersCopy() {
    namespace fs = std::filesystem;
    const fs::path copy = dir_.path() / "glimmerkist";
    fs::copy_file(GLIMMERKIST_EXECUTABLE, copy, fs::copy_options::overwrite_existing);
    fs::permissions(copy, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dir_.path(), fs::perms::owner_all | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read |
                                     fs::perms::others_exec);
    return copy.string();
  }
};

TEST_F(ExecutableTest, QuitsOnZeroWithPlainScreens) {
  writeFile("data.txt", sampleDataFile());
  const Finished run0 = run("0\n");
  EXPECT_TRUE(run0.exitedWithZero()) << run0.waitStatus;
  // Neither clearing nor pausing writes anything when not on a terminal.
  EXPECT_EQ(run0.out, "\n Loading Data...\n" + kWelcomeText + kMainMenuText);
  EXPECT_EQ(run0.err, "");
}

TEST_F(ExecutableTest, WholeSessionWritesNoEscapesAndNoPausePrompt) {
  writeFile("data.txt", sampleDataFile());
  const Finished session = run("1\n0\n2\n3\nb\n3\nzz\n4\nabc\n");
  EXPECT_TRUE(session.exitedWithZero()) << session.waitStatus;
  EXPECT_EQ(session.out.find('\x1b'), std::string::npos);
  EXPECT_EQ(session.out.find("Press any key"), std::string::npos);
  EXPECT_EQ(session.err, "");

  // The menu after start-up and after each of the seven entries; the end of
  // input then reads as 0.
  EXPECT_EQ(countOf(session.out, kMainMenuText), 7);
  EXPECT_EQ(countOf(session.out, "\n TREASURE FOUND:\n\n"), 2);
  EXPECT_EQ(countOf(session.out, "\n Please enter a numeric value\n\n "), 1);
  EXPECT_EQ(session.out.substr(session.out.size() - kMainMenuText.size()), kMainMenuText);
  EXPECT_EQ(readFile("EncounterTreasureResult.txt").rfind("\n TREASURE FOUND:\n\n", 0), 0u);
}

TEST_F(ExecutableTest, EndOfInputEndsTheProgram) {
  writeFile("data.txt", sampleDataFile());
  for (const char* input : {"", "\n\n", "4\n"}) {
    const Finished ended = run(input);
    EXPECT_TRUE(ended.exitedWithZero()) << '"' << input << '"';
    EXPECT_EQ(ended.out.substr(ended.out.size() - kMainMenuText.size()), kMainMenuText);
  }
}

TEST_F(ExecutableTest, RunsWithoutDataFile) {
  const Finished run0 = run("2\n0\n");
  EXPECT_TRUE(run0.exitedWithZero()) << run0.waitStatus;
  EXPECT_EQ(run0.out, "\n data.txt file failed to open\n" + kWelcomeText + kMainMenuText +
                          pickedItemLine("") + kMainMenuText);
}

TEST_F(ExecutableTest, ClosedOutputDoesNotStopItBeforeItsInputEnds) {
  writeFile("data.txt", sampleDataFile());
  const Finished unread = run("4\n4\n3\nj\n0\n", /*readOutput=*/false);
  EXPECT_TRUE(unread.exitedWithZero()) << unread.waitStatus;
  // It went as far as the encounter.
  EXPECT_TRUE(std::filesystem::is_regular_file("EncounterTreasureResult.txt"));
}

// What a run on "2\n0\n" shows after the loader's messages: the welcome
// screen, and a random pick from an empty catalog.
std::string emptyCatalogSession(const std::string& loaderMessages) {
  return loaderMessages + kWelcomeText + kMainMenuText + pickedItemLine("") + kMainMenuText;
}

const std::string kOpenFailed = "\n data.txt file failed to open\n";
const std::string kLoading = "\n Loading Data...\n";

TEST_F(ExecutableTest, DataFilesThatAreNoCatalogEndInTheirReport) {
  namespace fs = std::filesystem;
  const struct {
    const char* what;
    std::function<void()> make;
    std::string loaderMessages;
  } cases[] = {
      {"a folder",
       [] {
         fs::create_directory("data.txt");
         writeFile("data.txt/Ring_of_Dew", "tccRings");
       },
       kOpenFailed},
      {"a pipe that no one writes to", [] { ASSERT_EQ(mkfifo("data.txt", 0644), 0); }, kOpenFailed},
      {"a link to nowhere", [] { fs::create_symlink("no-such-file", "data.txt"); }, kOpenFailed},
      {"a device without end", [] { fs::create_symlink("/dev/zero", "data.txt"); }, kOpenFailed},
      {"a file whose reads fail", [] { fs::create_symlink("/proc/self/mem", "data.txt"); },
       kOpenFailed},
      {"a single token of 100 MB",
       [] {
         std::string token;
         while (token.size() < 100'000'000) token += "Sword_of_Endless_Dawn_\xC3\xA9\xFF";
         writeFile("data.txt", token);
       },
       // A token longer than 64 MiB is not read whole; its start is shown.
       kLoading + "\n The data.txt file is corrupt. A token is too long\n\n  Data: " +
           "Sword_of_Endless_Dawn_\xC3\xA9\xFFSword_of_Endless_Dawn_\xC3\xA9\xFFSword_of_E" +
           "...\n\n "},
      {"10,000 tokens in a note never closed",
       [] {
         std::string note = "<note>\n";
         for (int i = 0; i < 10000; ++i) note += "word_" + std::to_string(i) + " tccRings\n";
         writeFile("data.txt", note);
       },
       kLoading + "\n The data.txt file is corrupt. The note is never closed\n\n "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::error_code ignored;
    fs::remove_all("data.txt", ignored);
    c.make();
    const Finished session = run("2\n0\n");
    EXPECT_FALSE(session.timedOut);
    EXPECT_TRUE(session.exitedWithZero()) << session.waitStatus;
    EXPECT_EQ(session.out, emptyCatalogSession(c.loaderMessages));
    EXPECT_EQ(session.err, "");
  }
}

TEST_F(ExecutableTest, ADataFileItsUserMayNotReadFailsToOpen) {
  // The superuser reads any file, so the program runs as an ordinary user.
  writeFile("data.txt", sampleDataFile());
  Launch launch;
  launch.input = "1\n2\n0\n";
  launch.unprivileged = true;
  const Finished readable = run(launch);
  ASSERT_TRUE(readable.exitedWithZero())
      << "cannot run as an ordinary user: " << readable.waitStatus;
  EXPECT_EQ(readable.out.rfind(kLoading + kWelcomeText, 0), 0u) << readable.out;

  ASSERT_EQ(chmod("data.txt", 0), 0);
  launch.input = "2\n0\n";
  const Finished unreadable = run(launch);
  EXPECT_TRUE(unreadable.exitedWithZero()) << unreadable.waitStatus;
  EXPECT_EQ(unreadable.out, emptyCatalogSession(kOpenFailed));
}

TEST_F(ExecutableTest, NamesKeepTheirNulAndInvalidBytesOnScreenAndInTheFile) {
  const std::string ring("Ring_of\0Nothing", 15);
  const std::string wand = "Wand_\xFF\xFE_of_\xC3(";
  const std::string potion("Elixir_\xE2\x82_of\0_Doubt", 19);
  writeFile("data.txt", "<note> </note>\n" + ring + " tccRings\n" + wand + " tccWands\n" + potion +
                            " tccPotionsAndOils\n");
  auto shown = [](std::string name) {
    for (char& c : name) c = c == '_' ? ' ' : c;
    return name;
  };
  const Finished session = run("1 2\n1 5\n3\nx\n0\n");
  EXPECT_TRUE(session.exitedWithZero()) << session.waitStatus;
  EXPECT_NE(session.out.find(pickedItemLine(shown(ring))), std::string::npos);
  EXPECT_NE(session.out.find(pickedItemLine(shown(wand))), std::string::npos);
  // Chart X draws two potions, and there is only the one.
  const std::string line = " " + shown(potion) + "\n";
  EXPECT_EQ(countOf(session.out, line), 2);
  EXPECT_EQ(countOf(readFile("EncounterTreasureResult.txt"), line), 2);
}

TEST_F(ExecutableTest, AResultFileThatCannotBeWrittenIsReportedOnScreen) {
  namespace fs = std::filesystem;
  writeFile("data.txt", sampleDataFile());
  const struct {
    const char* what;
    std::function<void()> make;
  } cases[] = {
      {"a folder", [] { fs::create_directory("EncounterTreasureResult.txt"); }},
      {"a full disk", [] { fs::create_symlink("/dev/full", "EncounterTreasureResult.txt"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::error_code ignored;
    fs::remove_all("EncounterTreasureResult.txt", ignored);
    c.make();
    const Finished session = run("3\nj\n0\n");
    EXPECT_TRUE(session.exitedWithZero()) << session.waitStatus;
    EXPECT_EQ(countOf(session.out,
                      " The treasure could not be saved to EncounterTreasureResult.txt\n\n\n "),
              1);
    EXPECT_EQ(session.err, "");
  }
}

TEST_F(ExecutableTest, OutputToAFullDiskDoesNotStopItBeforeItsInputEnds) {
  writeFile("data.txt", sampleDataFile());
  Launch launch;
  launch.input = "1 2\n2\nabc\n3\nj\n0\n";
  launch.outputPath = "/dev/full";
  const Finished full = run(launch);
  EXPECT_TRUE(full.exitedWithZero()) << full.waitStatus;
  EXPECT_EQ(full.err, "");
  // It went as far as the encounter.
  EXPECT_EQ(readFile("EncounterTreasureResult.txt").rfind("\n TREASURE FOUND:\n\n", 0), 0u);
}

}  // namespace
}  // namespace glimmerkist
