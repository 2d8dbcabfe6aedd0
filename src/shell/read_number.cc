#include "shell/read_number.h"

#include <cstdint>
#include <limits>
#include <string>

#include "shell/read_token.h"

namespace glimmerkist {

std::int32_t leadingNumber(std::string_view token) {
  std::size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  // Accumulate the magnitude in 64 bits and stop growing once it is past the
  // 32-bit range, so any number of digits is safe.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
    if (magnitude <= kLimit) magnitude = magnitude * 10 + (token[i] - '0');
  }
  if (negative) {
    return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::min()
                               : static_cast<std::int32_t>(-magnitude);
  }
  return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::max()
                             : static_cast<std::int32_t>(magnitude);
}

std::int32_t readNumber(Terminal& terminal) {
  const std::string token = readToken(terminal);
  const std::int32_t value = leadingNumber(token);
  if (value != 0 || token.size() <= 1) return value;
  terminal.out() << "\n Please enter a numeric value\n\n ";
  terminal.pauseScreen();
  return kBadEntry;
}

}  // namespace glimmerkist
