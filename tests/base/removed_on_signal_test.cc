#include "base/removed_on_signal.h"

#ifndef _WIN32

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace glimmerkist {
namespace {

// Runs `body` in a child process and returns how it ended.
template <typename Body>
int childStatus(Body body) {
  const pid_t child = fork();
  if (child == 0) {
    body();
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

TEST(RemovedOnSignalTest, AnEndingSignalRemovesTheFileAndStillEnds) {
  TempDir dir;
  const std::string name = "result.txt.AbC123";
  const struct {
    int signal;
    bool ignoredAtStart;
  } cases[] = {{SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGHUP, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.signal);
    writeFile(name, "half a treasure");
    const int status = childStatus([&] {
      if (c.ignoredAtStart) ::signal(c.signal, SIG_IGN);
      const RemovedOnSignal guard(name);
      raise(c.signal);
    });
    if (c.ignoredAtStart) {
      // Started with it ignored, the program goes on, and so does the file.
      EXPECT_TRUE(WIFEXITED(status));
      EXPECT_TRUE(std::filesystem::exists(name));
    } else {
      ASSERT_TRUE(WIFSIGNALED(status));
      EXPECT_EQ(WTERMSIG(status), c.signal);
      EXPECT_FALSE(std::filesystem::exists(name));
    }
  }
  // Once the guard is gone, a signal finds the default action again.
  writeFile(name, "a whole treasure");
  const int status = childStatus([&] {
    { const RemovedOnSignal guard(name); }
    raise(SIGTERM);
  });
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_TRUE(std::filesystem::exists(name));
}

}  // namespace
}  // namespace glimmerkist

#endif  // _WIN32
