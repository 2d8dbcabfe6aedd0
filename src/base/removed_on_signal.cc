#include "base/removed_on_signal.h"

#ifndef _WIN32

#include <unistd.h>

namespace glimmerkist {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = sizeof(kSignals) / sizeof(kSignals[0]);

// What the handler works with; it can reach nothing else, hence file scope.
const char* volatile pendingPath = nullptr;
struct sigaction previousActions[kSignalCount];
bool replaced[kSignalCount] = {};

extern "C" void removeAndEnd(int signal) {
  const char* path = pendingPath;
  if (path != nullptr) unlink(path);
  for (int i = 0; i < kSignalCount; ++i) {
    if (kSignals[i] == signal) sigaction(signal, &previousActions[i], nullptr);
  }
  raise(signal);  // delivered as before once the handler returns
}

}  // namespace

RemovedOnSignal::RemovedOnSignal(const std::string& path) {
  pendingPath = path.c_str();
  struct sigaction action {};
  sigemptyset(&action.sa_mask);
  for (int signal : kSignals) sigaddset(&action.sa_mask, signal);
  action.sa_handler = removeAndEnd;
  for (int i = 0; i < kSignalCount; ++i) {
    replaced[i] = false;
    if (sigaction(kSignals[i], nullptr, &previousActions[i]) != 0) continue;
    if (previousActions[i].sa_handler == SIG_IGN) continue;
    replaced[i] = sigaction(kSignals[i], &action, nullptr) == 0;
  }
}

RemovedOnSignal::~RemovedOnSignal() {
  for (int i = 0; i < kSignalCount; ++i) {
    if (replaced[i]) sigaction(kSignals[i], &previousActions[i], nullptr);
  }
  pendingPath = nullptr;
}

}  // namespace glimmerkist

#endif  // _WIN32
