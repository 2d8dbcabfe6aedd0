// Runs the built program as a person's shell would, with its input and
// output on pipes, in a temporary folder of its own.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "shell/shell_test_support.h"
#include "support/temp_dir.h"

namespace glimmerkist {
namespace {

struct Finished {
  int waitStatus = -1;
  bool timedOut = false;
  /// Still running when the launch's stopAfter had passed, and then ended
  /// by the test.
  bool stoppedRunning = false;
  /// The most memory it held, in kB, as seen when it was stopped.
  long peakMemoryKb = -1;
  /// From the start to the end of the run.
  std::chrono::milliseconds took{0};
  std::string out;
  std::string err;

  bool exitedWithZero() const {
    return !timedOut && WIFEXITED(waitStatus) && WEXITSTATUS(waitStatus) == 0;
  }
};

/// How to start the program.
struct Launch {
  std::string input;
  /// Gives `input` over and over, as long as the program reads.
  bool endlessInput = false;
  /// When set, standard input is this file instead of a pipe.
  const char* inputPath = nullptr;
  /// When false the reading end of its output is closed before it is given
  /// any input.
  bool readOutput = true;
  /// The reading end of its output is closed once this much was read.
  std::size_t closeOutputAfter = std::string::npos;
  /// When set, standard output goes to this file instead of a pipe.
  const char* outputPath = nullptr;
  /// Run as an ordinary user when the test runs as the superuser.
  bool unprivileged = false;
  /// Limits on its address space and on the size of the files it writes,
  /// when not 0.
  rlim_t memoryLimit = 0;
  rlim_t fileSizeLimit = 0;
  /// When not 0, the program is ended this long after its start if it is
  /// still running then.
  std::chrono::milliseconds stopAfter{0};
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
    const int inputFile = launch.inputPath != nullptr ? open(launch.inputPath, O_RDONLY) : -1;
    if (launch.inputPath != nullptr && inputFile < 0) {
      ADD_FAILURE() << "cannot open " << launch.inputPath;
      return result;
    }
    const std::string executable =
        launch.unprivileged ? ordinaryUsersCopy() : GLIMMERKIST_EXECUTABLE;
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
      ::signal(SIGPIPE, SIG_DFL);  // as a shell would start it
      dup2(inputFile >= 0 ? inputFile : in[0], STDIN_FILENO);
      dup2(outputFile >= 0 ? outputFile : out[1], STDOUT_FILENO);
      dup2(err, STDERR_FILENO);
      close(in[0]);
      close(in[1]);
      close(out[0]);
      close(out[1]);
      close(err);
      if (outputFile >= 0) close(outputFile);
      if (inputFile >= 0) close(inputFile);
      if (launch.unprivileged && geteuid() == 0 && !becomeOrdinaryUser()) _exit(126);
      if (!limit(RLIMIT_AS, launch.memoryLimit) || !limit(RLIMIT_FSIZE, launch.fileSizeLimit)) {
        _exit(125);
      }
      execl(executable.c_str(), "glimmerkist", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err);
    if (outputFile >= 0) close(outputFile);
    if (inputFile >= 0) close(inputFile);
    int toProgram = in[1];
    int fromProgram = out[0];
    if (inputFile >= 0 || launch.input.empty()) closeEnd(toProgram);
    if (!launch.readOutput) closeEnd(fromProgram);
    fcntl(toProgram, F_SETFL, O_NONBLOCK);

    // Gives the input and takes the output as the program goes, until it
    // has closed both or the time is up.
    const auto deadline = started + kDeadline;
    std::size_t written = 0;
    std::vector<char> buffer(1 << 16);
    while (toProgram >= 0 || fromProgram >= 0) {
      if (launch.stopAfter.count() > 0 &&
          std::chrono::steady_clock::now() >= started + launch.stopAfter) {
        break;
      }
      pollfd ready[2] = {{toProgram, POLLOUT, 0}, {fromProgram, POLLIN, 0}};
      int wait = millisecondsUntil(deadline);
      if (launch.stopAfter.count() > 0) wait = std::min(wait, 20);
      const int polled = poll(ready, 2, wait);
      if (polled < 0 && errno == EINTR) continue;
      if (polled < 0 || (polled == 0 && millisecondsUntil(deadline) == 0)) {
        result.timedOut = true;
        break;
      }
      if (ready[0].revents != 0) {
        const std::string& input = launch.input;
        const ssize_t n = write(toProgram, input.data() + written, input.size() - written);
        if (n > 0) written += static_cast<std::size_t>(n);
        if (n < 0 && errno != EAGAIN && errno != EINTR) closeEnd(toProgram);  // it stopped reading
        if (written == input.size()) {
          if (launch.endlessInput) {
            written = 0;
          } else {
            closeEnd(toProgram);
          }
        }
      }
      if (ready[1].revents != 0) {
        std::size_t wanted = buffer.size();
        if (launch.closeOutputAfter != std::string::npos) {
          wanted = std::min(wanted, launch.closeOutputAfter - result.out.size());
        }
        const ssize_t n = read(fromProgram, buffer.data(), wanted);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
          closeEnd(fromProgram);
        } else {
          result.out.append(buffer.data(), static_cast<std::size_t>(n));
          if (result.out.size() == launch.closeOutputAfter) closeEnd(fromProgram);
        }
      }
    }
    closeEnd(toProgram);
    closeEnd(fromProgram);

