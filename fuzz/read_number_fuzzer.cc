// Feeds arbitrary bytes to readNumber, token after token, and checks each
// result against the C library's reading of the same token.
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz_terminal.h"
#include "shell/read_number.h"
#include "shell/read_token.h"

namespace {

// atoi's reading of a token, held at the ends of the 32-bit range. A token
// holds no white space, so strtol's skipping of it changes nothing; a NUL
// byte ends the number like any other non-digit.
std::int32_t expectedNumber(const std::string& token) {
  errno = 0;
  const long long value = std::strtoll(token.c_str(), nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glimmerkist;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // The raw bytes, separators and all, must not upset the conversion.
  (void)leadingNumber(std::string_view(bytes));

  FuzzTerminal terminal(data, size);
  std::istringstream tokens(bytes);
  std::string token;
  for (;;) {
    const bool more = static_cast<bool>(tokens >> token);
    const long pausesBefore = terminal.pauses;
    const std::int32_t number = readNumber(terminal);
    if (!more) {
      // The end of input reads as 0, without a message, every time.
      require(number == 0 && readNumber(terminal) == 0 && terminal.pauses == pausesBefore);
      break;
    }
    // Only the first bytes of a long token count.
    if (token.size() > kMaxTypedTokenBytes) token.resize(kMaxTypedTokenBytes);
    const std::int32_t expected = expectedNumber(token);
    const bool badEntry = expected == 0 && token.size() > 1;
    require(number == (badEntry ? kBadEntry : expected));
    require(terminal.pauses == pausesBefore + (badEntry ? 1 : 0));
  }
  return 0;
}
