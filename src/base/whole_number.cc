#include "base/whole_number.h"

#include "base/quoted_input.h"

namespace glimmerkist {

Problem readWholeNumber(std::string_view text, std::uint64_t low, std::uint64_t high,
                        std::uint64_t& value) {
  if (text.empty()) return {ProblemKind::kNotWholeNumber, quotedInput(text)};
  std::uint64_t read = 0;
  bool inRange = true;
  for (char c : text) {
    if (c < '0' || c > '9') return {ProblemKind::kNotWholeNumber, quotedInput(text)};
    const auto digit = static_cast<std::uint64_t>(c - '0');
    // Past `high` no further digit can bring it back; the digits are still
    // all checked, so that "99x" is no number rather than too large.
    if (!inRange || digit > high || read > (high - digit) / 10) {
      inRange = false;
      continue;
    }
    read = read * 10 + digit;
  }
  if (!inRange || read < low) return {ProblemKind::kNumberOutOfRange, quotedInput(text)};
  value = read;
  return {};
}

}  // namespace glimmerkist
