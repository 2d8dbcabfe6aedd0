// A terminal for tests: scripted input, and a transcript of everything the
// program wrote, with "[clear]" and "[pause]" where it cleared or paused.
#ifndef GLIMMERKIST_TESTS_SUPPORT_FAKE_TERMINAL_H_
#define GLIMMERKIST_TESTS_SUPPORT_FAKE_TERMINAL_H_

#include <sstream>
#include <string>

#include "base/terminal.h"

namespace glimmerkist {

class FakeTerminal : public Terminal {
 public:
  explicit FakeTerminal(const std::string& input = "") : in_(input) {}

  std::istream& in() override { return in_; }
  std::ostream& out() override { return out_; }
  void clearScreen() override { out_ << "[clear]"; }
  void pauseScreen() override { out_ << "[pause]"; }

  /// Everything shown so far.
  std::string transcript() const { return out_.str(); }
  /// Forgets what was shown so far.
  void clearTranscript() { out_.str(""); }

 private:
  std::istringstream in_;
  std::ostringstream out_;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TESTS_SUPPORT_FAKE_TERMINAL_H_
