// Coin values in gold pieces, and money counted exactly.
//
// Money is counted in whole units of one ten-thousandth of a gold piece (a
// hundredth of a copper piece at the usual rates), so a hoard's total, its
// shares and the left-over coins always add up to the penny. A coin rate must
// therefore be a whole number of units: 0.0001 gp is the finest rate there is.
#ifndef GLIMMERKIST_TREASURE_COIN_RATES_H_
#define GLIMMERKIST_TREASURE_COIN_RATES_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/limits.h"
#include "base/problem.h"
#include "treasure/treasure_chart.h"

namespace glimmerkist {

/// Units of money in one gold piece.
constexpr std::int64_t kUnitsPerGp = 10000;

/// Coin counts of the five metals, indexed by Metal.
using Coins = std::array<std::int32_t, kMetalCount>;

/// The value of one coin of each metal in units, indexed by Metal. The
/// defaults: 1 cp = 1/100 gp, 1 sp = 1/10 gp, 1 ep = 1/2 gp, 1 gp, 1 pp = 5 gp.
struct CoinRates {
  std::array<std::int64_t, kMetalCount> units = {100, 1000, 5000, 10000, 50000};
};

/// The metals' short names, as --rates and the JSON output spell them.
extern const std::array<std::string_view, kMetalCount> kMetalCodes;
/// The metals' names in tables: "Copper pieces" and so on.
extern const std::array<std::string_view, kMetalCount> kMetalNames;

/// Reads a list such as "pp=10,ep=1,cp=1/100" into `rates`; metals it does not
/// name keep their value. A rate is a decimal number (5, 0.5, .05) or a
/// fraction (1/2) of gold pieces, from 0 to kMaxRateGp, and a whole number of
/// units. Otherwise the problem, its detail the quoted entry, leaving `rates`
/// unchanged.
Problem parseRates(std::string_view text, CoinRates& rates);

/// An amount of units as gold pieces, with no more decimals than it needs:
/// "1234.5", "0.0001", "17", "-2.25".
std::string formatGold(std::int64_t units);

/// One sentence naming the coin values: "1 cp = 0.01 gp, ... 1 pp = 5 gp".
std::string ratesSentence(const CoinRates& rates);

/// An amount of units as a number of gold pieces (for JSON); exact for every
/// amount below 2^53 units, shown back by formatGold's digits.
double goldPieces(std::int64_t units);

/// The value of `coins` at `rates`, in units. Exact: no count and rate the
/// types allow can overflow it.
std::int64_t coinValue(const Coins& coins, const CoinRates& rates);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_COIN_RATES_H_
