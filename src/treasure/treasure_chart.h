// The 26 treasure charts, A to Z, as a table of rows.
//
// A chart says, for each of the five coin metals, for the gems and for the
// magic items, whether that share is there by chance, always, or never, and
// how large it is. Each kind of cell stands for a fixed sequence of draws;
// the rows read like the rules' chart table.
#ifndef GLIMMERKIST_TREASURE_TREASURE_CHART_H_
#define GLIMMERKIST_TREASURE_TREASURE_CHART_H_

#include <array>
#include <cstdint>
#include <string>

#include "base/problem.h"

namespace glimmerkist {

enum Metal : int { kCopper = 0, kSilver, kElectrum, kGold, kPlatinum };
constexpr int kMetalCount = 5;

struct CoinCell {
  enum Kind {
    kChance,  // percentile roll; chance or less draws the range
    kNever,   // percentile roll, ignored; count 0
    kRange,   // the range, no percentile roll
    kZero,    // count 0, nothing drawn
  };
  Kind kind;
  int chance;
  int low;
  int high;
};

struct GemCell {
  enum Kind {
    kChance,  // percentile roll; chance or less adds randomRange(low, high) gems
    kRange,   // randomRange(low, high) gems, no percentile roll
    kNone,    // no gems
  };
  Kind kind;
  int chance;
  int low;
  int high;
};

/// Where the items of one group of draws come from.
struct ItemDraw {
  enum Source {
    kAny,            // a category roll of rand() % 18 per item
    kAnyButWeapons,  // rand() % 18, rolled again while it names weapons
    kCategory,       // the named category, no category roll
  };
  Source source;
  int category;  // for kCategory
  int count;     // items drawn; 0 for none
  int countDie;  // when not 0, the count is rolled as rand() % countDie + 1
};

struct ItemCell {
  enum Kind {
    kAtLeast,  // percentile roll; threshold or more empties the list and draws
    kAlways,   // empties the list and draws, no percentile roll
    kNone,     // no items
  };
  Kind kind;
  int threshold;
  std::array<ItemDraw, 2> draws;  // made in order; unused groups have count 0
};

struct TreasureChart {
  char letter;
  std::array<CoinCell, kMetalCount> coins;
  GemCell gems;
  ItemCell items;
};

constexpr int kChartCount = 26;

/// The charts, A to Z, indexed by chart number.
extern const std::array<TreasureChart, kChartCount> kTreasureCharts;

/// "a" or "A" gives 0, through "z" or "Z" giving 25; any other text -1.
std::int32_t chartIndexFromLetter(const std::string& text);

/// The chart that `text` names, as chartIndexFromLetter reads it, into
/// `chart`; kNoChart with the quoted text for any other text.
Problem readChart(const std::string& text, std::int32_t& chart);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_TREASURE_CHART_H_
