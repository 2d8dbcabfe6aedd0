#include "treasure/gem_names.h"

#include <gtest/gtest.h>

#include <string>

namespace glimmerkist {
namespace {

TEST(GemNamesTest, EveryKindHasItsNameLetterForLetter) {
  // The misspellings are the program's own and are printed as they stand.
  const std::string names[kGemKindCount] = {
      // Band 0.
      "Azurite",
      "Banded Agate",
      "Eye Agate",
      "Hematite",
      "Lapis Lazulim",
      "Malachite",
      "Moss Agate",
      "Obsidian",
      "Rhodochrosite",
      "Tiger Eye Agate",
      "Turquiose",
      // Band 1.
      "Bloodstone",
      "Carnelian",
      "Chalcedony",
      "Chrysoprase",
      "Citrine",
      "Jasper",
      "Moonstone",
      "Onyz",
      "Rock Crystal",
      "Sardonyx",
      "Smokey Quartz",
      "Star Rose Quartz",
      "Zircon",
      // Band 2.
      "Amber",
      "Alexandrite",
      "Amethyst",
      "Chrysoberyl",
      "Coral",
      "Jade",
      "Jet",
      "Tourmaline",
      // Band 3.
      "Garnet",
      "Pearl",
      "Peridot",
      "Spinel",
      "Topaz",
      // Band 4.
      "Black Opal",
      "Fire Opal",
      "Opal",
      "Oriental Amethyst",
      "Oriental Topaz",
      "Sapphire",
      // Band 5.
      "Black Sapphire",
      "Diamond",
      "Emerald",
      "Jacinth",
      "Oriental Emerald",
      "Ruby",
      "Star Ruby",
      "Star Sapphire",
  };
  for (int kind = 0; kind < kGemKindCount; ++kind) {
    EXPECT_EQ(kGemNames[kind], names[kind]) << "kind " << kind;
  }
}

TEST(GemNamesTest, OnlyKindsZeroToFiftyNameAGem) {
  EXPECT_FALSE(isGemKind(-1));
  EXPECT_TRUE(isGemKind(0));
  EXPECT_TRUE(isGemKind(50));
  EXPECT_FALSE(isGemKind(51));
}

}  // namespace
}  // namespace glimmerkist
