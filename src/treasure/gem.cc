#include "treasure/gem.h"

#include <algorithm>
#include <array>

#include "base/random.h"

namespace glimmerkist {
namespace {

struct Band {
  int lowestRoll;  // the smallest d100 roll that selects the band
  double baseValue;
  int firstKind;
  int kindCount;
};

// From the bottom band up; a d100 roll picks the highest band it reaches.
constexpr std::array<Band, kTopBand + 1> kBands = {{
    {1, 10.0, 0, 11},
    {26, 50.0, 11, 13},
    {51, 100.0, 24, 8},
    {71, 500.0, 32, 5},
    {91, 1000.0, 37, 6},
    {100, 5000.0, 43, 8},
}};

// A gem is worth less than this; anything else is taken as worthless.
constexpr double kValueLimit = 100000.0;
// The most a gem pushed past the top band is held at, so that it stays valid.
constexpr double kPastTopBandCap = kValueLimit - 1.0;

int rollDie(int sides) { return rand() % sides + 1; }

}  // namespace

double bandBaseValue(int band) { return kBands[std::clamp(band, 0, kTopBand)].baseValue; }

void Gem::setBaseValue(double x) { baseValue_ = (x >= 0.0) ? x : 0.0; }

void Gem::setBand(std::int32_t band) {
  band_ = std::clamp<std::int32_t>(band, 0, kTopBand);
  setBaseValue(bandBaseValue(band_));
}

void Gem::rollVariation() {
  const int first = rollDie(6);
  int result = first;
  if (first == 6 || first == 1) {
    const int step = (first == 6) ? 1 : -1;
    while (rollDie(6) == first) result += step;
  }
  variationRoll_ = result;
}

void Gem::generate() {
  const int d100 = rollDie(100);
  int band = kTopBand;
  while (d100 < kBands[band].lowestRoll) --band;
  band_ = band;
  setBaseValue(kBands[band].baseValue);

  kind_ = rand() % kBands[band].kindCount + kBands[band].firstKind;

  rollDie(10);  // drawn for every gem; it changes nothing
  varied_ = true;

  rollVariation();
  applyVariation();
}

void Gem::applyVariation() {
  const int r = variationRoll_;
  if (r >= 6) {
    const int steps = r - 5;
    const int target = band_ + steps;
    if (target <= kTopBand) {
      setBand(target);
      value_ = baseValue_;
    } else {
      pushPastTopBand(target - kTopBand, steps);
    }
  } else if (r == 2) {
    value_ = baseValue_ + baseValue_;
  } else if (r == 3) {
    const int percent = rand() % 50 + 10;
    value_ = ((percent * 0.01) + 1.0) * baseValue_;
  } else if (r == 4) {
    const int percent = rand() % 30 + 10;
    value_ = (percent * 0.01) * baseValue_;
  } else if (r == 5) {
    value_ = baseValue_ * 0.5;
  } else {
    const int target = band_ + r;
    if (target >= 0) {
      setBand(target);
      value_ = baseValue_;
    } else {
      // Below the bottom band: a near-worthless stone, finished as it is.
      band_ = 0;
      setBaseValue(10.0);
      value_ = target == -1 ? 5.0 : target == -2 ? 1.0 : target == -3 ? 0.5 : 0.1;
      return;
    }
  }
  if (!(value_ >= 0.0) || value_ >= kValueLimit) value_ = 0.0;
}

void Gem::pushPastTopBand(int bandsPast, int steps) {
  value_ = std::min(baseValue_ * bandsPast, kPastTopBandCap);
  for (int i = 0; i < steps && value_ < kPastTopBandCap; ++i) {
    value_ = std::min(value_ * 2.0, kPastTopBandCap);
  }
}

}  // namespace glimmerkist
