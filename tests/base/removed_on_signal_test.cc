#include "base/removed_on_signal.h"

#ifndef _WIN32

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace glimmerkist {
namespace {

TEST(RemovedOnSignalTest, AnEndingSignalRemovesTheFileAndStillEnds) {
  TempDir dir;
  const std::string name = "result.txt.AbC123";
  const struct {
    int signal;
    bool ignoredAtStart;  // then the program goes on, and so does the file
    bool guarded;         // false: raised after the guard is gone
  } cases[] = {{SIGINT, false, true},
               {SIGTERM, false, true},
               {SIGHUP, false, true},
               {SIGHUP, true, true},
               {SIGTERM, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.signal << " " << c.ignoredAtStart << " " << c.guarded);
    writeFile(name, "half a treasure");
    const pid_t child = fork();
    if (child == 0) {
      if (c.ignoredAtStart) ::signal(c.signal, SIG_IGN);
      {
        const RemovedOnSignal guard(name);
        if (c.guarded) raise(c.signal);
      }
      raise(c.signal);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WIFSIGNALED(status) && WTERMSIG(status) == c.signal, !c.ignoredAtStart);
    EXPECT_EQ(std::filesystem::exists(name), c.ignoredAtStart || !c.guarded);
  }
}

}  // namespace
}  // namespace glimmerkist

#endif  // _WIN32
