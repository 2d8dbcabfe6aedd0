// Checking how often something happens over many draws from a fixed seed.
//
// The expected share of an outcome is worked out exactly over the 32768
// values that one draw can take, so the small bias of a remainder (32768 is
// no multiple of 100 or of 6) is part of the expectation, not of the
// allowance. The allowance is five standard deviations of the count: a
// correct program stays inside it with a probability of more than
// 0.999999, and as the seeds are fixed it does so on every run.
#ifndef GLIMMERKIST_TESTS_SUPPORT_DRAW_STATISTICS_H_
#define GLIMMERKIST_TESTS_SUPPORT_DRAW_STATISTICS_H_

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/random.h"

namespace glimmerkist {

/// How many standard deviations a count may stray from its expectation.
constexpr double kSigmas = 5.0;

/// The share of the draw values 0 to kRandMax for which `holds` is true.
template <typename Predicate>
double shareOfDraws(Predicate holds) {
  int count = 0;
  for (int value = 0; value <= kRandMax; ++value) count += holds(value) ? 1 : 0;
  return count / (kRandMax + 1.0);
}

/// The largest distance from trials * p that a binomial count of `trials`
/// tries with probability `p` is allowed.
inline double allowance(long long trials, double p) {
  return kSigmas * std::sqrt(static_cast<double>(trials) * p * (1.0 - p));
}

/// Expects `hits` out of `trials` to lie within kSigmas standard
/// deviations of trials * p.
inline void expectShare(const std::string& what, long long hits, long long trials, double p) {
  const double expected = static_cast<double>(trials) * p;
  EXPECT_LE(std::fabs(hits - expected), allowance(trials, p))
      << what << ": " << hits << " of " << trials << ", expected " << expected << " +- "
      << allowance(trials, p);
}

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TESTS_SUPPORT_DRAW_STATISTICS_H_
