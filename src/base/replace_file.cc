#include "base/replace_file.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "base/removed_on_signal.h"
#endif

namespace glimmerkist {

#ifdef _WIN32

bool replaceFileContents(const std::string& path, const std::string& text) {
  const std::string temporary = path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
  std::ofstream file(temporary, std::ios::out | std::ios::trunc);
  if (!file.is_open()) return false;
  file << text;
  file.close();
  if (file.fail() || MoveFileExA(temporary.c_str(), path.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

#else

namespace {

bool writeAll(int fd, const std::string& text) {
  const char* next = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t written = write(fd, next, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    next += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

// Opens `path`, which is no link, for writing, created or truncated, and
// writes `text` to it.
bool writeInPlace(const std::string& path, const std::string& text) {
  struct stat target {};
  if (stat(path.c_str(), &target) == 0 && S_ISFIFO(target.st_mode)) return false;
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) return false;
  const bool written = writeAll(fd, text);
  return close(fd) == 0 && written;
}

// The permissions a file made by opening it for writing would have.
mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// The most links followed one after another, as the kernel allows.
constexpr int kMostLinks = 40;

// The folder that holds `path`: "." for a bare name.
std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The kernel's rule for protected symbolic links, whatever the machine's
// setting: in a sticky folder that anyone may write, such as /tmp, a link
// is followed only when it belongs to the user or to the folder's owner, so
// that nobody else can point the user's writes at a file of their choosing.
bool mayFollow(const std::string& link, const struct stat& linkStatus) {
  struct stat folder {};
  if (stat(folderOf(link).c_str(), &folder) != 0) return false;
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return !shared || linkStatus.st_uid == geteuid() || linkStatus.st_uid == folder.st_uid;
}

// Follows the links at `path`, one after another, to what the last one names
// (which may not exist yet). False when a link may not be followed, cannot be
// read, or the chain is too long.
bool followLinks(std::string& path) {
  for (int followed = 0; followed <= kMostLinks; ++followed) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return true;
    if (followed == kMostLinks || !mayFollow(path, status)) return false;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return false;
    target.resize(static_cast<std::size_t>(length));
    if (target.front() == '/') {
      path = target;
    } else {
      path = folderOf(path);
      path += '/';
      path += target;
    }
  }
  return false;
}

}  // namespace

bool replaceFileContents(const std::string& requested, const std::string& text) {
  // A link is written through: the new file goes beside its target and
  // takes the target's place, so that a failure leaves the target whole.
  std::string path = requested;
  if (!followLinks(path)) return false;
  struct stat old {};
  const bool exists = lstat(path.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return writeInPlace(path, text);
  if (exists && access(path.c_str(), W_OK) != 0) return false;

  std::string temporary = path + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    const bool folderClosed = errno == EACCES || errno == EPERM;
    return exists && folderClosed && writeInPlace(path, text);
  }
  // Ctrl-C, a hang-up or a kill while it is written leave no temporary file.
  const RemovedOnSignal guard(temporary);
  bool done = true;
  if (exists) {
    // Only the superuser can give a file away; for anyone else the file is
    // theirs already, or keeps their group.
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
    }
    done = fchmod(fd, old.st_mode & 0777) == 0;
  } else {
    done = fchmod(fd, newFileMode()) == 0;
  }
  done = done && writeAll(fd, text);
  // On the disk before it takes the old file's place, so that a crash
  // leaves one of the two whole. Some file systems cannot sync; that is no
  // failure of the write.
  done = done && (fsync(fd) == 0 || errno == EINVAL);
  done = close(fd) == 0 && done;
  done = done && rename(temporary.c_str(), path.c_str()) == 0;
  if (!done) unlink(temporary.c_str());
  return done;
}

#endif

}  // namespace glimmerkist
