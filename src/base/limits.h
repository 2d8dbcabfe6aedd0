// The program's limits, each defined once: how much a front end draws at a
// time and how long a token may be. Help texts and messages take their
// numbers from here.
#ifndef GLIMMERKIST_BASE_LIMITS_H_
#define GLIMMERKIST_BASE_LIMITS_H_

#include <cstddef>
#include <cstdint>

namespace glimmerkist {

/// The most hoards or items one request draws.
constexpr std::int32_t kMaxDrawCount = 10000;
/// The most characters a hoard's coins are split among.
constexpr std::int32_t kMaxSplitCharacters = 10000;
/// The most hoards of each chart that the statistics draw.
constexpr std::int64_t kMaxStatsRuns = 10000000;
/// The most one coin may be worth, in gold pieces.
constexpr std::int64_t kMaxRateGp = 10000;
/// The longest token of a catalog that is read whole, in bytes; a longer one
/// makes the catalog corrupt.
constexpr std::size_t kMaxCatalogTokenBytes = std::size_t{64} << 20;
/// The most bytes of one typed token that the console program keeps; the
/// rest of the token is read and dropped.
constexpr std::size_t kMaxTypedTokenBytes = 4096;

}  // namespace glimmerkist

#endif  // GLIMMERKIST_BASE_LIMITS_H_
