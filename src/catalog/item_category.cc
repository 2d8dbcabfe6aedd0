#include "catalog/item_category.h"

#include "base/random.h"

namespace glimmerkist {

const std::array<std::string_view, kCategoryCount> kCategoryTags = {
    "tccPotionsAndOils",
    "tccScrolls",
    "tccRings",
    "tccRods",
    "tccStaves",
    "tccWands",
    "tccBooksAndTomes",
    "tccGemsAndJewelry",
    "tccCloaksAndRobes",
    "tccBootsAndGloves",
    "tccGirdlesAndHelms",
    "tccBagsAndBottles",
    "tccDustsAndStones",
    "tccHouseholdItemsAndTools",
    "tccMusicalInstruments",
    "tccTheWeirdStuff",
    "tccArmorAndShields",
    "tccWeapons",
};

const std::array<std::string_view, kCategoryLabelCount> kCategoryLabels = {
    "...Potions and Oils",
    "...Scrolls",
    "...Rings",
    "...Rods",
    "...Staves",
    "...Wands",
    "...Books and Tomes",
    "...Gems and Jewelry",
    "...Cloak and Robes",
    "...Boots and Gloves",
    "...Girdles and Helms",
    "...Bags and Bottles",
    "...Dusts and Stones",
    "...Household Items",
    "...Musical Instruments",
    "...Weird Stuff",
    "...Armor and Shields",
    "...Weapons",
    "...Random Select",
    "...or, Quit",
};

int categoryFromTag(std::string_view token) {
  for (int code = 0; code < kCategoryCount; ++code) {
    const std::string_view tag = kCategoryTags[code];
    // Seven tags have 17 letters; their fourth letter tells most apart
    // before the whole of them is compared.
    if (tag.size() == token.size() && tag[3] == token[3] && tag == token) return code;
  }
  return kNoCategory;
}

int randomCategory() { return rand() % kCategoryCount; }

}  // namespace glimmerkist
