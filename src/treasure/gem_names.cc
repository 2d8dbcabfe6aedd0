#include "treasure/gem_names.h"

namespace glimmerkist {

const std::array<std::string_view, kGemKindCount> kGemNames = {
    // Band 0, 10 gp.
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
    // Band 1, 50 gp.
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
    // Band 2, 100 gp.
    "Amber",
    "Alexandrite",
    "Amethyst",
    "Chrysoberyl",
    "Coral",
    "Jade",
    "Jet",
    "Tourmaline",
    // Band 3, 500 gp.
    "Garnet",
    "Pearl",
    "Peridot",
    "Spinel",
    "Topaz",
    // Band 4, 1000 gp.
    "Black Opal",
    "Fire Opal",
    "Opal",
    "Oriental Amethyst",
    "Oriental Topaz",
    "Sapphire",
    // Band 5, 5000 gp.
    "Black Sapphire",
    "Diamond",
    "Emerald",
    "Jacinth",
    "Oriental Emerald",
    "Ruby",
    "Star Ruby",
    "Star Sapphire",
};

GemNames filledGemNames() {
  GemNames names;
  for (int kind = 0; kind < kGemKindCount; ++kind) names[kind] = kGemNames[kind];
  return names;
}

}  // namespace glimmerkist
