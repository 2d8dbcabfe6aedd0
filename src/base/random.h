// The program's one random number generator.
//
// It has the C library's interface and a fixed, documented sequence so that
// the same seed and the same input give the same treasure on every platform:
// a 32-bit state, initially 1; each draw advances the state by
// state * 214013 + 2531011 (mod 2^32) and yields bits 16..30 of it.
#ifndef GLIMMERKIST_BASE_RANDOM_H_
#define GLIMMERKIST_BASE_RANDOM_H_

#include <cstdint>

namespace glimmerkist {

/// The largest value that rand() returns.
constexpr int kRandMax = 32767;

/// Sets the generator's state to `seed`.
void srand(std::uint32_t seed);

/// Advances the generator and returns a whole number from 0 to kRandMax.
int rand();

/// A seed for a run that names none: drawn from the operating system's
/// randomness, well mixed with the clock, so that runs a moment apart draw
/// unrelated treasure. It leaves the generator's state alone. The
/// interactive program seeds from the clock as it always has and does not
/// use this.
std::uint32_t freshSeed();

}  // namespace glimmerkist

#endif  // GLIMMERKIST_BASE_RANDOM_H_