    if (launch.stopAfter.count() > 0 && !result.timedOut) {
      std::this_thread::sleep_until(started + launch.stopAfter);
      if (waitpid(child, &result.waitStatus, WNOHANG) == 0) {
        result.stoppedRunning = true;
        result.peakMemoryKb = peakMemoryKb(child);
        kill(child, SIGKILL);
        waitpid(child, &result.waitStatus, 0);
      }
      result.err = readFile("stderr.txt");
      return result;
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
    result.took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    result.err = readFile("stderr.txt");
    return result;
  }

  TempDir dir_;
  void (*previousPipeAction_)(int) = nullptr;

 private:
  static void closeEnd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
  }

  // Sets a resource limit in the program's process; 0 leaves it as it is.
  static bool limit(int resource, rlim_t value) {
    if (value == 0) return true;
    const rlimit both{value, value};
    return setrlimit(resource, &both) == 0;
  }

  // The high-water mark of the resident memory of process `pid`, in kB.
  static long peakMemoryKb(pid_t pid) {
    const std::string status = readFile("/proc/" + std::to_string(pid) + "/status");
    const std::size_t at = status.find("VmHWM:");
    return at == std::string::npos ? -1 : std::stol(status.substr(at + 6));
  }

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

TEST_F(ExecutableTest, OutputThatNobodyReadsEndsItAsTheEndOfInputWould) {
  writeFile("data.txt", sampleDataFile());
  const std::string shownFirst = "\n Loading Data...\n" + kWelcomeText + kMainMenuText;
  const struct {
    const char* what;
    Launch launch;
    std::string shown;
  } cases[] = {
      {"a pipe closed before it starts", {"4\n4\n3\nj\n0\n", false, nullptr, false}, ""},
      {"a pipe closed before it starts, endless input", {"2\n", true, nullptr, false}, ""},
      {"a pipe closed after 100 bytes, endless input",
       {"2\n", true, nullptr, true, 100},
       shownFirst.substr(0, 100)},
      {"a full disk",
       {"1 2\n2\nabc\n3\nj\n0\n", false, nullptr, true, std::string::npos, "/dev/full"},
       ""},
      {"a full disk, endless input",
       {"3\nj\n", true, nullptr, true, std::string::npos, "/dev/full"},
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Finished ended = run(c.launch);
    EXPECT_TRUE(ended.exitedWithZero()) << ended.waitStatus;
    EXPECT_LT(ended.took.count(), 5000);
    EXPECT_EQ(ended.out, c.shown);
    EXPECT_EQ(ended.err, "");
    // It ended at the first menu, before any encounter.
    EXPECT_FALSE(std::filesystem::exists("EncounterTreasureResult.txt"));
  }
}

TEST_F(ExecutableTest, EndlessInputTakesNoMoreMemory) {
  writeFile("data.txt", sampleDataFile());
  // One token without end, or a line without end, which the first menu
  // reads on and on; it must neither fail nor grow.
  Launch launch;
  launch.inputPath = "/dev/zero";
  launch.stopAfter = std::chrono::seconds(3);
#if defined(__SANITIZE_ADDRESS__)
  constexpr long kMostKb = 200'000;  // the sanitizer's own bookkeeping
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  constexpr long kMostKb = 200'000;
#else
  constexpr long kMostKb = 32'000;
  launch.memoryLimit = 256 << 20;
#endif
#else
  constexpr long kMostKb = 32'000;
  launch.memoryLimit = 256 << 20;
#endif
  const Finished zeros = run(launch);
  EXPECT_TRUE(zeros.stoppedRunning) << "wait status " << zeros.waitStatus << "; " << zeros.err;
  EXPECT_GT(zeros.peakMemoryKb, 0);
  EXPECT_LT(zeros.peakMemoryKb, kMostKb);
  EXPECT_EQ(zeros.out, "\n Loading Data...\n" + kWelcomeText + kMainMenuText);
  EXPECT_EQ(zeros.err, "");
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

TEST_F(ExecutableTest, NamesShowNulAsAQuestionMarkAndKeepInvalidBytesOnScreenAndInTheFile) {
  const std::string ring("Ring_of\0Nothing", 15);
  const std::string wand = "Wand_\xFF\xFE_of_\xC3(";
  const std::string potion("Elixir_\xE2\x82_of\0_Doubt", 19);
  writeFile("data.txt", "<note> </note>\n" + ring + " tccRings\n" + wand + " tccWands\n" + potion +
                            " tccPotionsAndOils\n");
  auto shown = [](std::string name) {
    for (char& c : name) c = c == '_' ? ' ' : c == '\0' ? '?' : c;
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

const std::string kNotSaved =
    " The treasure could not be saved to EncounterTreasureResult.txt\n\n\n ";
// The file of an earlier encounter, as a failed save must leave it.
const std::string kEarlierResult = "\n TREASURE FOUND:\n\n (an earlier hoard)\n\n ";

TEST_F(ExecutableTest, AResultFileThatCannotBeWrittenIsReportedOnScreen) {
  namespace fs = std::filesystem;
  writeFile("data.txt", sampleDataFile());
  const struct {
    const char* what;
    std::function<void()> make;
    rlim_t fileSizeLimit;
  } cases[] = {
      {"a folder", [] { fs::create_directory("EncounterTreasureResult.txt"); }, 0},
      {"a full disk", [] { fs::create_symlink("/dev/full", "EncounterTreasureResult.txt"); }, 0},
      {"a file size limit", [] { writeFile("EncounterTreasureResult.txt", kEarlierResult); }, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::error_code ignored;
    fs::remove_all("EncounterTreasureResult.txt", ignored);
    c.make();
    const fs::file_type before = fs::symlink_status("EncounterTreasureResult.txt").type();
    Launch launch;
    launch.input = "3\nj\n0\n";
    launch.fileSizeLimit = c.fileSizeLimit;
    const Finished session = run(launch);
    EXPECT_TRUE(session.exitedWithZero()) << session.waitStatus;
    EXPECT_EQ(countOf(session.out, kNotSaved), 1);
    EXPECT_EQ(session.err, "");
    // What was there is still there, and nothing else is.
    EXPECT_EQ(fs::symlink_status("EncounterTreasureResult.txt").type(), before);
    if (before == fs::file_type::regular) {
      EXPECT_EQ(readFile("EncounterTreasureResult.txt"), kEarlierResult);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator{}), 3);
  }
}

TEST_F(ExecutableTest, AFullDiskKeepsTheEarlierResultByteForByte) {
  namespace fs = std::filesystem;
  if (geteuid() != 0) GTEST_SKIP() << "only the superuser can mount a small file system to fill";
  fs::create_directory("small");
  if (mount("tmpfs", "small", "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "no small file system to fill: mount: " << std::strerror(errno);
  }
  struct Unmount {
    ~Unmount() {
      fs::current_path("..");
      umount2("small", MNT_DETACH);
    }
  } unmount;
  fs::current_path("small");
  writeFile("data.txt", sampleDataFile());
  writeFile("EncounterTreasureResult.txt", kEarlierResult);
  {
    const int filler = open("filler", O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(filler, 0);
    const std::string page(4096, 'x');
    while (write(filler, page.data(), page.size()) > 0) {
    }
    close(filler);
  }
  const Finished session = run("3\nj\n0\n");
  EXPECT_TRUE(session.exitedWithZero()) << session.waitStatus;
  EXPECT_EQ(countOf(session.out, kNotSaved), 1);
  EXPECT_EQ(readFile("EncounterTreasureResult.txt"), kEarlierResult);
  // No half-written file is left beside it.
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(".")) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"EncounterTreasureResult.txt", "data.txt", "filler",
                                             "stderr.txt"}));
}

}  // namespace
}  // namespace glimmerkist
