// Runs the built program as a person's shell would, with its input and
// output on pipes, in a temporary folder of its own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "shell/shell_test_support.h"
#include "support/temp_dir.h"

namespace glimmerkist {
namespace {

struct Finished {
  int waitStatus = -1;
  std::string out;
  std::string err;

  bool exitedWithZero() const { return WIFEXITED(waitStatus) && WEXITSTATUS(waitStatus) == 0; }
};

int countOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

class ExecutableTest : public ::testing::Test {
 protected:
  ExecutableTest() { previousPipeAction_ = ::signal(SIGPIPE, SIG_IGN); }
  ~ExecutableTest() override { ::signal(SIGPIPE, previousPipeAction_); }

  /// Runs the program in the temporary folder with `input` on a pipe as its
  /// whole standard input. When `readOutput` is false the reading end of
  /// its output is closed before it is given any input.
  Finished run(const std::string& input, bool readOutput = true) {
    Finished result;
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
      ADD_FAILURE() << "pipe failed";
      return result;
    }
    const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const pid_t child = fork();
    if (child == 0) {
      ::signal(SIGPIPE, SIG_DFL);  // as a shell would start it
      dup2(in[0], STDIN_FILENO);
      dup2(out[1], STDOUT_FILENO);
      dup2(err, STDERR_FILENO);
      close(in[0]);
      close(in[1]);
      close(out[0]);
      close(out[1]);
      close(err);
      execl(GLIMMERKIST_EXECUTABLE, "glimmerkist", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err);
    if (!readOutput) close(out[0]);

    for (std::size_t written = 0; written < input.size();) {
      const ssize_t n = write(in[1], input.data() + written, input.size() - written);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;  // the program stopped reading
      written += static_cast<std::size_t>(n);
    }
    close(in[1]);

    if (readOutput) {
      char buffer[4096];
      for (;;) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        result.out.append(buffer, static_cast<std::size_t>(n));
      }
      close(out[0]);
    }
    while (waitpid(child, &result.waitStatus, 0) < 0 && errno == EINTR) {
    }
    result.err = readFile("stderr.txt");
    return result;
  }

  TempDir dir_;
  void (*previousPipeAction_)(int) = nullptr;
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

}  // namespace
}  // namespace glimmerkist
