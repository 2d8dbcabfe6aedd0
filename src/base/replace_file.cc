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
#include <cstdlib>
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

// Opens `path` for writing, created or truncated, and writes `text` to it.
bool writeInPlace(const std::string& path, const std::string& text) {
  struct stat target {};
  if (stat(path.c_str(), &target) == 0 && S_ISFIFO(target.st_mode)) return false;
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
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

}  // namespace

bool replaceFileContents(const std::string& path, const std::string& text) {
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
