// Reading a whole number that a person typed into a field or an argument,
// for the front ends that check numbers before they draw. The console
// program reads its menu numbers its own way (shell/read_number.h).
#ifndef GLIMMERKIST_BASE_WHOLE_NUMBER_H_
#define GLIMMERKIST_BASE_WHOLE_NUMBER_H_

#include <cstdint>
#include <string_view>

#include "base/problem.h"

namespace glimmerkist {

/// A whole number in decimal digits and nothing else, from `low` to `high`:
/// "010" is ten; a sign, a blank, "0x" or an empty text is kNotWholeNumber,
/// a number outside the range (or past 2^64 - 1) kNumberOutOfRange, each with
/// the quoted text as its detail. `value` is set only when all is well.
/// REQUIRES: low <= high.
Problem readWholeNumber(std::string_view text, std::uint64_t low, std::uint64_t high,
                        std::uint64_t& value);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_BASE_WHOLE_NUMBER_H_
