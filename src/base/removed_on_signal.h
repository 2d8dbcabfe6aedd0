// A temporary file that must not outlive the program: when a signal that
// ends the program arrives while it exists, the file is removed first.
#ifndef GLIMMERKIST_BASE_REMOVED_ON_SIGNAL_H_
#define GLIMMERKIST_BASE_REMOVED_ON_SIGNAL_H_

#ifndef _WIN32

#include <signal.h>

#include <string>

namespace glimmerkist {

/// While it lives, SIGINT, SIGTERM and SIGHUP remove the file at `path` and
/// then end the program as they would have without it. A signal the program
/// was started with ignored stays ignored. One at a time.
///
/// REQUIRES: `path` outlives the guard and keeps its text.
class RemovedOnSignal {
 public:
  explicit RemovedOnSignal(const std::string& path);
  ~RemovedOnSignal();

  RemovedOnSignal(const RemovedOnSignal&) = delete;
  RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;
};

}  // namespace glimmerkist

#endif  // _WIN32

#endif  // GLIMMERKIST_BASE_REMOVED_ON_SIGNAL_H_
