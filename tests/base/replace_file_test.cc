#include "base/replace_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace glimmerkist {
namespace {

constexpr char kName[] = "result.txt";
const std::string kOld = "the earlier text\n";
const std::string kNew = "\n the new text,\n longer than the earlier one\n\n ";

// The names in the current folder, sorted.
std::vector<std::string> namesHere() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(".")) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

#ifndef _WIN32
// Replaces the file in a child process with a file size limit of `bytes`,
// as `ulimit -f` gives one.
bool replaceUnderSizeLimit(rlim_t bytes) {
  const pid_t child = fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(replaceFileContents(kName, kNew) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
#endif

TEST(ReplaceFileContentsTest, ReplacesWholeOrLeavesWhatWasThere) {
  TempDir dir;
  fs::create_directory("elsewhere");
  const struct {
    const char* what;
    std::function<void()> make;
    std::function<bool()> replace;
    bool saved;
    // What `kName` reads as afterwards; for a link, what its target reads as.
    std::string afterwards;
    std::vector<std::string> names;
  } cases[] = {
      {"nothing yet", [] {}, nullptr, true, kNew, {"elsewhere", kName}},
      {"an earlier file",
       [] { writeFile(kName, kOld); },
       nullptr,
       true,
       kNew,
       {"elsewhere", kName}},
      {"a folder", [] { fs::create_directory(kName); }, nullptr, false, "", {"elsewhere", kName}},
#ifndef _WIN32
      {"a file size limit",
       [] { writeFile(kName, kOld); },
       [] { return replaceUnderSizeLimit(8); },
       false,
       kOld,
       {"elsewhere", kName}},
      {"a link to a file in another folder",
       [] {
         writeFile("elsewhere/shared.txt", kOld);
         fs::create_symlink("elsewhere/shared.txt", kName);
       },
       nullptr,
       true,
       kNew,
       {"elsewhere", kName}},
      {"a link to a file not yet made",
       [] { fs::create_symlink("elsewhere/shared.txt", kName); },
       nullptr,
       true,
       kNew,
       {"elsewhere", kName}},
      {"a link under a file size limit",
       [] {
         writeFile("elsewhere/shared.txt", kOld);
         fs::create_symlink("elsewhere/shared.txt", kName);
       },
       [] { return replaceUnderSizeLimit(8); },
       false,
       kOld,
       {"elsewhere", kName}},
      {"a link to /dev/null",
       [] { fs::create_symlink("/dev/null", kName); },
       nullptr,
       true,
       "",
       {"elsewhere", kName}},
      {"a link to a full device",
       [] { fs::create_symlink("/dev/full", kName); },
       nullptr,
       false,
       "",
       {"elsewhere", kName}},
      {"a pipe",
       [] { ASSERT_EQ(mkfifo(kName, 0600), 0); },
       nullptr,
       false,
       "",
       {"elsewhere", kName}},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::error_code ignored;
    fs::remove_all(kName, ignored);
    fs::remove_all("elsewhere/shared.txt", ignored);
    c.make();
    const fs::file_type type = fs::symlink_status(kName).type();
    EXPECT_EQ(c.replace ? c.replace() : replaceFileContents(kName, kNew), c.saved);
    EXPECT_EQ(fs::symlink_status(kName).type(),
              type == fs::file_type::not_found ? fs::file_type::regular : type);
    if (fs::is_regular_file(kName)) {
      EXPECT_EQ(readFile(kName), c.afterwards);
    }
    // No temporary file is left behind, here or beside a link's target.
    EXPECT_EQ(namesHere(), c.names);
    EXPECT_LE(std::distance(fs::directory_iterator("elsewhere"), fs::directory_iterator{}), 1);
  }
}

#ifndef _WIN32
TEST(ReplaceFileContentsTest, AnotherUsersLinkInASharedStickyFolderIsNotFollowed) {
  TempDir dir;
  fs::create_directory("elsewhere");
  fs::create_directory("shared");
  ASSERT_EQ(chmod("shared", 01777), 0);  // as /tmp
  const struct {
    const char* what;
    bool targetExists;
    bool another;  // the link belongs to another user: no follow, no save
  } cases[] = {
      {"the user's own link", true, false},
      {"the user's own link to a file not yet made", false, false},
      {"another's link", true, true},
      {"another's link to a file not yet made", false, true},
  };
  const std::string link = std::string("shared/") + kName;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // Only the superuser can give a link to another user.
    if (c.another && geteuid() != 0) continue;
    const bool saved = !c.another;
    std::error_code ignored;
    fs::remove(link, ignored);
    fs::remove("elsewhere/victim.txt", ignored);
    if (c.targetExists) writeFile("elsewhere/victim.txt", kOld);
    fs::create_symlink(fs::absolute("elsewhere/victim.txt"), link);
    if (c.another) {
      ASSERT_EQ(lchown(link.c_str(), 65534, static_cast<gid_t>(-1)), 0);
    }
    EXPECT_EQ(replaceFileContents(link, kNew), saved);
    EXPECT_EQ(fs::exists("elsewhere/victim.txt"), saved || c.targetExists);
    EXPECT_EQ(readFile("elsewhere/victim.txt"), saved ? kNew : (c.targetExists ? kOld : ""));
    EXPECT_TRUE(fs::is_symlink(link));
  }
}

TEST(ReplaceFileContentsTest, TheNewFileKeepsTheOldOnesPermissions) {
  TempDir dir;
  const mode_t previousMask = umask(022);
  const struct {
    const char* what;
    mode_t before;  // 0: no file
    mode_t after;
    bool saved;
  } cases[] = {
      {"a new file", 0, 0644, true},
      {"a file for its owner alone", 0600, 0600, true},
      {"a file its group may write", 0664, 0664, true},
      // Opening it for writing would fail for anyone but the superuser.
      {"a read-only file", 0444, 0444, geteuid() == 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::error_code ignored;
    fs::remove(kName, ignored);
    if (c.before != 0) {
      writeFile(kName, kOld);
      ASSERT_EQ(chmod(kName, c.before), 0);
    }
    EXPECT_EQ(replaceFileContents(kName, kNew), c.saved);
    EXPECT_EQ(readFile(kName), c.saved ? kNew : kOld);
    struct stat after {};
    ASSERT_EQ(stat(kName, &after), 0);
    EXPECT_EQ(after.st_mode & 0777, c.after);
  }
  umask(previousMask);
}
#endif

}  // namespace
}  // namespace glimmerkist
