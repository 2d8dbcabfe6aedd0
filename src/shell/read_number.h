// Reading a menu choice: one whitespace-delimited token, taken as a number.
#ifndef GLIMMERKIST_SHELL_READ_NUMBER_H_
#define GLIMMERKIST_SHELL_READ_NUMBER_H_

#include <cstdint>
#include <string_view>

#include "base/terminal.h"

namespace glimmerkist {

/// What readNumber returns for an entry that is not a number; it is no
/// choice of any menu.
constexpr std::int32_t kBadEntry = 19;

/// The leading number of `token` as atoi reads it (an optional sign, then
/// digits up to the first non-digit; none gives 0), except that values past
/// the 32-bit range saturate at its ends instead of overflowing.
std::int32_t leadingNumber(std::string_view token);

/// Reads one token from the terminal (readToken) and returns its number. A token of two
/// or more characters that reads as 0 (abc, 00, -0) is a bad entry: it is
/// reported, the screen pauses, and kBadEntry is returned. The end of input
/// reads as 0. Writes no prompt of its own.
std::int32_t readNumber(Terminal& terminal);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_SHELL_READ_NUMBER_H_
