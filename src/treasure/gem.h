// A Gem is one valued stone of a hoard: a value band 0 to 5, a kind 0 to 50
// (an index into the gem names), the band's base value and the gem's value in
// gold pieces.
//
// generate() draws, in this order: the band (d100), the kind within the
// band's range, one further d10 that has no effect, the variation dice, and
// for variation 3 or 4 one percentage. All value arithmetic is in double,
// one operation at a time, so results are the same on every platform.
#ifndef GLIMMERKIST_TREASURE_GEM_H_
#define GLIMMERKIST_TREASURE_GEM_H_

#include <cstdint>

namespace glimmerkist {

/// Number of gem kinds.
constexpr int kGemKindCount = 51;
/// The highest value band.
constexpr int kTopBand = 5;

/// Base value in gold pieces of each band.
double bandBaseValue(int band);

class Gem {
 public:
  Gem() = default;

  /// Back to the initial state: band -1, kind -1, base 0, roll 0, value -1.
  void reset() { *this = Gem(); }

  std::int32_t kind() const { return kind_; }
  double value() const { return value_; }
  /// The value as the report and the result file show it: truncated toward
  /// zero to whole gold pieces, so 0.5 gp shows as 0.
  std::int64_t printedValue() const { return static_cast<std::int64_t>(value_); }
  std::int32_t band() const { return band_; }
  double baseValue() const { return baseValue_; }
  std::int32_t variationRoll() const { return variationRoll_; }
  bool varied() const { return varied_; }

  /// Stores `x`, or 0 when it is negative or not a number.
  void setBaseValue(double x);
  /// Sets the band and its base value; bands below 0 become 0, above 5 become 5.
  void setBand(std::int32_t band);

  /// Throws the variation dice and stores the result in variationRoll().
  void rollVariation();

  /// Gives the gem a band, kind, variation and value; sets every field.
  void generate();

 private:
  /// Applies variationRoll() to band and value (step after the dice).
  void applyVariation();
  /// A gem pushed `steps` bands past the top keeps its band; its value grows.
  void pushPastTopBand(int bandsPast, int steps);

  std::int32_t band_ = -1;
  std::int32_t kind_ = -1;
  double baseValue_ = 0.0;
  std::int32_t variationRoll_ = 0;
  double value_ = -1.0;
  bool varied_ = false;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_GEM_H_
