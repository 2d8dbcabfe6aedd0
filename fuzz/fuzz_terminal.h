// The terminal of the fuzz targets: the input is the fuzzer's bytes, the
// output goes through the usual formatting and is then dropped, and
// clearing and pausing only count.
#ifndef GLIMMERKIST_FUZZ_FUZZ_TERMINAL_H_
#define GLIMMERKIST_FUZZ_FUZZ_TERMINAL_H_

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

#include "base/terminal.h"

namespace glimmerkist {

/// Takes every character and keeps none.
class DroppingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

class FuzzTerminal : public Terminal {
 public:
  explicit FuzzTerminal(std::string input = "") : in_(std::move(input)), out_(&dropped_) {}
  FuzzTerminal(const std::uint8_t* data, std::size_t size)
      : FuzzTerminal(std::string(reinterpret_cast<const char*>(data), size)) {}

  std::istream& in() override { return in_; }
  std::ostream& out() override { return out_; }
  void clearScreen() override { ++clears; }
  void pauseScreen() override { ++pauses; }

  long clears = 0;
  long pauses = 0;

 private:
  std::istringstream in_;
  DroppingBuffer dropped_;
  std::ostream out_;
};

/// Stops the fuzzer with a crash when `holds` is false.
inline void require(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace glimmerkist

#endif  // GLIMMERKIST_FUZZ_FUZZ_TERMINAL_H_
