// The small random rolls that every treasure chart rests on. Each draws
// exactly the numbers stated, since a hoard is fixed by the order of draws.
#ifndef GLIMMERKIST_TREASURE_ROLLS_H_
#define GLIMMERKIST_TREASURE_ROLLS_H_

#include <cstdint>

namespace glimmerkist {

/// low + rand() % (high - low + 1): one draw. As rand() stops at 32767, the
/// result never passes low + 32767. REQUIRES: low <= high.
std::int32_t randomRange(std::int32_t low, std::int32_t high);

/// rand() % 100 + 1: one draw, 1 to 100.
std::int32_t rollPercentile();

/// The coin rule: a percentile roll, and when it is `chance` or less a
/// randomRange(low, high) that is never below 0; otherwise 0 after the one
/// draw.
std::int32_t rollCoins(std::int32_t chance, std::int32_t low, std::int32_t high);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_ROLLS_H_
