#include "treasure/coin_rates.h"

#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <optional>

#include "base/quoted_input.h"

namespace glimmerkist {
namespace {

// Digits of a whole number in a rate; more cannot be a rate within the limit.
constexpr std::size_t kMaxDigits = 9;

// Decimal digits only: no sign, no blank, no base prefix.
std::optional<std::int64_t> readWhole(std::string_view digits) {
  if (digits.empty() || digits.size() > kMaxDigits) return std::nullopt;
  std::uint32_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, problem] = std::from_chars(digits.data(), end, value);
  if (problem != std::errc() || stop != end) return std::nullopt;
  return value;
}

// "5", "0.5", ".05", "2." in units; nullopt when it is no decimal number or
// finer than one unit.
std::optional<std::int64_t> readDecimal(std::string_view text) {
  const std::size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
  if (fraction.size() > 4) return std::nullopt;
  const std::optional<std::int64_t> wholeValue = whole.empty() ? 0 : readWhole(whole);
  if (!wholeValue) return std::nullopt;
  std::int64_t fractionUnits = 0;
  std::int64_t scale = kUnitsPerGp;
  for (char c : fraction) {
    if (c < '0' || c > '9') return std::nullopt;
    scale /= 10;
    fractionUnits += (c - '0') * scale;
  }
  return *wholeValue * kUnitsPerGp + fractionUnits;
}

// "1/2" in units; nullopt unless it is a whole number of units.
std::optional<std::int64_t> readFraction(std::string_view text) {
  const std::size_t slash = text.find('/');
  const std::optional<std::int64_t> numerator = readWhole(text.substr(0, slash));
  const std::optional<std::int64_t> denominator = readWhole(text.substr(slash + 1));
  if (!numerator || !denominator || *denominator == 0) return std::nullopt;
  const std::int64_t scaled = *numerator * kUnitsPerGp;
  if (scaled % *denominator != 0) return std::nullopt;
  return scaled / *denominator;
}

int metalFromCode(std::string_view code) {
  for (int metal = 0; metal < kMetalCount; ++metal) {
    if (kMetalCodes[metal] == code) return metal;
  }
  return -1;
}

}  // namespace

const std::array<std::string_view, kMetalCount> kMetalCodes = {"cp", "sp", "ep", "gp", "pp"};
const std::array<std::string_view, kMetalCount> kMetalNames = {
    "Copper pieces", "Silver pieces", "Electrum pieces", "Gold pieces", "Platinum pieces"};

Problem parseRates(std::string_view text, CoinRates& rates) {
  CoinRates parsed = rates;
  std::array<bool, kMetalCount> named{};
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view entry = text.substr(0, comma);
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) {
      return {ProblemKind::kRatesForm, quotedInput(entry)};
    }
    const std::string_view code = entry.substr(0, equals);
    const std::string_view value = entry.substr(equals + 1);
    const int metal = metalFromCode(code);
    if (metal < 0) {
      return {ProblemKind::kRatesMetal, quotedInput(code)};
    }
    if (named[metal]) {
      return {ProblemKind::kRatesTwice, std::string(code)};
    }
    named[metal] = true;
    const std::optional<std::int64_t> units =
        value.find('/') != std::string_view::npos ? readFraction(value) : readDecimal(value);
    if (!units || *units > kMaxRateGp * kUnitsPerGp) {
      return {ProblemKind::kRatesValue, quotedInput(entry)};
    }
    parsed.units[metal] = *units;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  rates = parsed;
  return {};
}

std::string ratesSentence(const CoinRates& rates) {
  std::string sentence;
  for (int metal = 0; metal < kMetalCount; ++metal) {
    if (metal > 0) sentence += ", ";
    sentence +=
        "1 " + std::string(kMetalCodes[metal]) + " = " + formatGold(rates.units[metal]) + " gp";
  }
  return sentence;
}

std::string formatGold(std::int64_t units) {
  const bool negative = units < 0;
  // Work on the magnitude as unsigned, so that even the lowest value is safe.
  const std::uint64_t magnitude =
      negative ? std::uint64_t{0} - static_cast<std::uint64_t>(units) : units;
  std::string text = (negative ? "-" : "") + std::to_string(magnitude / kUnitsPerGp);
  std::uint64_t fraction = magnitude % kUnitsPerGp;
  if (fraction != 0) {
    std::string digits = std::to_string(fraction + kUnitsPerGp).substr(1);  // four digits
    while (digits.back() == '0') digits.pop_back();
    text += "." + digits;
  }
  return text;
}

double goldPieces(std::int64_t units) {
  return static_cast<double>(units) / static_cast<double>(kUnitsPerGp);
}

std::int64_t coinValue(const Coins& coins, const CoinRates& rates) {
  std::int64_t total = 0;
  for (int metal = 0; metal < kMetalCount; ++metal) total += coins[metal] * rates.units[metal];
  return total;
}

}  // namespace glimmerkist
