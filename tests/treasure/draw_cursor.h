// Reading a hoard's draws off the reference sequence, by the rules of the
// rolls and of one gem, without the program's code: the tests work out what a
// seed must give and find seeds that drive a gem into a chosen branch.
#ifndef GLIMMERKIST_TESTS_TREASURE_DRAW_CURSOR_H_
#define GLIMMERKIST_TESTS_TREASURE_DRAW_CURSOR_H_

#include <cstdint>

namespace glimmerkist {

/// Walks the draws that follow srand(seed), one at a time. It steps the same
/// state as referenceDraws (checked by the gem tests), without building a
/// list, so that seed searches stay quick.
class DrawCursor {
 public:
  explicit DrawCursor(std::uint32_t seed) : state_(seed) {}

  int next() {
    state_ = (state_ * 214013 + 2531011) % 4294967296ull;
    ++used_;
    return static_cast<int>((state_ / 65536) % 32768);
  }
  int percentile() { return next() % 100 + 1; }
  int range(int low, int high) { return low + next() % (high - low + 1); }

  /// Draws taken so far.
  int used() const { return used_; }

 private:
  std::uint64_t state_;
  int used_ = 0;
};

/// What one gem's draws say, before the variation is applied.
struct GemDraws {
  int roll = 0;       // the d100 of the band
  int band = 0;       // the band that roll selects
  int kind = 0;       // drawn within that band
  int variation = 0;  // the variation dice
  int percent = -1;   // for variation 3 or 4; -1 otherwise
  int drawCount = 0;  // draws the gem takes
};

/// Reads one gem: band d100, kind, the d10 that changes nothing, the
/// variation dice, and for variation 3 or 4 a percentage.
inline GemDraws readGem(DrawCursor& cursor) {
  static constexpr int kFirstKind[] = {0, 11, 24, 32, 37, 43};
  static constexpr int kKinds[] = {11, 13, 8, 5, 6, 8};
  GemDraws gem;
  const int start = cursor.used();
  gem.roll = cursor.percentile();
  const int d = gem.roll;
  gem.band = d == 100 ? 5 : d >= 91 ? 4 : d >= 71 ? 3 : d >= 51 ? 2 : d >= 26 ? 1 : 0;
  gem.kind = cursor.next() % kKinds[gem.band] + kFirstKind[gem.band];
  cursor.next();
  const int face = cursor.next() % 6 + 1;
  gem.variation = face;
  if (face == 6 || face == 1) {
    while (cursor.next() % 6 + 1 == face) gem.variation += face == 6 ? 1 : -1;
  }
  if (gem.variation == 3) gem.percent = cursor.next() % 50 + 10;
  if (gem.variation == 4) gem.percent = cursor.next() % 30 + 10;
  gem.drawCount = cursor.used() - start;
  return gem;
}

/// The first seed from 1 up whose first gem satisfies `wanted`, or 0.
template <typename Wanted>
std::uint32_t findGemSeed(Wanted wanted, std::uint32_t limit = 1u << 24) {
  for (std::uint32_t seed = 1; seed < limit; ++seed) {
    DrawCursor cursor(seed);
    if (wanted(readGem(cursor))) return seed;
  }
  return 0;
}

/// A seed whose first gem is drawn in `band` with variation `variation`, and
/// when given, percentage `percent` and kind `kind`; 0 when none was found.
inline std::uint32_t findGemSeed(int band, int variation, int percent = -1, int kind = -1) {
  return findGemSeed([&](const GemDraws& gem) {
    return gem.band == band && gem.variation == variation &&
           (percent < 0 || gem.percent == percent) && (kind < 0 || gem.kind == kind);
  });
}

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TESTS_TREASURE_DRAW_CURSOR_H_
