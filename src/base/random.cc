#include "base/random.h"

namespace glimmerkist {
namespace {

// The single generator state of the whole program.
std::uint32_t state = 1;

}  // namespace

void srand(std::uint32_t seed) { state = seed; }

int rand() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7fffu);
}

}  // namespace glimmerkist
