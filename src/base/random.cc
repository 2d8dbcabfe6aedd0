#include "base/random.h"

#include <chrono>
#include <ctime>

#ifdef _WIN32
#include <random>
#else
#include <unistd.h>
#endif

namespace glimmerkist {
namespace {

// The single generator state of the whole program.
std::uint32_t state = 1;

// A 64-bit finalizer: every bit of the input moves about half of the output.
std::uint64_t mixed(std::uint64_t x) {
  x ^= x >> 30;
  x *= 0xBF58476D1CE4E5B9u;
  x ^= x >> 27;
  x *= 0x94D049BB133111EBu;
  x ^= x >> 31;
  return x;
}

// 64 bits of the operating system's randomness, or 0 when it has none to
// give; the clocks alone, mixed, still differ from one moment to the next.
std::uint64_t systemEntropy() {
#ifdef _WIN32
  std::random_device device;  // the system's generator, through rand_s
  return (std::uint64_t{device()} << 32) ^ device();
#else
  std::uint64_t entropy = 0;
  return getentropy(&entropy, sizeof entropy) == 0 ? entropy : 0;
#endif
}

}  // namespace

void srand(std::uint32_t seed) { state = seed; }

int rand() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7fffu);
}

std::uint32_t freshSeed() {
  const std::uint64_t entropy = systemEntropy();
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  const auto seconds = static_cast<std::uint64_t>(std::time(nullptr));
  const std::uint64_t seed = mixed(entropy ^ mixed(ticks + mixed(seconds)));
  return static_cast<std::uint32_t>(seed ^ (seed >> 32));
}

}  // namespace glimmerkist
