// A second, independent statement of the generator's sequence, for working
// out expected values in tests, and a way to count the draws an operation
// made.
#ifndef GLIMMERKIST_TESTS_SUPPORT_REFERENCE_RANDOM_H_
#define GLIMMERKIST_TESTS_SUPPORT_REFERENCE_RANDOM_H_

#include <cstdint>
#include <vector>

#include "base/random.h"

namespace glimmerkist {

/// The draws that follow srand(seed), computed without the program's code.
inline std::vector<int> referenceDraws(std::uint32_t seed, int count) {
  std::vector<int> draws;
  std::uint64_t state = seed;
  for (int i = 0; i < count; ++i) {
    state = (state * 214013 + 2531011) % 4294967296ull;
    draws.push_back(static_cast<int>((state / 65536) % 32768));
  }
  return draws;
}

/// Runs `operation` after srand(seed) and returns how many draws it made, by
/// finding the next four draws in the reference sequence; -1 if not found
/// within `limit` draws.
template <typename Operation>
int drawsMadeBy(std::uint32_t seed, Operation operation, int limit = 100000) {
  srand(seed);
  operation();
  const int next[4] = {rand(), rand(), rand(), rand()};
  const std::vector<int> reference = referenceDraws(seed, limit + 4);
  for (int k = 0; k <= limit; ++k) {
    if (reference[k] == next[0] && reference[k + 1] == next[1] && reference[k + 2] == next[2] &&
        reference[k + 3] == next[3]) {
      return k;
    }
  }
  return -1;
}

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TESTS_SUPPORT_REFERENCE_RANDOM_H_
