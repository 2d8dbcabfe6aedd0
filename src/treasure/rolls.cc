#include "treasure/rolls.h"

#include <algorithm>

#include "base/random.h"

namespace glimmerkist {

std::int32_t randomRange(std::int32_t low, std::int32_t high) {
  return low + rand() % (high - low + 1);
}

std::int32_t rollPercentile() { return rand() % 100 + 1; }

std::int32_t rollCoins(std::int32_t chance, std::int32_t low, std::int32_t high) {
  if (rollPercentile() > chance) return 0;
  return std::max<std::int32_t>(randomRange(low, high), 0);
}

}  // namespace glimmerkist
